#include "gamedb/GameListReader.h"

#include "gamedb/FieldText.h"

namespace velmora {
namespace {

// Where the values start in the lines of this layout (1-based character positions):
//   <TAB><game name="...                    the game's name from 14
//   <TAB><TAB><description>...              the description's text from 16
//   <TAB><TAB><year>...                     9
//   <TAB><TAB><manufacturer>...             17
//   <TAB><TAB><display type="...            18
//   <TAB><TAB><driver status="...           19
constexpr qsizetype kGameNameAt = 14;
constexpr qsizetype kDescriptionAt = 16;
constexpr qsizetype kYearAt = 9;
constexpr qsizetype kManufacturerAt = 17;
constexpr qsizetype kDisplayTypeAt = 18;
constexpr qsizetype kDriverStatusAt = 19;
// After the closing quote q of one attribute value, the next value starts at q + the length of
// the text between them plus one: ` sourcefile="` (14), ` cloneof="` (11), ` romof="` (9).
constexpr qsizetype kSourceFileAfter = 14;
constexpr qsizetype kCloneOfAfter = 11;
constexpr qsizetype kRomOfAfter = 9;

// The resource sets start at the first line whose characters 2 to 16 are this text.
constexpr std::string_view kResourceStart = "<game runnable=";
constexpr qsizetype kTagLength = 5;

const QString kInvalidArgument = QStringLiteral("Invalid procedure call or argument");
const QString kPastEnd = QStringLiteral("Input past end of file");

// A list line seen through 1-based character positions. A search answers 0 when it finds nothing;
// cutting a value fails when its closing mark is missing, which is how a missing attribute shows.
class PositionalLine
{
public:
    explicit PositionalLine(std::string_view text) : m_text(text) {}

    // Position of `what` at or after `from`, or 0.
    qsizetype find(std::string_view what, qsizetype from) const
    {
        if (from < 1 || std::size_t(from) > m_text.size())
            return 0;
        const std::size_t at = m_text.find(what, std::size_t(from - 1));
        return at == std::string_view::npos ? 0 : qsizetype(at) + 1;
    }

    bool contains(std::string_view what) const
    {
        return m_text.find(what) != std::string_view::npos;
    }

    // Where the value of attribute `name` (given with its "=") starts when the attribute is
    // searched from `from`: just after its opening quote. An attribute that is not there gives the
    // same sum with a position of 0, so the value is then cut from near the line's start.
    qsizetype valueOf(std::string_view name, qsizetype from) const
    {
        return find(name, from) + qsizetype(name.size()) + 1;
    }

    // The text from `from` up to, not including, the next `stop` at or after `from`; that stop's
    // position goes to *stopAt. False when there is no such stop.
    bool cut(qsizetype from, char stop, std::string_view* text, qsizetype* stopAt) const
    {
        const qsizetype at = find(std::string_view(&stop, 1), from);
        if (at == 0)
            return false;
        *text = m_text.substr(std::size_t(from - 1), std::size_t(at - from));
        *stopAt = at;
        return true;
    }

    bool cut(qsizetype from, char stop, QByteArray* value, qsizetype* stopAt) const
    {
        std::string_view text;
        if (!cut(from, stop, &text, stopAt))
            return false;
        *value = QByteArray(text.data(), qsizetype(text.size()));
        return true;
    }

private:
    std::string_view m_text;
};

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

GameListReader::GameListReader()
{
    m_record.resetToDefaults();
}

bool GameListReader::isResourceStart(std::string_view line)
{
    return line.size() > kResourceStart.size() &&
           line.substr(1, kResourceStart.size()) == kResourceStart;
}

ListReadResult GameListReader::read(LineReader& lines, DatabaseOutput& out)
{
    std::string_view line;
    do {
        if (!lines.next(&line))
            return ListReadError{kPastEnd, lines.lineNumber() + 1};
        out.lineRead(lines.lineNumber());
        if (!readLine(line, out))
            return ListReadError{kInvalidArgument, lines.lineNumber()};
    } while (!isResourceStart(line));

    out.progress.setMessage(QStringLiteral("Creating resource.txt..."));
    out.progress.repaint();
    do {
        out.resource.appendLine(line);
        out.lineRead(lines.lineNumber());
    } while (lines.next(&line));
    return std::nullopt;
}

// Handles one line by its tag, the five characters from its first "<".
bool GameListReader::readLine(std::string_view line, DatabaseOutput& out)
{
    const std::size_t open = line.find('<');
    if (open == std::string_view::npos)
        return true;
    const std::string_view tag = line.substr(open, kTagLength);
    const PositionalLine text(line);
    qsizetype stop = 0;
    if (tag == "<game")
        return readGame(line);
    if (tag == "<desc")
        return text.cut(kDescriptionAt, '<', &m_record[GameRecord::Game], &stop);
    if (tag == "<year")
        return text.cut(kYearAt, '<', &m_record[GameRecord::Year], &stop);
    if (tag == "<manu")
        return text.cut(kManufacturerAt, '<', &m_record[GameRecord::Manufacturer], &stop);
    if (tag == "<disk")
        m_record[GameRecord::Chd] = QByteArrayLiteral("Yes");
    else if (tag == "<disp")
        return readDisplay(line);
    else if (tag == "<driv")
        return readDriver(line, out);
    return true;
}

// The game element: name, sourcefile, cloneof and romof, taken in that order by position; the
// names "cloneof=" and "romof=" are only tested for presence.
bool GameListReader::readGame(std::string_view line)
{
    const PositionalLine text(line);
    qsizetype q = 0;
    if (!text.cut(kGameNameAt, '"', &m_record[GameRecord::Rom], &q) ||
        !text.cut(q + kSourceFileAfter, '"', &m_record[GameRecord::Source], &q))
        return false;
    if (text.contains("cloneof=")) {
        std::string_view parent;
        if (!text.cut(q + kCloneOfAfter, '"', &parent, &q))
            return false;
        m_record[GameRecord::Origin] = "Clone of " + bytes(parent);
    }
    if (text.contains("romof="))
        return text.cut(q + kRomOfAfter, '"', &m_record[GameRecord::RomOf], &q);
    return true;
}

// The first display line of a game gives Type, Orientation, Display and Frequency; every display
// line makes Display "Multiple" first, which the first one then overwrites for raster and vector.
bool GameListReader::readDisplay(std::string_view line)
{
    m_record[GameRecord::Display] = QByteArrayLiteral("Multiple");
    if (m_displaySeen)
        return true;
    m_displaySeen = true;

    const PositionalLine text(line);
    qsizetype q = 0;
    std::string_view type, rotate, width, height;
    if (!text.cut(kDisplayTypeAt, '"', &type, &q))
        return false;
    m_record[GameRecord::Type] = properCase(type);
    if (!text.cut(text.valueOf("rotate=", q), '"', &rotate, &q))
        return false;
    const bool vertical = rotate == "270" || rotate == "90";
    m_record[GameRecord::Orientation] = vertical ? "Vertical" : "Horizontal";
    if (m_record[GameRecord::Type] == "Raster") {
        if (!text.cut(text.valueOf("width=", q), '"', &width, &q) ||
            !text.cut(text.valueOf("height=", q), '"', &height, &q))
            return false;
        m_record[GameRecord::Display] = rightAligned(bytes(width) + 'x' + bytes(height), 8);
    } else if (m_record[GameRecord::Type] == "Vector") {
        m_record[GameRecord::Display] = QByteArrayLiteral("N/A");
    }
    return text.cut(text.valueOf("refresh=", q), '"', &m_record[GameRecord::Frequency], &q);
}

// The driver line is the last line of a game: it completes the record, which is written and set
// back to its defaults (Game and ROM keep their values until the next game sets them).
bool GameListReader::readDriver(std::string_view line, DatabaseOutput& out)
{
    struct Attribute
    {
        std::string_view name;
        GameRecord::Field field;
    };
    static constexpr Attribute kQualities[] = {{"color=", GameRecord::Color},
                                               {"sound=", GameRecord::Sound},
                                               {"graphic=", GameRecord::Graphic}};
    const PositionalLine text(line);
    qsizetype q = 0;
    std::string_view value;
    if (!text.cut(kDriverStatusAt, '"', &value, &q))
        return false;
    m_record[GameRecord::Status] = properCase(value);
    for (const Attribute& a : kQualities) {
        if (!text.cut(text.valueOf(a.name, q), '"', &value, &q))
            return false;
        m_record[a.field] = properCase(value);
    }
    if (!text.cut(text.valueOf("palettesize=", q), '"', &value, &q))
        return false;
    m_record[GameRecord::Palette] = rightAligned(bytes(value), 6);

    out.writeGame(m_record);
    m_record.resetToDefaults();
    m_displaySeen = false;
    return true;
}

} // namespace velmora
