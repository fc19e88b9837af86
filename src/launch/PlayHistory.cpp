#include "launch/PlayHistory.h"

#include "gamedb/ReplacedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace velmora {
namespace {

constexpr QByteArrayView kCount = "PlayCount";
constexpr QByteArrayView kTime = "PlayTime";
constexpr QByteArrayView kLast = "LastPlayed";

// The digits of `text` from `at`, `n` of them, as a number; nothing when one is not a digit.
std::optional<int> digits(QByteArrayView text, qsizetype at, qsizetype n)
{
    int value = 0;
    for (qsizetype i = at; i < at + n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "yyyy-MM-ddTHH:mm:ss" (a blank for the T and no seconds are taken too) as yyyyMMddHHmmss;
// 0 for anything else, and for a date or a time that does not exist.
qint64 stampOf(QByteArrayView text)
{
    // Positions of the fields in yyyy-MM-ddTHH:mm:ss.
    constexpr qsizetype kMonth = 5, kDay = 8, kHour = 11, kMinute = 14, kSecond = 17;
    if ((text.size() != 16 && text.size() != 19) || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' ||
        (text.size() == 19 && text[16] != ':'))
        return 0;
    const auto year = digits(text, 0, 4), month = digits(text, kMonth, 2),
               day = digits(text, kDay, 2), hour = digits(text, kHour, 2),
               minute = digits(text, kMinute, 2);
    const auto second = text.size() == 19 ? digits(text, kSecond, 2) : std::optional<int>(0);
    if (!year || !month || !day || !hour || !minute || !second ||
        !QDate::isValid(*year, *month, *day) || !QTime::isValid(*hour, *minute, *second))
        return 0;
    return ((((qint64(*year) * 100 + *month) * 100 + *day) * 100 + *hour) * 100 + *minute) * 100 +
           *second;
}

// A count or a time: a whole number of at most 12 digits, not negative.
std::optional<qint64> amountOf(QByteArrayView text)
{
    bool ok = false;
    const qint64 value = text.size() <= 12 ? text.toLongLong(&ok) : -1;
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

void readValue(PlayRecord& record, QByteArrayView key, QByteArrayView value)
{
    if (key.compare(kCount, Qt::CaseInsensitive) == 0) {
        if (const auto count = amountOf(value); count && *count <= std::numeric_limits<int>::max())
            record.count = int(*count);
    } else if (key.compare(kTime, Qt::CaseInsensitive) == 0) {
        if (const auto seconds = amountOf(value))
            record.seconds = *seconds;
    } else if (key.compare(kLast, Qt::CaseInsensitive) == 0) {
        record.lastPlayed = stampOf(value);
    }
}

} // namespace

QDateTime PlayRecord::lastPlayedTime() const
{
    if (lastPlayed <= 0)
        return {};
    const qint64 day = lastPlayed / 1000000, time = lastPlayed % 1000000;
    return QDateTime(QDate(int(day / 10000), int(day / 100 % 100), int(day % 100)),
                     QTime(int(time / 10000), int(time / 100 % 100), int(time % 100)));
}

qint64 PlayRecord::stamp(const QDateTime& localTime)
{
    return stampOf(localTime.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1());
}

PlayHistory PlayHistory::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromText(file.readAll());
}

PlayHistory PlayHistory::fromText(const QByteArray& text)
{
    PlayHistory history;
    PlayRecord* current = nullptr;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = QByteArrayView(text).sliced(at, end - at).trimmed();
        at = end + 1;
        if (line.startsWith('[')) {
            // A header that is not whole (a cut line, a stray bracket) starts no section: the
            // keys under it belong to no game. (`current` stays valid: nothing is added to the
            // history before the next header.)
            const QByteArrayView name =
                line.endsWith(']') ? line.sliced(1).chopped(1).trimmed() : QByteArrayView();
            current = name.isEmpty() || name.contains('\0')
                          ? nullptr
                          : &history.m_records[name.toByteArray()];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (current && equals > 0)
            readValue(*current, line.first(equals).trimmed(), line.sliced(equals + 1).trimmed());
    }
    history.m_records.removeIf([](const auto& entry) { return !entry.value().played(); });
    return history;
}

QByteArray PlayHistory::toText() const
{
    std::vector<QByteArray> roms;
    roms.reserve(size_t(m_records.size()));
    for (auto it = m_records.cbegin(); it != m_records.cend(); ++it)
        roms.push_back(it.key());
    std::sort(roms.begin(), roms.end());
    QByteArray text;
    text.reserve(qsizetype(roms.size()) * 80);
    for (const QByteArray& rom : roms) {
        const PlayRecord& r = m_records[rom];
        text += '[' + rom + "]\r\n";
        text += kCount.toByteArray() + '=' + QByteArray::number(r.count) + "\r\n";
        text += kTime.toByteArray() + '=' + QByteArray::number(r.seconds) + "\r\n";
        if (r.lastPlayed > 0)
            text += kLast.toByteArray() + '=' +
                    r.lastPlayedTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() +
                    "\r\n";
        text += "\r\n";
    }
    return text;
}

bool PlayHistory::save(const QString& path, QString* error) const
{
    QDir().mkpath(QFileInfo(path).path());
    return writeFileReplacing(path, toText(), error);
}

const PlayRecord* PlayHistory::find(const QByteArray& rom) const
{
    const auto it = m_records.constFind(rom);
    return it == m_records.cend() ? nullptr : &*it;
}

PlayRecord PlayHistory::record(const QString& rom) const
{
    const PlayRecord* found = find(rom.toUtf8());
    return found ? *found : PlayRecord();
}

void PlayHistory::addPlay(const QString& rom, qint64 seconds, const QDateTime& started)
{
    PlayRecord& r = m_records[rom.toUtf8()];
    ++r.count;
    r.seconds += std::max<qint64>(0, seconds);
    r.lastPlayed = PlayRecord::stamp(started);
}

bool PlayHistory::forget(const QString& rom)
{
    return m_records.remove(rom.toUtf8());
}

} // namespace velmora
