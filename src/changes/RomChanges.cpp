#include "changes/RomChanges.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace velmora {
namespace {

using View = std::string_view;

// The lines of a text without their line ends (LF or CR LF); a final line end adds no line.
class LineCursor
{
public:
    LineCursor(View text, size_t from = 0, size_t to = View::npos)
        : m_text(text.substr(0, to == View::npos ? text.size() : to)), m_pos(from)
    {
    }
    bool next(View& line, size_t& end)
    {
        if (m_pos >= m_text.size())
            return false;
        const void* nl = std::memchr(m_text.data() + m_pos, '\n', m_text.size() - m_pos);
        const size_t stop =
            nl ? size_t(static_cast<const char*>(nl) - m_text.data()) : m_text.size();
        size_t lineEnd = stop;
        if (nl && lineEnd > m_pos && m_text[lineEnd - 1] == '\r')
            --lineEnd;
        line = m_text.substr(m_pos, lineEnd - m_pos);
        end = nl ? stop + 1 : stop;
        m_pos = end;
        return true;
    }

private:
    View m_text;
    size_t m_pos;
};

View trimBlanks(View text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

struct LineKey
{
    View key;
    bool tabbed = false;
};

LineKey gameKey(View line)
{
    const size_t tab = line.find('\t');
    if (tab != View::npos) {
        const size_t second = line.find('\t', tab + 1);
        const size_t end = second == View::npos ? line.size() : second;
        return {trimBlanks(line.substr(tab + 1, end - tab - 1)), true};
    }
    const size_t first = line.find(' ');
    const size_t second = first == View::npos ? View::npos : line.find(' ', first + 1);
    if (second == View::npos)
        return {View(), false};
    return {trimBlanks(line.substr(second + 1)), false};
}

// A run of lines with one key: where it lies in its file and how long its lines are joined.
struct Block
{
    View key;
    bool tabbed = false;
    size_t begin = 0;  // first byte of its first line
    size_t end = 0;    // after the line end of its last line
    size_t joined = 0; // the length of its lines joined without line ends
};

// Reads a list block by block.
class BlockReader
{
public:
    explicit BlockReader(View text) : m_text(text), m_lines(text) { m_have = advance(); }
    bool next(Block& block)
    {
        if (!m_have)
            return false;
        block = Block{m_key.key, m_key.tabbed, m_lineBegin, m_lineEnd, m_line.size()};
        while ((m_have = advance()) && m_key.key == block.key) {
            block.end = m_lineEnd;
            block.joined += m_line.size();
        }
        return true;
    }

private:
    bool advance()
    {
        m_lineBegin = m_lineEnd;
        if (!m_lines.next(m_line, m_lineEnd))
            return false;
        m_key = gameKey(m_line);
        return true;
    }

    View m_text;
    LineCursor m_lines;
    View m_line;
    LineKey m_key;
    size_t m_lineBegin = 0, m_lineEnd = 0;
    bool m_have = false;
};

// Whether two blocks hold the same text once their lines are joined without line ends.
bool sameJoinedText(View a, const Block& x, View b, const Block& y)
{
    if (x.joined != y.joined)
        return false;
    const View rawX = a.substr(x.begin, x.end - x.begin);
    const View rawY = b.substr(y.begin, y.end - y.begin);
    if (rawX == rawY)
        return true;
    // The line ends differ: compare the lines' bytes as one stream.
    LineCursor lx(a, x.begin, x.end), ly(b, y.begin, y.end);
    const auto fill = [](LineCursor& lines, View& part) {
        size_t end = 0;
        while (part.empty())
            if (!lines.next(part, end))
                return false;
        return true;
    };
    View px, py;
    while (true) {
        const bool moreX = fill(lx, px), moreY = fill(ly, py);
        if (!moreX || !moreY)
            return moreX == moreY;
        const size_t n = std::min(px.size(), py.size());
        if (std::memcmp(px.data(), py.data(), n) != 0)
            return false;
        px.remove_prefix(n);
        py.remove_prefix(n);
    }
}

} // namespace

CompareResult compareRomLists(View newList, View oldList, CompareMonitor& monitor)
{
    // Count pass: the current list's blocks, kept for the compare.
    monitor.setStatus(QStringLiteral("Determining count, please stand by..."));
    std::vector<Block> blocks;
    {
        BlockReader reader(newList);
        Block b;
        while (reader.next(b)) {
            blocks.push_back(b);
            if ((blocks.size() & 255) == 0 && monitor.letEventsRun())
                return {CompareResult::Outcome::Cancelled, {}};
        }
    }
    monitor.setStatus(QString());
    monitor.start(int(blocks.size()));

    // The previous list: the first block of every key.
    std::unordered_map<View, Block> firstOld;
    {
        BlockReader reader(oldList);
        Block b;
        while (reader.next(b)) {
            firstOld.try_emplace(b.key, b);
            if (monitor.letEventsRun())
                return {CompareResult::Outcome::Cancelled, {}};
        }
    }

    QByteArray listed;
    std::unordered_set<View> tabKeysMet;
    const Block none;
    int value = 0;
    for (const Block& block : blocks) {
        if (monitor.letEventsRun())
            return {CompareResult::Outcome::Cancelled, {}};
        const bool repeatedDevice = block.tabbed && !tabKeysMet.insert(block.key).second;
        if (!repeatedDevice) {
            const auto old = firstOld.find(block.key);
            const bool same = old == firstOld.end()
                                  ? block.joined == 0
                                  : sameJoinedText(newList, block, oldList, old->second);
            if (!same) {
                listed.append(block.key.data(), qsizetype(block.key.size()));
                listed.append("\r\n");
            }
        }
        monitor.advance(++value);
    }
    if (listed.isEmpty())
        return {CompareResult::Outcome::Unchanged, {}};
    QByteArray report(kRomChangesHeading);
    report.append("\r\n\r\n\r\nGame \r\n\r\n");
    report.append(listed);
    return {CompareResult::Outcome::Changed, report};
}

} // namespace velmora
