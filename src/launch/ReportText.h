#pragma once
// Reading and writing the text files of the report panel. The panel's text keeps CR LF line ends,
// as the reports are laid out; MAME writes LF alone, so a file read here has every line end made
// CR LF. Bytes are UTF-8 when valid (MAME writes UTF-8) and Latin-1 otherwise.
#include <QString>
#include <QStringList>

namespace velmora {

// The file's text with CR LF line ends; empty when it is missing or unreadable.
QString readReportText(const QString& path);
// The file's lines without their line ends (a final line end adds no empty line).
QStringList readReportLines(const QString& path);
// Writes the text as it stands, UTF-8; false when the file cannot be written.
bool writeReportText(const QString& path, const QString& text);

// Any mix of CR LF, LF and lone CR made CR LF.
QString withCrLf(const QString& text);

} // namespace velmora
