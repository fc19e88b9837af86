// Game Information's three lookups on small files written here in the community files' formats.
#include "info/GameInfo.h"
#include "support/TempProgram.h"

#include <QtTest>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

const QByteArray kHistory = "$info=mspacman,pacman,\r\n"
                            "$bio\r\n"
                            "\r\n"
                            "Ms. history line one\r\n"
                            "line two.\r\n"
                            "\r\n"
                            "Second paragraph.\r\n"
                            "$end\r\n"
                            "$info=puckman,pacman,\r\n"
                            "$bio\r\n"
                            "\r\n"
                            "Pac history.\r\n"
                            "$end\r\n"
                            "$info=digdug\r\n"
                            "$bio\r\n"
                            "\r\n"
                            "Never found: the name is not followed by a comma.\r\n"
                            "$end\r\n"
                            "$info=galaga,\r\n"
                            "$bio\r\n"
                            "\r\n"
                            "Last entry.\r\n"
                            "$end\r\n";

const QByteArray kMameinfo = "$info=galaga\n"
                             "$mame\n"
                             "Galaga notes\n"
                             "\n"
                             "More notes\n"
                             "$end\n"
                             "$info=puckman,pacman\n"
                             "$mame\n"
                             "Pac notes\n"
                             "$end\n"
                             "$info=digdug\n"
                             "$mame\n"
                             "Dig notes\n"
                             "$end\n";

const QByteArray kCheat = "galaga:0:1:0:Extra Ships\n"
                          "pacman:0:4e0c:0:Infinite Lives\n"
                          "pacman:0:4e0d:0:Invincibility\n"
                          "pacmanf:0:1:0:Other Game\n";

QString infoText(const QString& history, const QString& mameinfo, const QString& cheat)
{
    return QStringLiteral("History.Dat\r\n\r\n") + history +
           QStringLiteral("\r\nMameinfo.Dat\r\n\r\n") + mameinfo +
           QStringLiteral("\r\nCheat.Dat\r\n\r\n") + cheat;
}

const QString kNoHistory = QStringLiteral("There is no history for this game.\r\n\r\n\r\n");
const QString kNoMameinfo = QStringLiteral("There is no mameinfo for this game.\r\n\r\n");
const QString kNoCheats = QStringLiteral("There are no cheats for this game.");

} // namespace

class TestGameInfo : public QObject
{
    Q_OBJECT
private slots:
    void lookups_data();
    void lookups();
    void missingFiles();
    void entryCutOff_data();
    void entryCutOff();
};

void TestGameInfo::lookups_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("expected");
    // pacman is in the first history line only inside "mspacman", so the second entry is its own.
    QTest::newRow("name after a comma, inside a longer name first")
        << "pacman"
        << infoText("Pac history. \r\n", "Pac notes\r\n\r\n",
                    "Infinite Lives\r\nInvincibility\r\n");
    QTest::newRow("two paragraphs, no mameinfo, no cheats")
        << "mspacman"
        << infoText("Ms. history line one line two. \r\nSecond paragraph. \r\n", kNoMameinfo,
                    kNoCheats);
    QTest::newRow("last entries; mameinfo's doubled breaks made single")
        << "galaga"
        << infoText("Last entry. \r\n", "Galaga notes\r\nMore notes\r\n\r\n", "Extra Ships\r\n");
    QTest::newRow("name at the end of the line: mameinfo only")
        << "digdug" << infoText(kNoHistory, "Dig notes\r\n\r\n", kNoCheats);
    QTest::newRow("letter case counts") << "PACMAN" << infoText(kNoHistory, kNoMameinfo, kNoCheats);
}

void TestGameInfo::lookups()
{
    QFETCH(QString, rom);
    QFETCH(QString, expected);
    TempProgram tp;
    TempProgram::writeFile(tp.mameFolder() + "/history.dat", kHistory);
    TempProgram::writeFile(tp.mameFolder() + "/mameinfo.dat", kMameinfo);
    // Found whatever the letter case of the file's name.
    TempProgram::writeFile(tp.mameFolder() + "/Cheat.DAT", kCheat);
    int keptAlive = 0;
    const GameInformation info = gameInformation(tp.mameFolder(), rom, [&] { ++keptAlive; });
    QVERIFY(!info.failed);
    QCOMPARE(info.text, expected);
}

void TestGameInfo::missingFiles()
{
    TempProgram tp;
    const GameInformation info = gameInformation(tp.mameFolder(), QStringLiteral("pacman"));
    QCOMPARE(info.text,
             infoText("Cannot find history.dat file.  This file must be in your M.A.M.E. "
                      "directory.\r\n\r\n",
                      "Cannot find mameinfo.dat file.  This file must be in your M.A.M.E. "
                      "directory.\r\n\r\n",
                      "Cannot find cheat.dat file.  This file must be in your M.A.M.E. "
                      "directory."));
}

void TestGameInfo::entryCutOff_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("history before $bio") << "history.dat" << QByteArray("$info=pacman,\n");
    QTest::newRow("history before $end")
        << "history.dat" << QByteArray("$info=pacman,\n$bio\n\nText\n");
    QTest::newRow("mameinfo before $end")
        << "mameinfo.dat" << QByteArray("$info=pacman\n$mame\nText\n");
}

void TestGameInfo::entryCutOff()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    TempProgram tp;
    TempProgram::writeFile(tp.mameFolder() + '/' + file, content);
    const GameInformation info = gameInformation(tp.mameFolder(), QStringLiteral("pacman"));
    QVERIFY(info.failed);
    QCOMPARE(info.text, QStringLiteral("Error: 62\rInput past end of file"));
}

QTEST_GUILESS_MAIN(TestGameInfo)
#include "test_gameinfo.moc"
