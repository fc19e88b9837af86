// Debian's real MAME 0.251 judges the ROM sets and Velmora keeps its verdicts: Verify All ROMs
// and Game Audit record them in reports/romstatus.txt, a new start reads them back into the Roms
// column, and hiding games with bad ROMs leaves only the set MAME can run.
#include "emulator_settings/MameIni.h"
#include "lists/GameListModel.h"
#include "lists/ListFixtures.h"
#include "lists/RomStateFilter.h"
#include "platform/Seams.h"
#include "support/RealMame.h"
#include "support/ScriptedMessageBox.h"
#include "support/ZipArchive.h"
#include "ui/LaunchController.h"

#include <QMainWindow>
#include <QTest>
#include <QTextEdit>

using namespace velmora;
using namespace velmora::testing;

class TestRomStatesRealMame : public QObject
{
    Q_OBJECT
private slots:
    void auditsRecordMamesVerdictsForTheLists()
    {
        TempProgram tp(QStringLiteral("velmora romstates"));
        USE_REAL_MAME(tp);
        AppState state;
        state.paths = tp.paths();
        state.prefs = tp.standardPreferences();
        state.prefs.setFolder(DataFolder::Ini, qEnvironmentVariable("HOME") + "/.mame");
        tp.makeFolder(QStringLiteral("home/.mame"));
        const QString roms = state.prefs.folder(DataFolder::ROMs) + u'/';
        // pong needs no ROM files; puckman's first two have 100 bytes instead of 2048; an empty
        // mspacman.zip gives MAME nothing to name; galaga has no archive.
        QVERIFY(writeFile(roms + "pong.zip", kEmptyZip));
        QVERIFY(writeFile(roms + "mspacman.zip", kEmptyZip));
        QVERIFY(
            writeFile(roms + "puckman.zip", zipArchive({{"pm1_prg1.6e", QByteArray(100, 'x')},
                                                        {"pm1_prg2.6k", QByteArray(100, 'y')}})));
        QVERIFY(CreateMAMEIni(state.prefs));

        RomStatus status = RomStatus::under(state.paths);
        state.romStatus = &status;
        QMainWindow window;
        auto* txtVerify = new QTextEdit(&window);
        txtVerify->setObjectName(QStringLiteral("txtVerify"));
        SelectedGame selected{QStringLiteral("galaga"), {}, {}, ListKind::Uninstalled};
        int changes = 0;
        LaunchWindowHooks hooks;
        hooks.selectedGame = [&] { return selected; };
        hooks.romStatesChanged = [&] { ++changes; };
        LaunchController controller(window, state, hooks,
                                    launchServicesFor(state.prefs, state.paths));

        ScriptedMessageBox box;
        box.expect(QStringLiteral("This could take a long time.  Do you want to continue?"),
                   platform::MessageAnswer::Yes);
        controller.mnuReportsVerifyRoms_Click();
        QVERIFY2(txtVerify->toPlainText().contains("romset puckman is bad"),
                 qPrintable(txtVerify->toPlainText().left(300)));
        controller.returnToGameList();
        controller.cmdVerify_Click();
        QVERIFY(txtVerify->toPlainText().contains("romset \"galaga\" not found!"));
        QCOMPARE(changes, 2);

        const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
        const QByteArray file = TempProgram::readFile(state.paths.report(kRomStatusFile));
        for (const char* line : {"pong\tbest available\t", "puckman\tbad\t", "galaga\tnot found\t",
                                 "mspacman\tnot found\t"})
            QVERIFY2(("\n" + file).contains(QByteArray("\n") + line + today + "\r\n"),
                     file.left(400));

        // A new start reads the states back for the lists.
        const RomStatus restarted = RomStatus::under(state.paths);
        auto table = std::make_shared<GameTable>();
        for (const char* rom : {"pong", "puckman", "galaga", "pacman"})
            table->add(ListedGame{game(rom, rom), {}, {}});
        GameListModel model;
        model.setGames(table, {0, 1, 2, 3});
        model.setRomStatus(&restarted);
        QStringList shown;
        for (int row = 0; row < model.count(); ++row)
            shown << model.text(row, GameListModel::Roms);
        QCOMPARE(shown, QStringList({"best available", "bad", "not found", ""}));
        QCOMPARE(withoutBadRoms(*table, {0, 1, 2, 3}, restarted), std::vector<int>({0, 3}));
        QCOMPARE(romStateNote(restarted.entry("puckman")),
                 "ROMs bad, " + QString::fromLatin1(today));
    }
};

QTEST_MAIN(TestRomStatesRealMame)
#include "test_romstates_realmame.moc"
