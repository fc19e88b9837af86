#include "changes/FavoritesList.h"

#include "gamedb/ReplacedFile.h"
#include "lists/GameFieldReader.h"
#include "lists/GameTable.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace velmora {
namespace {

const QByteArray kSeparator = QByteArrayLiteral("\",\"");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The non-empty lines of a text file without their line ends (LF or CR LF).
QList<QByteArray> splitLines(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = text.indexOf('\n', begin);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > begin && text[stop - 1] == '\r')
            --stop;
        if (stop > begin)
            lines.append(text.mid(begin, stop - begin));
        begin = end + 1;
    }
    return lines;
}

bool readWhole(const QString& path, QByteArray* text, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    *text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

// The favourites as they stand; no file is an empty list.
bool readList(const FavoritesFiles& files, QList<QByteArray>* lines, QString* error)
{
    lines->clear();
    if (!QFile::exists(files.list))
        return true;
    QByteArray text;
    if (!readWhole(files.list, &text, error))
        return false;
    *lines = splitLines(text);
    return true;
}

// Writes the next version of the list to newfav.txt and renames it over favorite.txt. On any
// failure newfav.txt is removed and favorite.txt is left as it was.
bool writeList(const FavoritesFiles& files, const QList<QByteArray>& lines, QString* error)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + kLineEnd;
    if (!writeFileReplacing(files.next, text, error)) {
        *error = notSavedMessage(files.list, *error);
        return false;
    }
    const auto rename = files.rename ? files.rename : renameOver;
    if (!rename(files.next, files.list)) {
        *error = QStringLiteral("%1 could not take the place of %2.").arg(files.next, files.list);
        QFile::remove(files.next);
        return false;
    }
    return true;
}

// A line as it compares without regard to case: its case-folded text as UTF-8. The files hold
// UTF-8 (today's MAME) or Latin-1. Most lines are plain ASCII, whose folding is lowering A to Z.
QByteArray foldedLine(const QByteArray& line, bool utf8)
{
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0x80) == 0;
    });
    if (ascii)
        return line.toLower();
    return (utf8 ? QString::fromUtf8(line) : QString::fromLatin1(line)).toCaseFolded().toUtf8();
}

QSet<QByteArray> foldedLines(const QByteArray& text)
{
    const bool utf8 = QByteArrayView(text).isValidUtf8();
    const QList<QByteArray> lines = splitLines(text);
    QSet<QByteArray> set;
    set.reserve(lines.size());
    for (const QByteArray& line : lines)
        set.insert(foldedLine(line, utf8));
    return set;
}

} // namespace

FavoritesFiles FavoritesFiles::under(const ProgramPaths& paths)
{
    return FavoritesFiles{paths.report(QStringLiteral("favorite.txt")),
                          paths.report(QStringLiteral("newfav.txt")),
                          paths.report(QStringLiteral("changes.txt")),
                          paths.report(QStringLiteral("gameinfo.txt")), renameOver};
}

QByteArray favoriteIdentity(QByteArrayView line)
{
    const qsizetype start = line.startsWith('"') ? 1 : 0;
    const qsizetype separator = line.indexOf(QByteArrayView(kSeparator), start);
    if (separator >= 0)
        return line.sliced(start, separator - start).toByteArray();
    QByteArrayView rest = line.sliced(start);
    if (rest.endsWith('"'))
        rest.chop(1);
    return rest.toByteArray();
}

AddResult addFavorite(const FavoritesFiles& files, const GameRecord& game)
{
    AddResult result;
    QList<QByteArray> lines;
    if (!readList(files, &lines, &result.error))
        return result;
    for (const QByteArray& line : lines) {
        if (favoriteIdentity(line) == game[GameRecord::Game]) {
            result.outcome = AddOutcome::AlreadyOnList;
            return result;
        }
    }
    lines.append(game.toLine());
    if (writeList(files, lines, &result.error))
        result.outcome = AddOutcome::Added;
    return result;
}

RemoveResult removeFavorite(const FavoritesFiles& files, const QByteArray& description)
{
    RemoveResult result;
    QList<QByteArray> lines;
    if (!readList(files, &lines, &result.error))
        return result;
    lines.removeIf([&](const QByteArray& line) { return favoriteIdentity(line) == description; });
    result.ok = writeList(files, lines, &result.error);
    result.gamesLeft = result.ok ? int(lines.size()) : 0;
    return result;
}

FavoritesCheck checkFavoritesAgainstDatabase(const FavoritesFiles& files)
{
    FavoritesCheck check;
    if (!QFile::exists(files.list))
        return check;
    check.outcome = FavoritesCheck::Outcome::Failed;
    QByteArray listText;
    QByteArray databaseText;
    if (!readWhole(files.list, &listText, &check.error) ||
        !readWhole(files.database, &databaseText, &check.error))
        return check;

    const QSet<QByteArray> database = foldedLines(databaseText);
    const bool utf8 = QByteArrayView(listText).isValidUtf8();
    QList<QByteArray> kept;
    QList<QByteArray> dropped;
    for (const QByteArray& line : splitLines(listText)) {
        if (database.contains(foldedLine(line, utf8)))
            kept.append(line);
        else
            dropped.append(favoriteIdentity(line));
    }
    if (dropped.isEmpty() && kept.isEmpty()) {
        // A list without a single favourite (an empty file) goes, and the view with it.
        if (!QFile::remove(files.list)) {
            check.error = QStringLiteral("%1 could not be deleted.").arg(files.list);
            return check;
        }
        check.listEmptied = true;
        check.outcome = FavoritesCheck::Outcome::Checked;
        return check;
    }
    if (dropped.isEmpty()) {
        check.outcome = FavoritesCheck::Outcome::Checked;
        return check;
    }

    // changes.txt is written (not yet put in place) before the list changes, so a log that cannot
    // be written leaves everything as it was; it takes its place once the new list is in place.
    QByteArray log;
    if (QFile::exists(files.changes) && !readWhole(files.changes, &log, &check.error))
        return check;
    for (const QByteArray& description : dropped)
        log += description + kLineEnd;
    ReplacedFile changes(files.changes);
    if (!changes.open() || (changes.write(log), !changes.flush())) {
        check.error = notSavedMessage(files.changes, changes.errorString());
        return check;
    }
    bool replaced = true;
    if (kept.isEmpty()) {
        replaced = QFile::remove(files.list);
        if (!replaced)
            check.error = QStringLiteral("%1 could not be deleted.").arg(files.list);
        check.listEmptied = replaced;
    } else {
        replaced = writeList(files, kept, &check.error);
    }
    if (!replaced)
        return check; // the unfinished log goes with `changes`
    check.outcome = FavoritesCheck::Outcome::Checked;
    check.dropped = dropped;
    if (!changes.commit())
        check.error = notSavedMessage(files.changes, changes.errorString());
    return check;
}

std::vector<QByteArray> favoriteRomSets(const QString& favoriteFile)
{
    std::vector<QByteArray> sets;
    QFile file(favoriteFile);
    if (!file.open(QIODevice::ReadOnly))
        return sets;
    const QByteArray text = file.readAll();
    GameFieldReader reader(text);
    GameRecord record;
    while (reader.readRecord(&record) == GameFieldReader::Outcome::Record)
        sets.push_back(ownedBytes(record[GameRecord::Rom]));
    return sets;
}

} // namespace velmora
