#include "app/OtherExtras.h"

#include "app/HelpDocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace velmora {
namespace {

struct ExtrasFolder
{
    const char* title;
    const char* pattern;
    const char* handler;
    const char* hint; // empty: the handler's line alone
};

ExtrasFolder extrasFolder(ExtrasKind kind)
{
    switch (kind) {
    case ExtrasKind::Artwork:
        return {"Artwork", "*.zip", "optArtwork_Click",
                "This might mean you do not have an Artwork folder."};
    case ExtrasKind::DATs:
        return {"DATs", "*.dat", "optDats_Click", ""};
    case ExtrasKind::Icons:
        return {"Icons", "*.ico", "optIcons_Click",
                "This might mean you do not have an Icons folder."};
    case ExtrasKind::Samples:
        break;
    }
    return {"Samples", "*.zip", "optSamples_Click",
            "This might mean you do not have a Samples folder."};
}

QString folderOf(ExtrasKind kind, const Preferences& prefs)
{
    switch (kind) {
    case ExtrasKind::Artwork:
        return prefs.folder(DataFolder::Artwork);
    case ExtrasKind::DATs:
        return prefs.folder(DataFolder::MAME);
    case ExtrasKind::Icons:
        return entryIgnoringCase(prefs.folder(DataFolder::MAME), QStringLiteral("icons"));
    case ExtrasKind::Samples:
        break;
    }
    return prefs.folder(DataFolder::Samples);
}

} // namespace

ExtrasListing listOtherExtras(ExtrasKind kind, const Preferences& prefs)
{
    const ExtrasFolder what = extrasFolder(kind);
    ExtrasListing listing;
    listing.title = QLatin1String(what.title);
    listing.folder = folderOf(kind, prefs);
    const QFileInfo folder(listing.folder);
    if (listing.folder.isEmpty() || !folder.isDir() || !folder.isReadable()) {
        listing.errorText = QStringLiteral("Error in %1.").arg(QLatin1String(what.handler));
        if (*what.hint)
            listing.errorText += u'\r' + QLatin1String(what.hint);
        return listing;
    }
    QDir dir(listing.folder);
    dir.setNameFilters({QLatin1String(what.pattern)});
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    listing.files = dir.entryList();
    listing.ok = true;
    return listing;
}

QString fileDateTimeText(const QString& file)
{
    const QDateTime changed = QFileInfo(file).lastModified();
    if (!changed.isValid())
        return QString();
    return QLocale::system().toString(changed, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace velmora
