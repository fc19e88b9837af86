#pragma once
// The web site's answers as text, and the news file's issue stamp.
//
// Whatever the server sends becomes plain text: UTF-8 when it is valid UTF-8 (a character cut off
// by a read that stopped at its limit does not count against it), Latin-1 otherwise, with every
// control character other than tab, CR and LF replaced, so binary data shows as harmless text.
//
// The news file starts with an 8-character issue stamp; the rest is the message. The stamp of the
// news last shown is kept as News in section Miscellaneous of options.ini.
#include <QByteArray>
#include <QString>

namespace velmora {

// At most this much of the news file is read.
inline constexpr qsizetype kNewsLimit = 64 * 1024;
inline constexpr qsizetype kNewsStampLength = 8;

// `readLimit` is the most that was read; a body of exactly that size may end inside a character.
QString plainTextFromWeb(const QByteArray& body, qsizetype readLimit = -1);

// The first 8 characters as options.ini keeps them: line breaks and other control characters
// become blanks, and surrounding blanks go (a stored value is read back trimmed).
QString newsStamp(const QString& news);

// Start-up shows the news when its 9th character is ";" (an announcement shown at every start)
// or when its stamp differs from the stored one.
bool showNewsAtStartUp(const QString& news, const QString& storedStamp);

} // namespace velmora
