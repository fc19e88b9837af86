#include "support/TempProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora::testing {

TempProgram::TempProgram(const QString& rootName, const QString& programName,
                         const QString& mameName)
    : m_root(QDir::tempPath() + u'/' + rootName + QStringLiteral("-XXXXXX"))
{
    if (!m_root.isValid())
        return;
    m_programFolder = makeFolder(programName);
    m_mameFolder = makeFolder(mameName);
    m_valid = QDir().mkpath(paths().settingsFolder()) && QDir().mkpath(paths().reportsFolder()) &&
              QFileInfo(m_mameFolder).isDir();
}

QString TempProgram::makeFolder(const QString& relative) const
{
    const QString path = m_root.path() + u'/' + relative;
    QDir().mkpath(path);
    return path;
}

bool TempProgram::writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray TempProgram::readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Preferences TempProgram::standardPreferences() const
{
    Preferences prefs = firstRunPreferences();
    prefs.setFolder(DataFolder::MAME, m_mameFolder);
    prefs.setFolder(DataFolder::ROMs, makeFolder(QStringLiteral("roms")));
    prefs.setFolder(DataFolder::Ini, makeFolder(QStringLiteral("ini")));
    return prefs;
}

void TempProgram::writeOptionsIni(const Preferences& prefs) const
{
    const QString ini = optionsIni();
    writeStartupMiscellaneous(ini, prefs);
    writeOptionsPreferences(ini, prefs);
    writeGradientColor(ini, prefs.gradientColor);
    writeDirectories(ini, prefs);
    writeView(ini, prefs);
}

bool TempProgram::linkMame(const QString& target) const
{
    return QFile::link(target, m_mameFolder + QStringLiteral("/mame"));
}

QString TempProgram::setTemporaryHome() const
{
    const QString home = makeFolder(QStringLiteral("home"));
    qputenv("HOME", QFile::encodeName(home));
    return home;
}

QString fixturePath(const QString& name)
{
    return QStringLiteral(VELMORA_FIXTURES) + u'/' + name;
}

} // namespace velmora::testing
