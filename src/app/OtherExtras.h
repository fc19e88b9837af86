#pragma once
// The About window's "Other Extras": the artwork, DAT, icon and sample files the user has, each
// kind listed from its folder by its pattern, with the message for a folder that cannot be listed.
#include "app/Preferences.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace velmora {

enum class ExtrasKind
{
    Artwork,
    DATs,
    Icons,
    Samples
};

struct ExtrasListing
{
    bool ok = false;
    QString folder;
    QStringList files; // names, sorted
    QString errorText; // when not ok
    QString title;     // the option's caption, the error message's title
};

// Artwork *.zip in the Artwork folder, DATs *.dat in the MAME folder, Icons *.ico in the MAME
// folder's icons folder (either spelling), Samples *.zip in the Samples folder. Patterns match
// whatever the letter case.
ExtrasListing listOtherExtras(ExtrasKind kind, const Preferences& prefs);

// A file's date and time of last change, as the About window shows it.
QString fileDateTimeText(const QString& file);

} // namespace velmora
