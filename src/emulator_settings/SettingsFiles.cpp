#include "emulator_settings/SettingsFiles.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

QString globalSettingsFileName(SettingsType type)
{
    return type == SettingsType::Raster ? QStringLiteral("raster.cfg")
                                        : QStringLiteral("vector.cfg");
}

QString customSettingsFileName(const QString& rom)
{
    return rom.toLower() + QStringLiteral(".cfg");
}

QString SettingsFolder::existing(const QString& fileName) const
{
    if (fileName.isEmpty() || m_folder.isEmpty())
        return {};
    const QString exact = m_folder + u'/' + fileName;
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList names = QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return m_folder + u'/' + name;
    }
    return {};
}

QString SettingsFolder::fileFor(const QString& fileName) const
{
    const QString found = existing(fileName);
    return found.isEmpty() ? m_folder + u'/' + fileName : found;
}

QString SettingsFolder::applicableFile(const QString& rom, const QString& displayType) const
{
    if (!rom.isEmpty() && hasCustomFile(rom))
        return customFile(rom);
    if (isRasterDisplay(displayType))
        return existing(globalSettingsFileName(SettingsType::Raster));
    if (isVectorDisplay(displayType))
        return existing(globalSettingsFileName(SettingsType::Vector));
    return {};
}

QStringList SettingsFolder::settingsFileNames() const
{
    QStringList names;
    const QStringList all =
        QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : all) {
        if (name.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

bool isRasterDisplay(const QString& displayType)
{
    return displayType.compare(QLatin1String("Raster"), Qt::CaseInsensitive) == 0;
}

bool isVectorDisplay(const QString& displayType)
{
    return displayType.compare(QLatin1String("Vector"), Qt::CaseInsensitive) == 0;
}

} // namespace velmora
