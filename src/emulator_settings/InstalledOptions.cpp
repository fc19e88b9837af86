#include "emulator_settings/InstalledOptions.h"

#include "emulator_settings/MamePathLinks.h"

#include <QDir>

namespace velmora {

KnownOptions knownOptions(const MameUsage* usage)
{
    KnownOptions known;
    for (const OptionSpec& row : optionCatalogue()) {
        const QLatin1String key(row.mameIniKey);
        known[optionIndex(row.option)] = !usage || key.isEmpty() || usage->knows(key);
    }
    return known;
}

QString unknownOptionTip(Option option)
{
    return QStringLiteral("The installed M.A.M.E. has no option \"%1\": this setting is kept in "
                          "the settings file but not used.")
        .arg(QLatin1String(optionSpec(option).mameIniKey));
}

QString todaysVideoMethod(const QString& storedMethod)
{
    static const char* const pairs[][2] = {{"gdi", "soft"}, {"ddraw", "accel"}, {"d3d", "opengl"}};
    for (const auto& pair : pairs) {
        if (storedMethod.compare(QLatin1String(pair[0]), Qt::CaseInsensitive) == 0)
            return QLatin1String(pair[1]);
    }
    return QString();
}

bool hasOwnVideoMethods(const MameUsage* usage)
{
    if (!usage)
        return false;
    const QStringList methods = usage->values(QStringLiteral("video"));
    const QStringList catalogue = staticEntries(Option::Video);
    for (const QString& method : methods) {
        if (!catalogue.contains(method, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool soundTakesMethod(const MameUsage* usage)
{
    return usage && usage->takesValues(QStringLiteral("sound"));
}

QStringList controllerEntriesFromFolder(const QString& ctrlrFolder)
{
    QStringList entries{QStringLiteral("None")};
    if (ctrlrFolder.isEmpty())
        return entries;
    const QStringList files =
        QDir(ctrlrFolder)
            .entryList({QStringLiteral("*.cfg")}, QDir::Files | QDir::Readable,
                       QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString name = file.chopped(4);
        if (!name.isEmpty() && name.compare(QLatin1String("None"), Qt::CaseInsensitive) != 0)
            entries << name;
    }
    return entries;
}

void offerOnlyReadableNames(OptionLists* lists, Option option)
{
    QStringList offered;
    QStringList unreadable;
    for (const QString& entry : lists->entries(option))
        (mameReadsAsWritten(entry) ? offered : unreadable) << entry;
    lists->setEntries(option, offered);
    lists->setNote(option, unreadable.isEmpty() ? QString() : unreadableNamesTip(unreadable));
}

QString unreadableNamesTip(const QStringList& names)
{
    return QStringLiteral("Not offered: %1.  M.A.M.E. cannot read a name with characters outside "
                          "plain ASCII; rename the file to offer it.")
        .arg(names.join(QStringLiteral(", ")));
}

void adaptListsToMame(OptionLists* lists, const MameUsage* usage, const QString& ctrlrFolder)
{
    if (!usage)
        return;
    if (hasOwnVideoMethods(usage))
        lists->setEntries(Option::Video, usage->values(QStringLiteral("video")));
    lists->setEntries(Option::Controller, controllerEntriesFromFolder(ctrlrFolder));
    // Today's MAME hangs on a byte above 127 in mame.ini: a file it could only be given by such
    // a name is not offered.
    offerOnlyReadableNames(lists, Option::Controller);
    offerOnlyReadableNames(lists, Option::Effect);
    // Frame skips beyond what MAME takes are refused by it ("Out-of-range integer value").
    if (const std::optional<int> most = usage->upperLimit(QStringLiteral("frameskip"))) {
        QStringList skips;
        for (const QString& entry : lists->entries(Option::FrameSkip)) {
            bool number = false;
            const int skip = entry.toInt(&number);
            if (!number || skip <= *most)
                skips << entry;
        }
        lists->setEntries(Option::FrameSkip, skips);
    }
}

} // namespace velmora
