#pragma once
// INI access for options.ini, the settings files and nostretch.ini.
//
// Section and key names match without regard to letter case; a missing file, section or key reads
// as the default; a value read back is at most 254 characters. A write replaces the value in place
// (or adds the key or section), turns every CR and LF in the value into a space, keeps every other
// line, comment and blank line as it was, and replaces the file through a finished temporary file,
// so an interrupted write never leaves a truncated file. The file's text is UTF-8 when it is valid
// UTF-8 and Latin-1 otherwise; new files are written as UTF-8 with CR LF line ends.
#include <QString>
#include <optional>

namespace velmora {

inline constexpr int kIniValueLimit = 254;

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const QString& defaultValue);
QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const char* defaultValue);
// A boolean default reads back as "True" or "False", an integer default as its decimal text.
QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     bool defaultValue);
QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     qint64 defaultValue);
QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     int defaultValue);

// False when the file could not be written (callers that do not report write failures ignore it).
bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const QString& value);
bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const char* value);
bool WriteIniValue(const QString& file, const QString& section, const QString& key, bool value);
bool WriteIniValue(const QString& file, const QString& section, const QString& key, qint64 value);
bool WriteIniValue(const QString& file, const QString& section, const QString& key, int value);

// Makes every write so far reach the disk. Writes go straight to the file, so this only
// synchronises; callers still flush after each batch of writes, where the program always did.
void FlushIni(const QString& file);

// Value encodings. A boolean reads "True"/"False" in any letter case, or a number (0 is false);
// an integer is decimal with an optional leading "-". Nothing is returned when the text does not
// convert, which the reading caller treats as an error.
QString iniText(bool value);
std::optional<bool> iniToBool(const QString& text);
std::optional<qint32> iniToInt32(const QString& text);
// For the keys kept as 16-bit integers by older versions: only the version check keeps that limit.
std::optional<qint16> iniToInt16(const QString& text);

} // namespace velmora
