// Debian's MAME behind a "mame" link in the MAME folder, run through the program's own command
// lines: the machine list, the checksum list and the usage report asked for side by side, -help
// names the version, and the game database built from the full machine list holds
// one record of 17 quoted fields per game and the records of a few well-known games.
#include "gamedb/ExecCmd.h"
#include "gamedb/GameDatabaseBuilder.h"
#include "gamedb/GameRecord.h"
#include "gamedb/ListFiles.h"
#include "gamedb/MameCommands.h"
#include "support/RealMame.h"
#include "support/TempProgram.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Counts the machines that are games on their own: runnable, not a BIOS, not a device. Counted
// straight from the list's <machine lines, apart from the builder.
int countGames(const QString& listXml)
{
    QFile list(listXml);
    if (!list.open(QIODevice::ReadOnly))
        return -1;
    int games = 0;
    while (!list.atEnd()) {
        const QByteArray line = list.readLine();
        if (line.startsWith("\t<machine ") && !line.contains(" runnable=\"no\"") &&
            !line.contains(" isbios=\"yes\"") && !line.contains(" isdevice=\"yes\""))
            ++games;
    }
    return games;
}

QByteArray recordOf(const QByteArray& gameInfo, const QByteArray& rom)
{
    for (const QByteArray& line : gameInfo.split('\n'))
        if (line.contains(rom) && GameRecord::fromLine(line)[GameRecord::Rom] == rom)
            return line.trimmed();
    return QByteArray();
}

} // namespace

class TestGameDbRealMame : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{"velmora real", "program folder", "mame folder"};
    QByteArray m_gameInfo;
    GameInfoResult m_result;

private slots:
    void initTestCase()
    {
        USE_REAL_MAME(m_tp);
        NullProgress progress;
        const MameListsResult lists = CreateMameLists(m_tp.paths(), m_tp.mameFolder(), progress);
        QVERIFY(lists.listsTaken());
        QCOMPARE(lists.usage, ListOutcome::Taken);
        m_result = CreateGameInfo(m_tp.paths(), progress);
        QVERIFY2(m_result.ok, qPrintable(m_result.error));
        m_gameInfo = TempProgram::readFile(m_tp.paths().report("gameinfo.txt"));
    }

    void helpNamesTheVersion()
    {
        const QString target = m_tp.paths().report("version.txt");
        QCOMPARE(ExecCmd(MameCommands::help(target), WindowStyle::Minimised, m_tp.mameFolder()),
                 ExecOutcome::Ran);
        const QByteArray help = TempProgram::readFile(target);
        const QRegularExpression version("^MAME v?0\\.\\d+ \\(",
                                         QRegularExpression::MultilineOption);
        QVERIFY2(version.match(QString::fromLatin1(help)).hasMatch(), help.left(200).constData());
    }

    // Asked with the lists: MAME's options with the values it takes, for the settings to read.
    void usageReportListsTheOptionsAndTheirValues()
    {
        const QByteArray usage = TempProgram::readFile(m_tp.paths().report("showusage.txt"));
        QVERIFY2(usage.startsWith("Usage:"), usage.left(200).constData());
        const QRegularExpression video("^-video +.*none, soft, accel, opengl",
                                       QRegularExpression::MultilineOption);
        QVERIFY(video.match(QString::fromUtf8(usage)).hasMatch());
        QVERIFY(usage.contains("\n-sound "));
    }

    void everyGameIsOneRecordOf17Fields()
    {
        QCOMPARE(m_result.layout, ListLayout::MachineElements);
        const int games = countGames(m_tp.paths().report("listxml.txt"));
        QVERIFY(games > 30000);
        QCOMPARE(m_result.games, games);
        QCOMPARE(int(m_gameInfo.count("\r\n")), games);
        const QRegularExpression record(QStringLiteral("^(\"[^\"]*\",){16}\"[^\"]*\"$"));
        for (const QByteArray& line : m_gameInfo.split('\n')) {
            if (line.isEmpty())
                continue;
            QVERIFY2(line.endsWith('\r'), line.constData());
            QVERIFY2(record.match(QString::fromUtf8(line.chopped(1))).hasMatch(), line.constData());
        }
    }

    void knownGames()
    {
        QCOMPARE(recordOf(m_gameInfo, "puckman"),
                 QByteArray("\"Puck Man (Japan set 1)\",\"1980\",\"Good\",\"Good\",\"Good\","
                            "\"Good\",\"\",\"Namco\",\"Raster\",\" 288x224\",\"Vertical\","
                            "\"60.606061\",\"Original\",\"puckman\",\"pacman/pacman.cpp\","
                            "\"N/A\",\"No\""));
        QCOMPARE(recordOf(m_gameInfo, "pacman"),
                 QByteArray("\"Pac-Man (Midway)\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\","
                            "\"\",\"Namco (Midway license)\",\"Raster\",\" 288x224\",\"Vertical\","
                            "\"60.606061\",\"Clone of puckman\",\"pacman\",\"pacman/pacman.cpp\","
                            "\"puckman\",\"No\""));
        QCOMPARE(recordOf(m_gameInfo, "asteroid"),
                 QByteArray("\"Asteroids (rev 4)\",\"1979\",\"Good\",\"Good\",\"Good\",\"Good\","
                            "\"\",\"Atari\",\"Vector\",\"N/A\",\"Horizontal\",\"61.523438\","
                            "\"Original\",\"asteroid\",\"atari/asteroid.cpp\",\"N/A\",\"No\""));
        QCOMPARE(recordOf(m_gameInfo, "pong"),
                 QByteArray("\"Pong (Rev E) [TTL]\",\"1972\",\"Good\",\"Good\",\"Good\",\"Good\","
                            "\"\",\"Atari\",\"Raster\",\" 454x262\",\"Horizontal\",\"60.179204\","
                            "\"Original\",\"pong\",\"atari/pong.cpp\",\"N/A\",\"No\""));
        // BIOS sets and devices are resources, not games.
        QVERIFY(recordOf(m_gameInfo, "neogeo").isEmpty());
        QVERIFY(recordOf(m_gameInfo, "z80").isEmpty());
        const QByteArray resource = TempProgram::readFile(m_tp.paths().report("resource.txt"));
        QVERIFY(resource.contains("\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" "
                                  "isbios=\"yes\">\r\n"));
        QVERIFY(resource.contains("\t\t<biosset name=\"euro\""));
    }
};

QTEST_GUILESS_MAIN(TestGameDbRealMame)
#include "test_gamedb_realmame.moc"
