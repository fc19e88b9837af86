#pragma once
// How often, how long and when each game was played: settings/playstats.ini, one section per ROM
// set,
//
//     [pong]
//     PlayCount=2
//     PlayTime=125
//     LastPlayed=2026-12-06T17:04:00
//
// (seconds; local time). It is loaded once at start-up and looked up by ROM set; each game that
// ends adds its play and the whole file is written again at once, so a program killed during a
// game loses that game's play only. A damaged file is read as far as it makes sense (what cannot
// be read counts as never played) and the next write puts it right.
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

namespace velmora {

// The file's name in the settings folder.
inline const QString kPlayHistoryFile = QStringLiteral("playstats.ini");

struct PlayRecord
{
    int count = 0;
    qint64 seconds = 0;
    // Start of the last play as the number yyyyMMddHHmmss of local time, so that numbers sort as
    // the times do; 0 when unknown.
    qint64 lastPlayed = 0;

    bool played() const { return count > 0; }
    QDateTime lastPlayedTime() const;
    static qint64 stamp(const QDateTime& localTime);
};

class PlayHistory
{
public:
    // A missing or unreadable file is an empty history.
    static PlayHistory fromFile(const QString& path);
    static PlayHistory fromText(const QByteArray& text);
    // The file's text: sections in ROM-set order, CR LF line ends.
    QByteArray toText() const;
    // Writes the whole file anew (the settings folder is made when missing). False with the
    // reason in *error; the file is then as it was.
    bool save(const QString& path, QString* error = nullptr) const;

    // The record of a ROM set; null for a game never played.
    const PlayRecord* find(const QByteArray& rom) const;
    PlayRecord record(const QString& rom) const;
    int playedCount() const { return int(m_records.size()); }
    // Every game played, by ROM set.
    const QHash<QByteArray, PlayRecord>& records() const { return m_records; }

    // One play more of `rom`, `seconds` long, begun at `started` (local time).
    void addPlay(const QString& rom, qint64 seconds, const QDateTime& started);
    // Forgets a game's plays; false when it had none.
    bool forget(const QString& rom);

private:
    QHash<QByteArray, PlayRecord> m_records;
};

} // namespace velmora
