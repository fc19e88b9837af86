// The favourites check after a MAME upgrade at today's scale: a database of 40,000 games and a
// list of 500 favourites (most unchanged, some differing only in letter case, some changed, some
// gone). Times checkFavoritesAgainstDatabase (best of 5, wall clock) against its target, and once
// the line-by-line scan that reads the database again for every favourite, whose answers it must
// give.
#include "changes/FavoritesList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace velmora;

namespace {

constexpr int kGames = 40000;
constexpr int kFavorites = 500;
constexpr int kRuns = 5;
constexpr double kTargetMs = 500;

GameRecord syntheticGame(int n)
{
    GameRecord r;
    r.resetToDefaults();
    r[GameRecord::Game] =
        "Game number " + QByteArray::number(n) + (n % 97 ? "" : " (Pok\xc3\xa9mon)");
    r[GameRecord::Year] = QByteArray::number(1975 + n % 40);
    r[GameRecord::Status] = "Good";
    r[GameRecord::Manufacturer] = "Maker " + QByteArray::number(n % 300);
    r[GameRecord::Type] = "Raster";
    r[GameRecord::Display] = " 224x288";
    r[GameRecord::Orientation] = "Vertical";
    r[GameRecord::Frequency] = "60.606061";
    r[GameRecord::Rom] = "g" + QByteArray::number(n);
    r[GameRecord::Source] = "maker/driver" + QByteArray::number(n % 900) + ".cpp";
    return r;
}

// Every 80th favourite has a changed year, every 50th is a game that no longer exists and every
// 20th is written in capitals; the rest are the database's lines.
QByteArray favoritesText()
{
    QByteArray out;
    for (int i = 0; i < kFavorites; ++i) {
        GameRecord r = syntheticGame(i * (kGames / kFavorites) + 7);
        if (i % 80 == 0)
            r[GameRecord::Year] = "2099";
        if (i % 50 == 0)
            r[GameRecord::Rom] = "gone";
        QByteArray line = r.toLine();
        if (i % 20 == 0)
            line = line.toUpper();
        out += line + "\r\n";
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QByteArray> lines(const QByteArray& text)
{
    QList<QByteArray> out;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

// The scan as first described: for each favourite, the database from its start until a line
// equal to it, letter case aside.
QList<QByteArray> droppedByScan(const QString& database, const QByteArray& favorites)
{
    QList<QByteArray> dropped;
    for (const QByteArray& favorite : lines(favorites)) {
        QFile file(database);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString wanted = QString::fromUtf8(favorite).toCaseFolded();
        bool found = false;
        while (!found && !file.atEnd()) {
            QByteArray line = file.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            found = QString::fromUtf8(line).toCaseFolded() == wanted;
        }
        if (!found)
            dropped << favoriteIdentity(favorite);
    }
    return dropped;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const FavoritesFiles files = FavoritesFiles::under(ProgramPaths{dir.path()});
    QDir().mkpath(dir.path() + QStringLiteral("/reports"));
    QByteArray database;
    for (int n = 0; n < kGames; ++n)
        syntheticGame(n).appendLine(database);
    const QByteArray favorites = favoritesText();
    if (!writeFile(files.database, database))
        return 1;

    double best = 1e9;
    FavoritesCheck check;
    for (int run = 0; run < kRuns; ++run) {
        QFile::remove(files.changes);
        if (!writeFile(files.list, favorites))
            return 1;
        QElapsedTimer timer;
        timer.start();
        check = checkFavoritesAgainstDatabase(files);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("favourites check, %d favourites against %d games: %.1f ms (target %.0f ms) %s\n",
                kFavorites, kGames, best, kTargetMs, best <= kTargetMs ? "OK" : "SLOW");

    QElapsedTimer timer;
    timer.start();
    const QList<QByteArray> scanned = droppedByScan(files.database, favorites);
    std::printf("line-by-line scan of the database per favourite: %.1f ms\n",
                timer.nsecsElapsed() / 1e6);
    const bool same = scanned == check.dropped;
    std::printf("dropped: %lld, same answers as the scan: %s\n", qlonglong(check.dropped.size()),
                same ? "yes" : "NO");
    return same ? 0 : 1;
}
