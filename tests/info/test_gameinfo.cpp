// Game Information's three lookups on small files written here in the community files' formats.
#include "info/GameInfo.h"
#include "support/TempProgram.h"

#include <QtTest>

#include <sys/stat.h>

using namespace velmora;
using velmora::testing::TempProgram;

namespace {

// The files' texts with | for their line ends: CR LF in history.dat, LF in the others. In the
// first history line pacman is only inside "mspacman", so the second entry is its own; digdug's
// name is not followed by a comma there, so it is never found.
const QByteArray kHistory =
    QByteArray("$info=mspacman,pacman,|$bio||Ms. history line one|line two.||Second paragraph.|"
               "$end|$info=puckman,pacman,|$bio||Pac history.|$end|$info=digdug|$bio||Never "
               "found.|$end|$info=galaga,|$bio||Last entry.|$end|")
        .replace("|", "\r\n");
const QByteArray kMameinfo =
    QByteArray("$info=galaga|$mame|Galaga notes||More notes|$end|$info=puckman,pacman|$mame|Pac "
               "notes|$end|$info=digdug|$mame|Dig notes|$end|")
        .replace("|", "\n");
const QByteArray kCheat = "galaga:0:1:0:Extra Ships\npacman:0:4e0c:0:Infinite Lives\n"
                          "pacman:0:4e0d:0:Invincibility\npacmanf:0:1:0:Other Game\n";

QString infoText(const QString& history, const QString& mameinfo, const QString& cheat)
{
    return "History.Dat\r\n\r\n" + history + "\r\nMameinfo.Dat\r\n\r\n" + mameinfo +
           "\r\nCheat.Dat\r\n\r\n" + cheat;
}

const QString kNoHistory = "There is no history for this game.\r\n\r\n\r\n";
const QString kNoMameinfo = "There is no mameinfo for this game.\r\n\r\n";
const QString kNoCheats = "There are no cheats for this game.";

} // namespace

class TestGameInfo : public QObject
{
    Q_OBJECT
private slots:
    // Missing files are named in the text, and so are a FIFO, a folder or a link to nothing in
    // their place (never opened: a FIFO would hold the window for good); an entry cut off before
    // its end is an error.
    void lookups()
    {
        TempProgram tp;
        const QString mame = tp.mameFolder(), missing = "Cannot find %1.dat file.  This file must "
                                                        "be in your M.A.M.E. directory.";
        const QString none = infoText(missing.arg("history") + "\r\n\r\n",
                                      missing.arg("mameinfo") + "\r\n\r\n", missing.arg("cheat"));
        QCOMPARE(gameInformation(mame, "pacman").text, none);
        QVERIFY(::mkfifo(QFile::encodeName(mame + "/history.dat").constData(), 0600) == 0 &&
                QDir(mame).mkdir("mameinfo.dat") &&
                QFile::link(mame + "/gone", mame + "/cheat.dat"));
        QCOMPARE(gameInformation(mame, "pacman").text, none);
        QVERIFY(QFile::remove(mame + "/history.dat") && QDir(mame).rmdir("mameinfo.dat") &&
                QFile::remove(mame + "/cheat.dat"));
        TempProgram::writeFile(tp.mameFolder() + "/history.dat", kHistory);
        TempProgram::writeFile(tp.mameFolder() + "/mameinfo.dat", kMameinfo);
        // Found whatever the letter case of the file's name.
        TempProgram::writeFile(tp.mameFolder() + "/Cheat.DAT", kCheat);
        const std::pair<const char*, QString> lookups[] = {
            // The name after a comma, found inside a longer name first.
            {"pacman", infoText("Pac history. \r\n", "Pac notes\r\n\r\n",
                                "Infinite Lives\r\nInvincibility\r\n")},
            {"mspacman", infoText("Ms. history line one line two. \r\nSecond paragraph. \r\n",
                                  kNoMameinfo, kNoCheats)},
            // The last entries; mameinfo's doubled line breaks made single.
            {"galaga",
             infoText("Last entry. \r\n", "Galaga notes\r\nMore notes\r\n\r\n", "Extra Ships\r\n")},
            {"digdug", infoText(kNoHistory, "Dig notes\r\n\r\n", kNoCheats)},
            {"PACMAN", infoText(kNoHistory, kNoMameinfo, kNoCheats)}}; // letter case counts
        for (const auto& [rom, expected] : lookups) {
            const GameInformation info = gameInformation(tp.mameFolder(), rom);
            QCOMPARE(info.failed ? QString("failed") : info.text, expected);
        }
        const std::pair<const char*, QByteArray> cutOff[] = {
            {"history.dat", "$info=pacman,\n$bio\n\nText\n"},
            {"mameinfo.dat", "$info=pacman\n$mame\nText\n"}};
        for (const auto& [file, content] : cutOff) {
            TempProgram cut;
            TempProgram::writeFile(cut.mameFolder() + '/' + file, content);
            const GameInformation info = gameInformation(cut.mameFolder(), "pacman");
            QVERIFY2(info.failed && info.text == "Error: 62\rInput past end of file", content);
        }
    }
};

QTEST_GUILESS_MAIN(TestGameInfo)
#include "test_gameinfo.moc"
