#include "info/GameInfo.h"

#include "gamedb/LineReader.h"
#include "info/FolderEntries.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <string_view>

namespace velmora {
namespace {

using std::string_view;

// An entry line is "$info=name1,name2,...": the names are looked for after the marker.
constexpr string_view kInfoMarker = "$info";
constexpr std::size_t kNamesFrom = 5;
constexpr string_view kBioMarker = "$bio";
constexpr string_view kMameMarker = "$mame";
constexpr string_view kEndMarker = "$end";
// The window may repaint after this many lines.
constexpr qint64 kLinesPerKeepAlive = 16384;

constexpr char kCrLf[] = "\r\n";

// Reading past the end of a file inside an entry, as the panel reports it.
constexpr int kPastEndNumber = 62;
constexpr char kPastEndText[] = "Input past end of file";
constexpr int kAccessNumber = 75;

struct ReadError
{
    int number;
    QString text;
};

// A part of the text, or the error that replaces the whole text.
struct Part
{
    QByteArray text;
    std::optional<ReadError> error;
};

bool startsWith(string_view line, string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

bool isNameSeparator(char c)
{
    return c == ',' || c == '=';
}

// history.dat: the name must be followed by a comma, and its first occurrence after the marker
// must follow a comma or the equals sign (so a name inside a longer name listed first does not
// count for that line).
bool historyListsGame(string_view line, string_view name)
{
    if (!startsWith(line, kInfoMarker) || line.size() <= kNamesFrom)
        return false;
    const std::string withComma = std::string(name) + ',';
    if (line.find(withComma, kNamesFrom) == string_view::npos)
        return false;
    const std::size_t first = line.find(name, kNamesFrom);
    return isNameSeparator(line[first - 1]);
}

// mameinfo.dat: the first occurrence of the name after the marker must follow a comma or the
// equals sign and end at a comma or the end of the line.
bool mameinfoListsGame(string_view line, string_view name)
{
    if (!startsWith(line, kInfoMarker) || line.size() <= kNamesFrom)
        return false;
    const std::size_t first = line.find(name, kNamesFrom);
    if (first == string_view::npos)
        return false;
    const std::size_t after = first + name.size();
    return isNameSeparator(line[first - 1]) && (after == line.size() || line[after] == ',');
}

// A cheat line starts with the game's name. The name must end there (a colon or anything that
// cannot be part of a ROM-set name follows), so "pacman" does not take the cheats of "pacmanf".
bool cheatLineOf(string_view line, string_view name)
{
    if (!startsWith(line, name))
        return false;
    if (line.size() == name.size())
        return true;
    const char next = line[name.size()];
    const bool nameCharacter = (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') ||
                               (next >= '0' && next <= '9') || next == '_';
    return !nameCharacter;
}

QByteArray bytes(string_view line)
{
    return QByteArray(line.data(), qsizetype(line.size()));
}

// Reads the lines of one community file, letting the window repaint now and then.
class DatReader
{
public:
    DatReader(const KeepAlive& keepAlive) : m_keepAlive(keepAlive) {}

    // Only a regular file is opened: anything else in its place is a missing file.
    platform::OptionalFileState open(const QString& path, std::optional<ReadError>* error)
    {
        QString text;
        const platform::OptionalFileState state = m_reader.openOptional(path, &text);
        if (state == platform::OptionalFileState::Unreadable)
            *error = ReadError{kAccessNumber, text};
        return state;
    }

    bool next(string_view* line)
    {
        if (!m_reader.next(line))
            return false;
        if (m_keepAlive && m_reader.lineNumber() % kLinesPerKeepAlive == 0)
            m_keepAlive();
        return true;
    }

    // Inside an entry the file must go on.
    bool nextInEntry(string_view* line, Part* part)
    {
        if (next(line))
            return true;
        part->error = m_reader.failed()
                          ? ReadError{kAccessNumber, m_reader.errorString()}
                          : ReadError{kPastEndNumber, QString::fromLatin1(kPastEndText)};
        return false;
    }

    // From the current line on, the first that starts with `marker`.
    bool skipTo(string_view* line, string_view marker, Part* part)
    {
        while (!startsWith(*line, marker)) {
            if (!nextInEntry(line, part))
                return false;
        }
        return true;
    }

private:
    LineReader m_reader;
    const KeepAlive& m_keepAlive;
};

// Opens a community file and reads on to the first line of the game's entry (`belongs` says
// which). False when the part is already complete: the file is missing (`missingText`), cannot be
// read, or holds no entry for the game (`absentText`).
template <typename Belongs>
bool findEntry(DatReader& reader, const QString& path, Belongs belongs, const char* missingText,
               const char* absentText, string_view* line, Part* part)
{
    const auto state =
        path.isEmpty() ? platform::OptionalFileState::Missing : reader.open(path, &part->error);
    if (state == platform::OptionalFileState::Missing)
        part->text = missingText;
    if (state != platform::OptionalFileState::Opened)
        return false;
    bool found = false;
    while (!found && reader.next(line))
        found = belongs(*line);
    if (!found)
        part->text = absentText;
    return found;
}

// The lines of a history entry: a paragraph's lines joined with blanks, paragraphs kept apart by
// the empty lines between them.
Part historyPart(const QString& path, string_view name, const KeepAlive& keepAlive)
{
    Part part;
    DatReader reader(keepAlive);
    string_view line;
    if (!findEntry(
            reader, path, [name](string_view l) { return historyListsGame(l, name); },
            "Cannot find history.dat file.  This file must be in your M.A.M.E. "
            "directory.\r\n\r\n",
            "There is no history for this game.\r\n\r\n\r\n", &line, &part))
        return part;
    // The line after "$bio" is the blank line that separates it from the text.
    if (!reader.skipTo(&line, kBioMarker, &part) || !reader.nextInEntry(&line, &part))
        return part;
    QByteArray text;
    while (reader.nextInEntry(&line, &part)) {
        if (startsWith(line, kEndMarker)) {
            part.text = text + kCrLf;
            return part;
        }
        if (line.empty())
            text += kCrLf;
        else
            text += bytes(line) + ' ';
    }
    return part;
}

// The lines of a mameinfo entry, with the doubled line breaks of the file made single.
Part mameinfoPart(const QString& path, string_view name, const KeepAlive& keepAlive)
{
    Part part;
    DatReader reader(keepAlive);
    string_view line;
    if (!findEntry(
            reader, path, [name](string_view l) { return mameinfoListsGame(l, name); },
            "Cannot find mameinfo.dat file.  This file must be in your M.A.M.E. "
            "directory.\r\n\r\n",
            "There is no mameinfo for this game.\r\n\r\n", &line, &part))
        return part;
    if (!reader.skipTo(&line, kMameMarker, &part))
        return part;
    QByteArray text;
    while (reader.nextInEntry(&line, &part)) {
        if (startsWith(line, kEndMarker)) {
            text.replace("\r\n\r\n", "\r\n");
            part.text = text + kCrLf;
            return part;
        }
        text += bytes(line) + kCrLf;
    }
    return part;
}

// The names of the game's cheats: the text after the last colon of each of its lines.
Part cheatPart(const QString& path, string_view name, const KeepAlive& keepAlive)
{
    Part part;
    DatReader reader(keepAlive);
    string_view line;
    if (!findEntry(
            reader, path, [name](string_view l) { return cheatLineOf(l, name); },
            "Cannot find cheat.dat file.  This file must be in your M.A.M.E. directory.",
            "There are no cheats for this game.", &line, &part))
        return part;
    do {
        const std::size_t colon = line.rfind(':');
        part.text += bytes(colon == string_view::npos ? line : line.substr(colon + 1)) + kCrLf;
    } while (reader.next(&line) && cheatLineOf(line, name));
    return part;
}

// MAME's files are UTF-8 today; older ones are Latin-1.
QString decoded(const QByteArray& text)
{
    return QByteArrayView(text).isValidUtf8() ? QString::fromUtf8(text) : QString::fromLatin1(text);
}

} // namespace

GameInformation gameInformation(const QString& mameFolder, const QString& rom,
                                const KeepAlive& keepAlive)
{
    const QByteArray key = rom.toUtf8();
    const string_view name(key.constData(), std::size_t(key.size()));
    const auto file = [&mameFolder](const char* fileName) {
        return findEntryPath(mameFolder, QString::fromLatin1(fileName));
    };
    const Part parts[] = {
        historyPart(file("history.dat"), name, keepAlive),
        mameinfoPart(file("mameinfo.dat"), name, keepAlive),
        cheatPart(file("cheat.dat"), name, keepAlive),
    };
    GameInformation info;
    for (const Part& part : parts) {
        if (part.error) {
            info.failed = true;
            info.text =
                QStringLiteral("Error: %1\r%2").arg(part.error->number).arg(part.error->text);
            return info;
        }
    }
    info.text = QStringLiteral("History.Dat\r\n\r\n") + decoded(parts[0].text) +
                QStringLiteral("\r\nMameinfo.Dat\r\n\r\n") + decoded(parts[1].text) +
                QStringLiteral("\r\nCheat.Dat\r\n\r\n") + decoded(parts[2].text);
    return info;
}

} // namespace velmora
