#include "ui/LaunchController.h"

#include "emulator_settings/MameIni.h"
#include "launch/LaunchServices.h"
#include "lists/ListFixtures.h"
#include "platform/Seams.h"
#include "support/FakeMame.h"
#include "support/NamedWidget.h"
#include "support/PdfPrinter.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace velmora;
using namespace velmora::testing;
using velmora::platform::MessageAnswer;

namespace {

// A controller over a window of the controls it finds by name, with the program's own launch
// services and a fake mame.
struct ControllerRig
{
    TempProgram tp;
    AppState state;
    QMainWindow window;
    QWidget* fraList = addNamed<QWidget>(&window, "fraList");
    QGroupBox* fraVerify = addNamed<QGroupBox>(&window, "fraVerify");
    QTextEdit* txtVerify = addNamed<QTextEdit>(fraVerify, "txtVerify");
    QPushButton* cmdFind = addNamed<QPushButton>(&window, "cmdFind");
    QPushButton* cmdPlay = addNamed<QPushButton>(&window, "cmdPlay");
    QCheckBox* chkRecord = addNamed<QCheckBox>(&window, "chkRecord");
    QCheckBox* chkPlayback = addNamed<QCheckBox>(&window, "chkPlayback");
    QLabel* iconScreen = addNamed<QLabel>(&window, "IconScreen");
    QTimer* banner = new QTimer(&window);
    FakeMame mame{tp.mameFolder()};
    SelectedGame selected{QStringLiteral("pong"), {}, QStringLiteral("Raster"), ListKind::All};
    QStringList calls; // what the window was asked to do, in order
    QMap<int, QString> status;
    bool visibleWhileMameRan = true;
    RomStatus romStatus = RomStatus::under(tp.paths());
    std::unique_ptr<LaunchController> controller;

    ControllerRig()
    {
        state.paths = tp.paths();
        state.prefs = tp.standardPreferences();
        state.romStatus = &romStatus;
        state.prefs.setFolder(DataFolder::Input, tp.makeFolder(QStringLiteral("inp")));
        for (const char* rom : {"pong", "pacman"})
            TempProgram::writeFile(state.prefs.folder(DataFolder::ROMs) + u'/' + rom + ".zip", "");
        CreateMAMEIni(state.prefs);
        banner->setObjectName("Tmr[0]");
        LaunchWindowHooks h;
        h.selectedGame = [this] { return selected; };
        h.loadShot = [this] { calls << "loadShot"; };
        h.hideGameArt = [this] { iconScreen->hide(); };
        h.statusText = [this](int panel) { return status.value(panel); };
        h.setStatusText = [this](int panel, const QString& text) { status[panel] = text; };
        h.takeSelectedUninstalledRow = [this] { return calls << "take", std::optional<int>(41); };
        h.addNewRomToInstalled = [this] { calls << "added"; };
        h.setSettingsType = [this](const QString& type) { calls << type; };
        LaunchServices s = launchServicesFor(state.prefs, state.paths.settingsFolder());
        s.play = [this, play = s.play](const QString& command, WindowStyle style) {
            visibleWhileMameRan = window.isVisible();
            return play(command, style);
        };
        controller = std::make_unique<LaunchController>(window, state, h, s);
        window.show();
    }

    QString text() const { return txtVerify->toPlainText(); }
    bool boldAt(int position) const
    {
        QTextCursor c(txtVerify->document());
        c.setPosition(position + 1);
        return c.charFormat().fontWeight() == QFont::Bold;
    }
};

} // namespace

class TestLaunchController : public QObject
{
    Q_OBJECT
private slots:
    // Play hides the window while MAME runs; Record and Playback exclude each other; the
    // mame.ini viewer, Game Audit (bold headings, a game found in the ROM folder taken off the
    // Uninstalled list), Verify All ROMs and the last report take the report panel in turn;
    // Find lists the bad sets, then prints them over several pages; a missing printer is told.
    void playAndReports()
    {
        ScriptedMessageBox box;
        ControllerRig rig;
        rig.banner->start(40);
        rig.chkRecord->setChecked(true);
        rig.controller->cmdPlay_Click();
        QVERIFY(!rig.visibleWhileMameRan && rig.window.isVisible() && rig.banner->isActive());
        QVERIFY(!rig.chkRecord->isChecked());
        QCOMPARE(rig.calls, QStringList({"loadShot", "Raster"}));

        rig.chkRecord->setChecked(true), rig.chkPlayback->setChecked(true);
        rig.controller->chkPlayback_Click();
        QVERIFY(!rig.chkRecord->isChecked());
        rig.chkRecord->setChecked(true), rig.controller->chkRecord_Click();
        QVERIFY(!rig.chkPlayback->isChecked());

        box.allowAny(true); // the viewer's own notes are its tests' business
        rig.controller->cmdFind_Click();
        box.allowAny(false);
        QVERIFY(!rig.cmdFind->isEnabled() && !rig.fraList->isEnabled() &&
                rig.text().startsWith(QStringLiteral("#\n# PATH AND DIRECTORY OPTIONS #\n")));
        rig.controller->returnToGameList();

        rig.calls.clear();
        rig.selected = {
            QStringLiteral("pacman"), {}, QStringLiteral("Raster"), ListKind::Uninstalled};
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-puckman.txt"));
        bool playOnWhileAuditing = true; // no command starts while MAME audits
        QTimer::singleShot(0, [&] { playOnWhileAuditing = rig.cmdPlay->isEnabled(); });
        rig.controller->cmdVerify_Click();
        QVERIFY(!playOnWhileAuditing && rig.cmdPlay->isEnabled());
        QVERIFY(rig.text().startsWith(QStringLiteral("ROMs\n\nromset puckman is good\n")));
        QCOMPARE(rig.romStatus.state("puckman"), RomState::Good);
        QVERIFY(rig.boldAt(0) && !rig.boldAt(6));
        QCOMPARE(rig.status.value(1) + '/' + rig.status.value(6), "Total Games: 41/New ROM Found");
        rig.controller->returnToGameList();
        rig.controller->returnToGameList();
        QCOMPARE(rig.calls, QStringList({"take", "added"}));

        // The next report starts plain, with MAME's summary moved to the top.
        box.expect(QStringLiteral("This could take a long time.  Do you want to continue?"),
                   MessageAnswer::Yes);
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-all.txt"));
        rig.controller->mnuReportsVerifyRoms_Click();
        QVERIFY(rig.text().startsWith(QStringLiteral("4 romsets found, 3 were OK.\n\n")));
        QVERIFY(!rig.boldAt(0) && rig.iconScreen->isHidden());
        // Every set MAME named is recorded, and the installed sets it did not name as not found.
        QCOMPARE(RomStatus::under(rig.state.paths).state("puckman"), RomState::Bad);
        QCOMPARE(rig.romStatus.state("pacman"), RomState::Good);
        QCOMPARE(rig.romStatus.state("pong"), RomState::NotFound);

        // Cancel ends MAME at once; the sets it had not named keep their states.
        rig.mame.setDelay(30, QStringLiteral("-verifyroms"));
        box.expect(QStringLiteral("This could take a long time.  Do you want to continue?"),
                   MessageAnswer::Yes);
        QTimer::singleShot(500, [&] {
            rig.window.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        });
        QElapsedTimer cancelled;
        cancelled.start();
        rig.controller->mnuReportsVerifyRoms_Click();
        QVERIFY(cancelled.elapsed() < 10000);
        QCOMPARE(rig.romStatus.state("pong"), RomState::NotFound);
        rig.mame.setDelay(0, QStringLiteral("-verifyroms"));

        // Verify Favorite ROMs audits each favourite's set in turn and records the verdicts.
        TempProgram::writeFile(rig.state.paths.report("favorite.txt"),
                               database({game("pong", "Pong"), game("mspacman", "Ms. Pac-Man")}));
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-puckman.txt"));
        rig.mame.clearRecord();
        rig.controller->mnuReportsVerifyFavoriteRoms_Click();
        QCOMPARE(rig.mame.calls(), QStringList({"pong -verifyroms", "mspacman -verifyroms"}));
        QVERIFY(rig.text().startsWith("romset puckman is good\n1 romsets found"));
        QCOMPARE(RomStatus::under(rig.state.paths).state("puckman"), RomState::Good);

        // The last report is shown as saved, its summary left at the end.
        const QString saved = QStringLiteral("romset set0 is bad\n").repeated(400) +
                              QStringLiteral("400 romsets found, 0 were OK.\n");
        TempProgram::writeFile(rig.state.paths.report(QStringLiteral("roms.txt")), saved.toUtf8());
        rig.controller->mnuReportsLastRom_Click();
        QCOMPARE(rig.text(), saved);
        rig.controller->cmdFind_Click();
        QVERIFY(
            rig.text().startsWith(QStringLiteral("400 bad sets found.\n\nromset set0 is bad\n")));

        PdfPrinter pdf(rig.tp.root() + QStringLiteral("/bad.pdf"));
        rig.controller->cmdFind_Click();
        QVERIFY(pdf.lastMarginTwips() == 1000 && pdf.pageCount() > 2);

        box.expect(QStringLiteral("Unknown Printing Error."), MessageAnswer::Ok,
                   QStringLiteral("Velmora"));
        platform::seams().printer = nullptr; // the PDF printer puts the seam back at the end
        rig.controller->printReport();
        QVERIFY(box.allExpectedShown());
    }
};

QTEST_MAIN(TestLaunchController)
#include "test_launchcontroller.moc"
