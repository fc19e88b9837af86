#pragma once
// What the audits found for each ROM set, kept between runs: Game Audit, Verify All ROMs and a
// launch MAME refuses for missing or wrong files each record MAME's verdict for the sets they
// name, in reports/romstatus.txt, one CR LF line per set:
//
//     <romset> TAB <state> TAB <yyyy-mm-dd>
//
// with the state in the words of MAME's -verifyroms ("good", "best available", "bad",
// "not found"). A set never audited has no line. A damaged line is skipped, never fatal.
//
// A new MAME may need new files, so on an upgrade the states are moved to
// reports/oldromstatus.txt (same form): they still show, marked as from an older MAME, until an
// audit under the new MAME records the set again.
#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

namespace velmora {

enum class RomState : quint8
{
    Unknown, // never audited
    Good,
    BestAvailable,
    Bad,
    NotFound
};

// "good", "best available", "bad", "not found"; empty for Unknown.
const QByteArray& romStateWord(RomState state);
RomState romStateFromWord(QByteArrayView word);
// The states "Hide Games With Bad ROMs" hides: MAME cannot run the set as it is.
inline bool isBadRomState(RomState state)
{
    return state == RomState::Bad || state == RomState::NotFound;
}

// One set MAME answered for.
struct RomVerdict
{
    QByteArray romset;
    RomState state = RomState::Unknown;
};

// The verdict of one line of -verifyroms output ("romset pong is best available",
// "romset pacman [puckman] is bad", "romset \"galaga\" not found!"); Unknown for any other line.
RomVerdict verdictOfLine(QByteArrayView line);

// Every verdict of a -verifyroms output, in order (line ends LF or CR LF).
std::vector<RomVerdict> romVerdicts(QByteArrayView output);

// A launch refused for missing or wrong files ("Required files are missing, the machine cannot
// be run."): MAME found the archive but not a set it can run, which its audit calls bad.
bool launchRefusedForFiles(QByteArrayView mameOutput);

inline const QString kRomStatusFile = QStringLiteral("romstatus.txt");
inline const QString kOldRomStatusFile = QStringLiteral("oldromstatus.txt");

class RomStatus
{
public:
    struct Entry
    {
        RomState state = RomState::Unknown;
        QDate date;
        bool olderMame = false; // recorded under the MAME before the last upgrade
    };

    // States in memory only, with no files behind them: save() writes nothing.
    RomStatus() = default;
    // Reads romstatus.txt and oldromstatus.txt of `reportsFolder`; missing files are empty.
    explicit RomStatus(const QString& reportsFolder);
    static RomStatus under(const ProgramPaths& paths) { return RomStatus(paths.reportsFolder()); }

    Entry entry(QByteArrayView romset) const;
    RomState state(QByteArrayView romset) const { return entry(romset).state; }
    int size() const { return int(m_current.size()); }

    // Records one verdict under today's MAME (kept in memory until save()).
    void record(const QByteArray& romset, RomState state, QDate date);
    void record(const std::vector<RomVerdict>& verdicts, QDate date);
    // Verify All ROMs: MAME names only the sets it finds, so each of `installed` it did not name
    // is recorded as not found. Returns the number so recorded.
    int recordUnnamedAsNotFound(const QSet<QByteArray>& installed,
                                const std::vector<RomVerdict>& named, QDate date);

    // Writes romstatus.txt whole (sorted by set), replacing the old file in one step. False with
    // the reason in *error; the file on disk is then as it was.
    bool save(QString* error = nullptr) const;

    // After a MAME upgrade: today's states join the older ones (oldromstatus.txt) and
    // romstatus.txt starts empty. False when a file could not be written.
    bool keepAsOlderMame(QString* error = nullptr);

    // The bytes of a status file with these entries, and the entries of such bytes.
    static QByteArray toText(const QHash<QByteArray, Entry>& entries);
    static QHash<QByteArray, Entry> fromText(QByteArrayView text);

private:
    QString m_folder;
    QHash<QByteArray, Entry> m_current;
    QHash<QByteArray, Entry> m_older;
};

} // namespace velmora
