#pragma once
// Check For Updates: the program's own version number, the version the update page publishes and
// the answer the user reads.
//
// Version numbers are the version's parts written one after the other as decimal text and read as
// a number: 4.0.0 is 400 and 4.1.2 is 412. The page publishes its version as "Version 4.00<br>",
// which gives 400 (the dots are dropped, so 4.1 gives 41, an older version than 4.0.0).
#include <QByteArray>
#include <QString>

namespace velmora {

// Only this much of the update page is read.
inline constexpr qsizetype kUpdatePageLimit = 2000;

// The parts joined as decimal text, read as a number (4, 0, 0 gives 400).
int versionNumber(int major, int minor, int revision);
// The running program's version number.
int localVersion();

// publishedVersion() of a number too large for a 32-bit integer: reading it is a run-time error
// of the answer's handler ("Overflow"), not a failed request.
inline constexpr int kVersionTooLarge = -1;

// The version the page publishes, or 0 when it publishes none: "Version " searched from
// character 1000 of the first 2000 characters, the text between it and the next "<br>" with
// every "." removed, read as a number as far as it is digits.
int publishedVersion(const QString& page);

// The information message for a published version (above 0) against the local one.
QString updateAnswer(int published, int local, const QString& webSite);

inline const QString kUpdatesTitle = QStringLiteral("Check For Updates");
inline const QString kNewsTitle = QStringLiteral("Velmora News");
QString updateErrorMessage();
QString newsErrorMessage();

} // namespace velmora
