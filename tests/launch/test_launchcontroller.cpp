#include "ui/LaunchController.h"

#include "app/IniFile.h"
#include "emulator_settings/MameIni.h"
#include "launch/LaunchServices.h"
#include "platform/Seams.h"
#include "platform/qt/DocumentPrinter.h"
#include "support/FakeMame.h"
#include "support/NamedWidget.h"
#include "support/PdfPrinter.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using namespace velmora;
using namespace velmora::testing;
using velmora::platform::MessageAnswer;

namespace {

const QString kAsk = QStringLiteral("This could take a long time.  Do you want to continue?");

// The controls of the main window that the launch and the reports use, by their names.
class FakeMainWindow : public QMainWindow
{
public:
    FakeMainWindow()
    {
        new QVBoxLayout(central);
        panels->addWidget(fraList);
        panels->addWidget(fraVerify);
        new QVBoxLayout(fraVerify);
        cmdFind->setText("&Mame.Ini");
        for (int i = 0; i < 2; ++i) {
            tmr[i] = new QTimer(this);
            tmr[i]->setObjectName(QString("Tmr[%1]").arg(i));
        }
        setCentralWidget(central);
    }

    QWidget* central = new QWidget(this);
    QStackedWidget* panels = addNamed<QStackedWidget>(central, "panels");
    QGroupBox* fraList = addNamed<QGroupBox>(panels, "fraList");
    QGroupBox* fraVerify = addNamed<QGroupBox>(panels, "fraVerify");
    QTextEdit* txtVerify = addNamed<QTextEdit>(fraVerify, "txtVerify");
    QPushButton* cmdGameList = addNamed<QPushButton>(fraVerify, "cmdGameList");
    QPushButton* cmdFind = addNamed<QPushButton>(central, "cmdFind");
    QPushButton* cmdExit = addNamed<QPushButton>(central, "cmdExit");
    QCheckBox* chkRecord = addNamed<QCheckBox>(central, "chkRecord");
    QCheckBox* chkPlayback = addNamed<QCheckBox>(central, "chkPlayback");
    QCheckBox* chkAutoRun = addNamed<QCheckBox>(central, "chkAutoRun");
    QLabel* iconScreen = addNamed<QLabel>(central, "IconScreen");
    QTimer* tmr[2];
};

// A controller over the fake window, with the real command runner and a fake mame.
struct ControllerRig
{
    TempProgram tp;
    AppState state;
    FakeMainWindow window;
    FakeMame mame{tp.mameFolder()};
    SelectedGame selected{QStringLiteral("pong"), {}, QStringLiteral("Raster"), ListKind::All};
    QStringList calls;
    QMap<int, QString> status{{1, QStringLiteral("Total Games: 3")},
                              {6, QStringLiteral("Default Settings")}};
    QString settingsType;
    QStringList installedRows;
    QString otherCommands;
    bool visibleWhileMameRan = true;
    std::unique_ptr<LaunchController> controller;

    ControllerRig()
    {
        state.paths = tp.paths();
        state.prefs = tp.standardPreferences();
        state.prefs.setFolder(DataFolder::Input, tp.root() + QStringLiteral("/inp"));
        tp.writeOptionsIni(state.prefs);
        addRom("pong");
        CreateMAMEIni(state.prefs);
        controller = std::make_unique<LaunchController>(window, state, hooks(), services());
        window.show();
    }

    void addRom(const char* rom)
    {
        TempProgram::writeFile(state.prefs.folder(DataFolder::ROMs) + u'/' + rom + ".zip", "");
    }

    LaunchWindowHooks hooks()
    {
        const auto note = [this](const char* call) { return [this, call] { calls << call; }; };
        LaunchWindowHooks h;
        h.selectedGame = [this] { return selected; };
        h.getSelectedIndex = note("getSelectedIndex");
        h.loadShot = note("loadShot");
        h.disableFormButtons = note("disableFormButtons");
        h.hideGameArt = [this] { window.iconScreen->hide(); };
        h.statusText = [this](int panel) { return status.value(panel); };
        h.setStatusText = [this](int panel, const QString& text) { status[panel] = text; };
        h.takeSelectedUninstalledRow = [this] {
            return installedRows << QStringLiteral("kept ") + selected.rom, std::optional<int>(41);
        };
        h.addNewRomToInstalled = [this] { installedRows << QStringLiteral("added"); };
        h.setSettingsType = [this](const QString& type) { settingsType = type; };
        return h;
    }

    LaunchServices services()
    {
        LaunchServices s = launchServicesFor(state.prefs, state.paths.settingsFolder());
        s.settingsFileFor = [](const QString&, const QString&) { return QString("raster.cfg"); };
        s.buildIni = [this](const QString&, const QString&, RecordPlayback) {
            return std::optional<QString>(otherCommands);
        };
        s.play = [this, play = s.play](const QString& command, WindowStyle style) {
            visibleWhileMameRan = window.isVisible();
            return play(command, style);
        };
        return s;
    }

    QString text() const { return window.txtVerify->toPlainText(); }
    bool boldAt(int position) const
    {
        QTextCursor c(window.txtVerify->document());
        c.setPosition(position + 1);
        return c.charFormat().fontWeight() == QFont::Bold;
    }
    QString stored() const
    {
        return ReadIniValue(state.paths.optionsIni(), "Miscellaneous", "AutoRun", "");
    }
};

} // namespace

class TestLaunchController : public QObject
{
    Q_OBJECT
private slots:
    void playHidesTheWindowWhileMameRunsAndRestoresEverything()
    {
        ControllerRig rig;
        rig.otherCommands = QStringLiteral("-Seconds_To_Run  2 -Cfg_Directory '/tmp/My Cfg'");
        rig.window.tmr[0]->start(40);
        rig.window.chkPlayback->setChecked(true);
        QVERIFY(TempProgram::writeFile(rig.tp.root() + QStringLiteral("/inp/pong.inp"), "INP"));
        rig.controller->cmdPlay_Click();

        // The quoted path reaches mame as one word.
        QCOMPARE(rig.mame.arguments(),
                 QStringList({"pong", "-seconds_to_run", "2", "-cfg_directory", "/tmp/My Cfg"}));
        QVERIFY(!rig.visibleWhileMameRan);
        QVERIFY(rig.window.isVisible() && rig.window.tmr[0]->isActive());
        QVERIFY(!rig.window.chkPlayback->isChecked());
        QCOMPARE(rig.settingsType, QStringLiteral("Raster"));
        QCOMPARE(rig.calls, QStringList({"getSelectedIndex", "loadShot"}));

        // The mame.ini viewer takes the report panel until the game list comes back.
        ScriptedMessageBox box;
        box.allowAny(true);
        rig.controller->cmdFind_Click();
        QCOMPARE(rig.window.fraVerify->title(), QStringLiteral("Mame.Ini"));
        QVERIFY(rig.text().startsWith(QStringLiteral("#\n# PATH AND DIRECTORY OPTIONS #\n#\n")));
        QVERIFY(!rig.window.cmdFind->isEnabled() && !rig.window.fraList->isEnabled());
        rig.controller->returnToGameList();
        QCOMPARE(rig.window.cmdFind->text(), QStringLiteral("&Mame.Ini"));
    }

    // Record and Playback exclude each other; AutoRun is remembered, and at start-up it is
    // checked again and the game plays.
    void boxesAndAutoRun()
    {
        ControllerRig rig;
        rig.window.chkPlayback->setChecked(true);
        rig.window.chkRecord->setChecked(true);
        rig.controller->chkRecord_Click();
        QVERIFY(!rig.window.chkPlayback->isChecked());
        rig.window.chkPlayback->setChecked(true);
        rig.controller->chkPlayback_Click();
        QVERIFY(!rig.window.chkRecord->isChecked() && rig.window.chkPlayback->isChecked());

        rig.window.chkPlayback->setChecked(false);
        rig.window.chkAutoRun->setChecked(false);
        rig.controller->chkAutoRun_Click();
        QCOMPARE(rig.stored(), QString("False"));
        rig.state.startupInProgress = true;
        rig.controller->autoRunAtStartUp();
        QVERIFY(rig.window.chkAutoRun->isChecked());
        QCOMPARE(rig.stored(), QString("True"));
        QCOMPARE(rig.mame.calls(), QStringList({"pong"}));
    }

    void gameAuditBoldsItsHeadingsAndFindsANewRom()
    {
        ControllerRig rig;
        rig.selected = {
            QStringLiteral("pacman"), {}, QStringLiteral("Raster"), ListKind::Uninstalled};
        rig.addRom("pacman");
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-puckman.txt"));
        rig.controller->cmdVerify_Click();

        QCOMPARE(rig.window.fraVerify->title(), QStringLiteral("Game Audit"));
        QVERIFY(rig.text().startsWith(QStringLiteral("ROMs\n\nromset puckman is good\n")));
        QVERIFY(rig.boldAt(0) && !rig.boldAt(6));
        QVERIFY(rig.boldAt(int(rig.text().indexOf(QStringLiteral("Samples")))));
        QCOMPARE(rig.status.value(1), QStringLiteral("Total Games: 41"));
        QCOMPARE(rig.status.value(6), QStringLiteral("New ROM Found"));
        rig.controller->returnToGameList();
        rig.controller->returnToGameList();
        QCOMPARE(rig.installedRows, QStringList({"kept pacman", "added"}));

        // The bold headings stay with their report: the next one starts plain.
        ScriptedMessageBox box;
        box.expect(kAsk, MessageAnswer::Yes);
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-all.txt"));
        rig.controller->mnuReportsVerifyRoms_Click();
        QVERIFY(!rig.text().isEmpty() && !rig.boldAt(0));
    }

    void verifyAllRomsListsBadSetsAndPrints()
    {
        ScriptedMessageBox box;
        ControllerRig rig;
        rig.mame.answer(QStringLiteral("-verifyroms"), fixturePath("verifyroms-all.txt"));
        box.expect(kAsk, MessageAnswer::No);
        rig.controller->mnuReportsVerifyRoms_Click();
        QCOMPARE(rig.mame.callCount(), 0);

        box.expect(kAsk, MessageAnswer::Yes);
        rig.controller->mnuReportsVerifyRoms_Click();
        QCOMPARE(rig.window.fraVerify->title(), QStringLiteral("Verify All ROMs"));
        QVERIFY(rig.window.iconScreen->isHidden());
        QVERIFY(rig.text().startsWith(QStringLiteral("4 romsets found, 3 were OK.\n\n")));
        rig.controller->cmdFind_Click();
        QCOMPARE(rig.window.fraVerify->title(), QStringLiteral("List Bad Sets"));
        QCOMPARE(rig.text(), QStringLiteral("1 bad sets found.\n\nromset puckman is bad\n\n"
                                            "End of report.\n\n"));
        QCOMPARE(rig.window.cmdFind->text(), QStringLiteral("&Print"));

        PdfPrinter pdf(rig.tp.root() + QStringLiteral("/bad.pdf"));
        rig.controller->cmdFind_Click();
        QCOMPARE(pdf.lastMarginTwips(), 1000);
        QCOMPARE(pdf.pageCount(), 1);
        QVERIFY(box.allExpectedShown());
    }

    // The last report is shown as saved and prints over several pages; a missing printer or a
    // missing mame is told.
    void lastReportPrintsAndMissingPiecesAreTold()
    {
        ScriptedMessageBox box;
        ControllerRig rig;
        QString longText;
        for (int i = 0; i < 400; ++i)
            longText += QStringLiteral("romset set%1 is bad\n").arg(i);
        longText += QStringLiteral("400 romsets found, 0 were OK.\n"); // not moved up
        TempProgram::writeFile(rig.state.paths.report(QStringLiteral("roms.txt")),
                               longText.toUtf8());
        rig.controller->mnuReportsLastRom_Click();
        QCOMPARE(rig.window.fraVerify->title(), QStringLiteral("Last ROMs Report"));
        QCOMPARE(rig.text(), longText);
        QCOMPARE(rig.window.cmdFind->text(), QStringLiteral("&List Bad Sets"));
        PdfPrinter pdf(rig.tp.root() + QStringLiteral("/long.pdf"));
        rig.controller->printReport();
        QVERIFY(pdf.pageCount() > 2);

        box.expect(QStringLiteral("Unknown Printing Error."), MessageAnswer::Ok,
                   QStringLiteral("Velmora"));
        platform::Printer* pdfSeam = platform::seams().printer;
        platform::seams().printer = nullptr;
        rig.controller->printReport();
        platform::seams().printer = pdfSeam;

        QFile::remove(rig.tp.mameFolder() + QStringLiteral("/mame"));
        for (const char* title : {"Verify All Samples", "Game Audit"})
            box.expect(QStringLiteral("Cannot find mame!"), MessageAnswer::Ok, title);
        rig.controller->mnuReportsVerifySamples_Click();
        rig.controller->cmdVerify_Click();
        QVERIFY(box.allExpectedShown());
    }

    void aMameThatFailsLeavesTheWindowAndMameIniAsTheyWere()
    {
        ScriptedMessageBox box;
        ControllerRig rig;
        rig.mame.setSilentExit(139);
        // MAME's error status is told, though it printed nothing.
        box.expect(QStringLiteral("M.A.M.E. ended with error 139."), MessageAnswer::Ok,
                   QStringLiteral("Play Game"));
        rig.controller->cmdPlay_Click();
        QVERIFY(box.allExpectedShown() && rig.window.isVisible());
        QCOMPARE(TempProgram::readFile(mameIniPath(rig.state.prefs)),
                 mameIniPathLayer(rig.state.prefs));

        // An audit with no output: the headings alone, and no summary to move up.
        rig.controller->cmdVerify_Click();
        QCOMPARE(rig.text(), QStringLiteral("ROMs\n\n\n\nSamples\n\n"));
        box.expect(kAsk, MessageAnswer::Yes);
        rig.controller->mnuReportsVerifySamples_Click();
        QCOMPARE(rig.text(), QStringLiteral("No sets were found."));
    }
};

QTEST_MAIN(TestLaunchController)
#include "test_launchcontroller.moc"
