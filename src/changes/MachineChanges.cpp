#include "changes/MachineChanges.h"

#include "gamedb/XmlText.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace velmora {
namespace {

using View = std::string_view;
constexpr size_t npos = View::npos;

// Game elements are searched from the seventh character of the remaining text on, so the element
// a chunk starts with does not end it.
constexpr size_t kSearchFrom = 6;
// How often the long loops let the window work, in games or elements.
constexpr int kPollEvery = 64;

// The first place from `from` on where the bytes `a` and `b` follow each other. Element starts
// ("<m", "<g") are rare in a machine list, so looking for the pair many bytes at a time reads a
// list about as fast as memory delivers it.
size_t findPairBytewise(View text, size_t i, char a, char b)
{
    for (; i + 1 < text.size(); ++i)
        if (text[i] == a && text[i + 1] == b)
            return i;
    return npos;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) size_t findPairWide(View text, size_t i, char a, char b)
{
    const char* s = text.data();
    const __m256i first = _mm256_set1_epi8(a), second = _mm256_set1_epi8(b);
    for (; i + 33 <= text.size(); i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + 1));
        const unsigned mask = unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(x, first), _mm256_cmpeq_epi8(y, second))));
        if (mask)
            return i + size_t(__builtin_ctz(mask));
    }
    return findPairBytewise(text, i, a, b);
}

size_t findPairNarrow(View text, size_t i, char a, char b)
{
    const char* s = text.data();
    const __m128i first = _mm_set1_epi8(a), second = _mm_set1_epi8(b);
    for (; i + 17 <= text.size(); i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 1));
        const int mask =
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(x, first), _mm_cmpeq_epi8(y, second)));
        if (mask)
            return i + size_t(__builtin_ctz(unsigned(mask)));
    }
    return findPairBytewise(text, i, a, b);
}

size_t findPair(View text, size_t from, char a, char b)
{
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide ? findPairWide(text, from, a, b) : findPairNarrow(text, from, a, b);
}
#else
size_t findPair(View text, size_t from, char a, char b)
{
    return findPairBytewise(text, from, a, b);
}
#endif

size_t findText(View text, View needle, size_t from)
{
    if (from > text.size() || needle.size() > text.size() - from)
        return npos;
    if (needle.size() < 2) {
        const size_t at = text.find(needle, from);
        return at;
    }
    for (size_t at = findPair(text, from, needle[0], needle[1]); at != npos;
         at = findPair(text, at + 1, needle[0], needle[1])) {
        if (needle.size() > text.size() - at)
            return npos;
        if (std::memcmp(text.data() + at, needle.data(), needle.size()) == 0)
            return at;
    }
    return npos;
}

// The element names of one list's layout: "<game n" and "<game r" in the older lists,
// "<machine n" and "<machine r" in today's.
struct Layout
{
    std::string tag;      // "<game "
    std::string name;     // "<game n", where a chunk ends
    std::string runnable; // "<game r", where a chunk ends once no "<game n" is left
    size_t header = 0;    // the length of the list's header
};

Layout layoutNamed(const char* element, size_t header)
{
    const std::string tag = std::string("<") + element + " ";
    return Layout{tag, tag + "n", tag + "r", header};
}

// The layout of the first game element from the seventh character on; none when there is none.
std::optional<Layout> listLayout(View list)
{
    const size_t machine = findText(list, "<machine n", kSearchFrom);
    const size_t game =
        findText(list.substr(0, machine == npos ? list.size() : machine), "<game n", kSearchFrom);
    if (game != npos)
        return layoutNamed("game", game);
    if (machine != npos)
        return layoutNamed("machine", machine);
    return std::nullopt;
}

// Where the game elements of a list's contents (after its header) start.
struct Elements
{
    std::vector<size_t> names, runnables;
    int count = 0; // "<game name=" and "<game runnable=" in the whole list
};

bool scanElements(View list, const Layout& layout, CompareMonitor& monitor, Elements& out)
{
    const View nameAttribute = "name=", runnableAttribute = "runnable=";
    int found = 0;
    for (size_t at = findText(list, layout.tag, 0); at != npos;
         at = findText(list, layout.tag, at + 1)) {
        const View rest = list.substr(at + layout.tag.size());
        if (rest.starts_with(nameAttribute) || rest.starts_with(runnableAttribute))
            ++out.count;
        if (at >= layout.header && !rest.empty()) {
            if (rest.front() == 'n')
                out.names.push_back(at);
            else if (rest.front() == 'r')
                out.runnables.push_back(at);
        }
        if (++found % kPollEvery == 0 && monitor.letEventsRun())
            return false;
    }
    return true;
}

// Cuts a text into game chunks: each up to the next "<game n" from its seventh character on, or,
// when there is none, up to the next "<game r"; the last one takes the rest.
class ChunkCutter
{
public:
    ChunkCutter(View text, size_t from, const Elements& elements)
        : m_text(text), m_pos(from), m_elements(elements)
    {
    }
    bool next(View& chunk)
    {
        if (m_pos >= m_text.size())
            return false;
        const size_t end = chunkEnd(m_pos + kSearchFrom);
        chunk = m_text.substr(m_pos, end - m_pos);
        m_pos = end;
        return true;
    }

private:
    size_t chunkEnd(size_t from)
    {
        const std::vector<size_t>& names = m_elements.names;
        while (m_name < names.size() && names[m_name] < from)
            ++m_name;
        if (m_name < names.size())
            return names[m_name];
        const std::vector<size_t>& runnables = m_elements.runnables;
        while (m_runnable < runnables.size() && runnables[m_runnable] < from)
            ++m_runnable;
        return m_runnable < runnables.size() ? runnables[m_runnable] : m_text.size();
    }

    View m_text;
    size_t m_pos;
    const Elements& m_elements;
    size_t m_name = 0, m_runnable = 0;
};

struct Entry
{
    View name, description;
};

// The name starts after `name="` and ends before the next double quote; the description starts
// after the "<description>" tag found from that quote on and ends before the next "<". A part
// that is not there is empty; a part without its end runs to the end of the chunk.
Entry nameAndDescription(View chunk)
{
    constexpr size_t kNameSkip = 6;         // name="
    constexpr size_t kDescriptionSkip = 13; // <description>
    Entry entry;
    size_t quote = 0;
    if (const size_t name = chunk.find("name="); name != npos) {
        const size_t begin = std::min(name + kNameSkip, chunk.size());
        quote = std::min(chunk.find('"', begin), chunk.size());
        entry.name = chunk.substr(begin, quote - begin);
    }
    if (const size_t tag = chunk.find("<desc", quote); tag != npos) {
        const size_t begin = std::min(tag + kDescriptionSkip, chunk.size());
        const size_t end = std::min(chunk.find('<', begin), chunk.size());
        entry.description = chunk.substr(begin, end - begin);
    }
    return entry;
}

// The listed games as text, with an index that answers "does name, tab, description occur in the
// text" without searching it: while no listed name or description holds a tab or a line end, the
// text occurs exactly when a listed name ends with the name and its description starts with the
// description.
class ListedGames
{
public:
    void append(const Entry& e)
    {
        m_text.append(e.name.data(), qsizetype(e.name.size()));
        m_text.append('\t');
        m_text.append(e.description.data(), qsizetype(e.description.size()));
        m_text.append("\r\n");
        if (m_searchText)
            return;
        if (!plainText(e.name) || !plainText(e.description) || e.name.size() > kLongestIndexed) {
            m_searchText = true;
            m_byNameEnd.clear();
            return;
        }
        const int id = int(m_entries.size());
        m_entries.push_back(e);
        for (size_t i = 0; i < e.name.size(); ++i)
            m_byNameEnd[e.name.substr(i)].push_back(id);
    }

    bool contains(const Entry& e) const
    {
        if (m_searchText || e.name.empty() || !plainText(e.name) || !plainText(e.description))
            return search(e);
        const auto found = m_byNameEnd.find(e.name);
        if (found == m_byNameEnd.end())
            return false;
        if (found->second.size() > kMostCandidates)
            return search(e);
        for (int id : found->second)
            if (m_entries[size_t(id)].description.starts_with(e.description))
                return true;
        return false;
    }

    const QByteArray& text() const { return m_text; }

private:
    static constexpr size_t kLongestIndexed = 256;
    static constexpr size_t kMostCandidates = 64;

    static bool plainText(View v) { return v.find_first_of("\t\r\n") == npos; }

    bool search(const Entry& e) const
    {
        QByteArray needle(e.name.data(), qsizetype(e.name.size()));
        needle.append('\t');
        needle.append(e.description.data(), qsizetype(e.description.size()));
        return m_text.contains(needle);
    }

    QByteArray m_text;
    std::vector<Entry> m_entries;
    std::unordered_map<View, std::vector<int>> m_byNameEnd;
    bool m_searchText = false;
};

// What is left of the previous list's contents while the current list's chunks are taken out of
// it. The contents are held as their game elements ("atoms", from one element start to the next);
// an atom is whole, has lost a part from its start (when a chunk ended inside it), or is gone.
// A chunk can only occur where a whole element starts, and that element's first line is the
// chunk's first line, so the atoms are indexed by their first lines. Should a removal glue text
// into a new element start, the contents are copied out and searched as plain text from then on.
class PreviousContents
{
public:
    PreviousContents(View list, const Layout& layout, const Elements& elements)
        : m_text(list), m_layout(layout)
    {
        mergeAtoms(elements);
    }

    bool index(CompareMonitor& monitor)
    {
        const int count = int(m_begin.size());
        m_sameLine.assign(size_t(count), -1);
        for (int a = count - 1; a >= 0; --a) {
            const View text = piece(a);
            const size_t lineEnd = text.find('\n');
            if (lineEnd == npos) {
                m_lineless[m_type[size_t(a)]].push_back(a);
            } else {
                auto [head, added] = m_firstLine.try_emplace(text.substr(0, lineEnd + 1), a);
                if (!added) {
                    m_sameLine[size_t(a)] = head->second;
                    head->second = a;
                }
            }
            if (a % kPollEvery == 0 && monitor.letEventsRun())
                return false;
        }
        for (std::vector<int>& atoms : m_lineless)
            std::reverse(atoms.begin(), atoms.end());
        return true;
    }

    // Takes the first occurrence of `chunk` out; false when it does not occur.
    bool takeOut(View chunk)
    {
        if (!m_tookAny && !mayOccur(chunk))
            return false;
        if (m_plain)
            return takeOutOfPlainText(chunk);
        const int type = chunk.starts_with(m_layout.name)       ? 0
                         : chunk.starts_with(m_layout.runnable) ? 1
                                                                : -1;
        if (type < 0) {
            copyOut();
            return takeOutOfPlainText(chunk);
        }
        const int atom = firstOccurrence(chunk, type);
        if (atom < 0)
            return false;
        remove(atom, chunk.size());
        m_tookAny = true;
        return true;
    }

    QByteArray remaining() const
    {
        if (m_plain)
            return m_plainText;
        QByteArray out;
        for (int a = m_first; a >= 0; a = m_next[size_t(a)])
            out.append(piece(a).data(), qsizetype(piece(a).size()));
        return out;
    }

private:
    void mergeAtoms(const Elements& elements)
    {
        size_t n = 0, r = 0;
        while (n < elements.names.size() || r < elements.runnables.size()) {
            const bool name =
                r == elements.runnables.size() ||
                (n < elements.names.size() && elements.names[n] < elements.runnables[r]);
            m_begin.push_back(name ? elements.names[n++] : elements.runnables[r++]);
            m_type.push_back(name ? 0 : 1);
        }
        const size_t count = m_begin.size();
        m_end.resize(count);
        for (size_t i = 0; i < count; ++i)
            m_end[i] = i + 1 < count ? m_begin[i + 1] : m_text.size();
        m_alive = m_begin;
        m_next.resize(count);
        m_prev.resize(count);
        for (size_t i = 0; i < count; ++i) {
            m_next[i] = i + 1 < count ? int(i + 1) : -1;
            m_prev[i] = int(i) - 1;
        }
        m_first = count ? 0 : -1;
    }

    View piece(int a) const
    {
        return m_text.substr(m_alive[size_t(a)], m_end[size_t(a)] - m_alive[size_t(a)]);
    }
    bool whole(int a) const
    {
        return m_alive[size_t(a)] == m_begin[size_t(a)] && m_end[size_t(a)] != kGone;
    }

    // A chunk holds its own first characters; while nothing was taken out, a chunk whose first
    // characters the contents never hold cannot occur (the current list has another layout).
    // Chunks start with an element, so there are only a few different starts to look for.
    bool mayOccur(View chunk)
    {
        constexpr size_t kStart = 7; // "<game n", and as long a part of "<machine n"
        const std::string start(chunk.substr(0, std::min(chunk.size(), kStart)));
        auto [known, added] = m_startFound.try_emplace(start, false);
        if (added)
            known->second = findText(m_text, start, m_layout.header) != npos;
        return known->second;
    }

    int firstOccurrence(View chunk, int type)
    {
        const size_t lineEnd = chunk.find('\n');
        if (lineEnd == npos) {
            for (int a = m_first; a >= 0; a = m_next[size_t(a)])
                if (m_type[size_t(a)] == type && whole(a) && matchesAt(a, chunk))
                    return a;
            return -1;
        }
        int best = -1;
        if (auto head = m_firstLine.find(chunk.substr(0, lineEnd + 1)); head != m_firstLine.end()) {
            while (head->second >= 0 && !whole(head->second))
                head->second = m_sameLine[size_t(head->second)];
            for (int a = head->second; a >= 0 && best < 0; a = m_sameLine[size_t(a)])
                if (whole(a) && matchesAt(a, chunk))
                    best = a;
        }
        for (int a : m_lineless[type]) {
            if (best >= 0 && a > best)
                break;
            if (whole(a) && matchesAt(a, chunk))
                return a;
        }
        return best;
    }

    bool matchesAt(int a, View chunk) const
    {
        for (; !chunk.empty(); a = m_next[size_t(a)]) {
            if (a < 0)
                return false;
            const View text = piece(a);
            const size_t n = std::min(text.size(), chunk.size());
            if (std::memcmp(text.data(), chunk.data(), n) != 0)
                return false;
            chunk.remove_prefix(n);
        }
        return true;
    }

    void remove(int a, size_t length)
    {
        const int before = m_prev[size_t(a)];
        while (length > 0) {
            const size_t size = piece(a).size();
            if (size > length) {
                m_alive[size_t(a)] += length;
                break;
            }
            length -= size;
            const int next = m_next[size_t(a)];
            unlink(a);
            a = next;
        }
        checkJoint(before, a);
    }

    void unlink(int a)
    {
        const int prev = m_prev[size_t(a)], next = m_next[size_t(a)];
        (prev >= 0 ? m_next[size_t(prev)] : m_first) = next;
        if (next >= 0)
            m_prev[size_t(next)] = prev;
        m_end[size_t(a)] = kGone;
        m_alive[size_t(a)] = kGone;
    }

    // Text that came together where a chunk was taken out may spell a new element start.
    void checkJoint(int before, int after)
    {
        const size_t reach = m_layout.name.size() - 1;
        std::string left, right;
        for (int a = before; a >= 0 && left.size() < reach; a = m_prev[size_t(a)]) {
            const View text = piece(a);
            const size_t take = std::min(reach - left.size(), text.size());
            left.insert(0, text.substr(text.size() - take));
        }
        for (int a = after; a >= 0 && right.size() < reach; a = m_next[size_t(a)])
            right.append(piece(a).substr(0, reach - right.size()));
        const std::string joint = left + right;
        for (const std::string* element : {&m_layout.name, &m_layout.runnable})
            for (size_t i = 0; i < left.size(); ++i)
                if (i + element->size() > left.size() &&
                    joint.compare(i, element->size(), *element) == 0) {
                    copyOut();
                    return;
                }
    }

    void copyOut()
    {
        if (m_plain)
            return;
        m_plainText = remaining();
        m_plain = true;
    }

    bool takeOutOfPlainText(View chunk)
    {
        const qsizetype at =
            m_plainText.indexOf(QByteArrayView(chunk.data(), qsizetype(chunk.size())));
        if (at < 0)
            return false;
        m_plainText.remove(at, qsizetype(chunk.size()));
        m_tookAny = true;
        return true;
    }

    static constexpr size_t kGone = npos;

    View m_text;
    Layout m_layout;
    std::vector<size_t> m_begin, m_end, m_alive;
    std::vector<int> m_type, m_next, m_prev, m_sameLine;
    int m_first = -1;
    std::unordered_map<View, int> m_firstLine;
    std::vector<int> m_lineless[2];
    std::unordered_map<std::string, bool> m_startFound;
    bool m_tookAny = false;
    bool m_plain = false;
    QByteArray m_plainText;
};

CompareResult cancelled()
{
    return {CompareResult::Outcome::Cancelled, {}};
}

} // namespace

CompareResult compareMachineLists(View newList, View oldList, CompareMonitor& monitor)
{
    monitor.setStatus(QStringLiteral("Loading lists and determining count, please stand by..."));
    const std::optional<Layout> newLayout = listLayout(newList);
    if (!newLayout)
        return {CompareResult::Outcome::NewListUnusable, {}};
    const std::optional<Layout> oldLayout = listLayout(oldList);
    if (!oldLayout)
        return {CompareResult::Outcome::OldListUnusable, {}};
    Elements newElements, oldElements;
    if (!scanElements(newList, *newLayout, monitor, newElements))
        return cancelled();
    monitor.setStatus(QString());
    monitor.start(newElements.count);

    monitor.setStatus(QStringLiteral("Stripping header info..."));
    if (!scanElements(oldList, *oldLayout, monitor, oldElements))
        return cancelled();
    PreviousContents old(oldList, *oldLayout, oldElements);
    if (!old.index(monitor))
        return cancelled();

    ListedGames listed;
    ChunkCutter newChunks(newList, newLayout->header, newElements);
    View chunk;
    int value = 0;
    while (newChunks.next(chunk)) {
        if (monitor.letEventsRun())
            return cancelled();
        if (!old.takeOut(chunk))
            listed.append(nameAndDescription(chunk));
        monitor.advance(++value);
    }

    // What is left of the previous list: removed games and the old form of changed ones. The
    // user can no longer cancel here.
    const QByteArray rest = old.remaining();
    if (!rest.isEmpty()) {
        const View restText(rest.constData(), size_t(rest.size()));
        Elements restElements;
        Layout restLayout = *oldLayout;
        restLayout.header = 0;
        CompareMonitor quiet;
        scanElements(restText, restLayout, quiet, restElements);
        ChunkCutter oldChunks(restText, 0, restElements);
        while (oldChunks.next(chunk)) {
            monitor.letEventsRun();
            const Entry entry = nameAndDescription(chunk);
            if (!listed.contains(entry))
                listed.append(entry);
        }
    }
    if (listed.text().isEmpty())
        return {CompareResult::Outcome::Unchanged, {}};
    QByteArray report(kMachineChangesHeading);
    report.append("\r\n\r\n\r\nROM\tDescription\r\n\r\n");
    // The names and descriptions are compared as the lists hold them and shown as the user
    // reads them.
    report.append(decodeXmlBytes(listed.text()));
    return {CompareResult::Outcome::Changed, report};
}

} // namespace velmora
