#include "launch/RomStatus.h"

#include "gamedb/ReplacedFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace velmora {
namespace {

constexpr QByteArrayView kRomsetPrefix("romset ");
constexpr QByteArrayView kNotFoundEnd("\" not found!");
constexpr QByteArrayView kIs(" is ");
// A status line: set, state and date, separated by tabs.
constexpr char kSeparator = '\t';
// Dates are written yyyy-mm-dd. They are read and written by hand: QDate's own parsing of a
// format costs more than the rest of a line's work, and a file holds 40,000 of them.
constexpr qsizetype kDateLength = 10;

int digitsValue(QByteArrayView digits)
{
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

QDate parseDate(QByteArrayView text)
{
    if (text.size() != kDateLength || text[4] != '-' || text[7] != '-')
        return {};
    const int year = digitsValue(text.first(4));
    const int month = digitsValue(text.sliced(5, 2));
    const int day = digitsValue(text.sliced(8, 2));
    if (year < 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day); // invalid for a month or day out of range
}

void appendDate(QByteArray& out, QDate date)
{
    char text[kDateLength];
    const auto put = [&text](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            text[at + i] = char('0' + value % 10);
    };
    put(0, date.year(), 4);
    text[4] = '-';
    put(5, date.month(), 2);
    text[7] = '-';
    put(8, date.day(), 2);
    out.append(text, kDateLength);
}

QByteArrayView trimmedLineEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\n'))
        line.chop(1);
    return line;
}

// Calls `each` with every line of `text`, without its line end.
template <typename Each> void forEachLine(QByteArrayView text, Each each)
{
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size();
        each(trimmedLineEnd(text.sliced(from, end - from)));
        from = end + 1;
    }
}

bool isPlainSetName(QByteArrayView name)
{
    return !name.isEmpty() && !name.contains(kSeparator) && !name.contains(' ');
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

const QByteArray& romStateWord(RomState state)
{
    static const QByteArray words[] = {QByteArray(), QByteArrayLiteral("good"),
                                       QByteArrayLiteral("best available"),
                                       QByteArrayLiteral("bad"), QByteArrayLiteral("not found")};
    return words[int(state)];
}

RomState romStateFromWord(QByteArrayView word)
{
    for (RomState s : {RomState::Good, RomState::BestAvailable, RomState::Bad, RomState::NotFound})
        if (word == romStateWord(s))
            return s;
    return RomState::Unknown;
}

RomVerdict verdictOfLine(QByteArrayView line)
{
    line = trimmedLineEnd(line);
    if (!line.startsWith(kRomsetPrefix))
        return {};
    QByteArrayView rest = line.sliced(kRomsetPrefix.size());
    // romset "galaga" not found!
    if (rest.startsWith('"')) {
        if (!rest.endsWith(kNotFoundEnd))
            return {};
        const QByteArrayView name = rest.sliced(1, rest.size() - 1 - kNotFoundEnd.size());
        if (!isPlainSetName(name))
            return {};
        return {name.toByteArray(), RomState::NotFound};
    }
    // romset pacman [puckman] is bad
    const qsizetype blank = rest.indexOf(' ');
    if (blank <= 0)
        return {};
    const QByteArrayView name = rest.first(blank);
    const qsizetype is = rest.indexOf(kIs, blank);
    if (is < 0)
        return {};
    const RomState state = romStateFromWord(rest.sliced(is + kIs.size()));
    if (state == RomState::Unknown || state == RomState::NotFound)
        return {};
    return {name.toByteArray(), state};
}

std::vector<RomVerdict> romVerdicts(QByteArrayView output)
{
    std::vector<RomVerdict> verdicts;
    forEachLine(output, [&](QByteArrayView line) {
        // Most lines of a report name a file of a set, not the set.
        if (!line.startsWith(kRomsetPrefix))
            return;
        RomVerdict v = verdictOfLine(line);
        if (v.state != RomState::Unknown)
            verdicts.push_back(std::move(v));
    });
    return verdicts;
}

bool launchRefusedForFiles(QByteArrayView mameOutput)
{
    return mameOutput.contains(QByteArrayView("Required files are missing"));
}

RomStatus::RomStatus(const QString& reportsFolder) : m_folder(reportsFolder)
{
    m_current = fromText(readWhole(reportsFolder + u'/' + kRomStatusFile));
    m_older = fromText(readWhole(reportsFolder + u'/' + kOldRomStatusFile));
}

RomStatus::Entry RomStatus::entry(QByteArrayView romset) const
{
    const QByteArray key = QByteArray::fromRawData(romset.data(), romset.size());
    if (const auto it = m_current.constFind(key); it != m_current.cend())
        return *it;
    if (const auto it = m_older.constFind(key); it != m_older.cend()) {
        Entry older = *it;
        older.olderMame = true;
        return older;
    }
    return {};
}

void RomStatus::record(const QByteArray& romset, RomState state, QDate date)
{
    if (state == RomState::Unknown || !isPlainSetName(romset))
        return;
    m_current.insert(romset, Entry{state, date, false});
}

void RomStatus::record(const std::vector<RomVerdict>& verdicts, QDate date)
{
    for (const RomVerdict& v : verdicts)
        record(v.romset, v.state, date);
}

int RomStatus::recordUnnamedAsNotFound(const QSet<QByteArray>& installed,
                                       const std::vector<RomVerdict>& named, QDate date)
{
    QSet<QByteArray> answered;
    answered.reserve(qsizetype(named.size()));
    for (const RomVerdict& v : named)
        answered.insert(v.romset);
    int recorded = 0;
    for (const QByteArray& set : installed) {
        if (answered.contains(set))
            continue;
        record(set, RomState::NotFound, date);
        ++recorded;
    }
    return recorded;
}

QByteArray RomStatus::toText(const QHash<QByteArray, Entry>& entries)
{
    // Sorted by set name; most names differ in their first eight bytes, packed into a number so
    // that most comparisons need neither the names nor a loop.
    using Item = QHash<QByteArray, Entry>::const_iterator;
    struct Keyed
    {
        quint64 prefix;
        Item item;
    };
    std::vector<Keyed> items;
    items.reserve(size_t(entries.size()));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        quint64 prefix = 0;
        const QByteArray& key = it.key();
        for (qsizetype i = 0; i < 8; ++i)
            prefix = (prefix << 8) | (i < key.size() ? uchar(key[i]) : 0u);
        items.push_back({prefix, it});
    }
    std::sort(items.begin(), items.end(), [](const Keyed& a, const Keyed& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.item.key() < b.item.key();
    });
    QByteArray text;
    text.reserve(qsizetype(items.size()) * 32);
    for (const auto& [prefix, it] : items) {
        text += it.key();
        text += kSeparator;
        text += romStateWord(it->state);
        text += kSeparator;
        appendDate(text, it->date);
        text += "\r\n";
    }
    return text;
}

QHash<QByteArray, RomStatus::Entry> RomStatus::fromText(QByteArrayView text)
{
    QHash<QByteArray, Entry> entries;
    entries.reserve(text.count('\n') + 1);
    forEachLine(text, [&](QByteArrayView line) {
        const qsizetype first = line.indexOf(kSeparator);
        const qsizetype second = first < 0 ? -1 : line.indexOf(kSeparator, first + 1);
        if (second < 0)
            return;
        const QByteArrayView set = line.first(first);
        const RomState state = romStateFromWord(line.sliced(first + 1, second - first - 1));
        const QDate date = parseDate(line.sliced(second + 1));
        if (state == RomState::Unknown || !date.isValid() || !isPlainSetName(set))
            return;
        entries.insert(set.toByteArray(), Entry{state, date, false});
    });
    return entries;
}

bool RomStatus::save(QString* error) const
{
    if (m_folder.isEmpty())
        return true; // states kept in memory only: nothing to save
    QDir().mkpath(m_folder);
    return writeFileReplacing(m_folder + u'/' + kRomStatusFile, toText(m_current), error);
}

bool RomStatus::keepAsOlderMame(QString* error)
{
    if (m_current.isEmpty() || m_folder.isEmpty())
        return true;
    QHash<QByteArray, Entry> older = m_older;
    for (auto it = m_current.cbegin(); it != m_current.cend(); ++it)
        older.insert(it.key(), it.value());
    QDir().mkpath(m_folder);
    // The older states are saved first: a failure between the two writes leaves a state in both
    // files, never in neither.
    if (!writeFileReplacing(m_folder + u'/' + kOldRomStatusFile, toText(older), error) ||
        !writeFileReplacing(m_folder + u'/' + kRomStatusFile, QByteArray(), error))
        return false;
    m_older = std::move(older);
    m_current.clear();
    return true;
}

} // namespace velmora
