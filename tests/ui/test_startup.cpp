// The load sequence and the orderly end: first run, the version and preferences-problem paths,
// the stored view state, and the new-MAME detection, against throw-away program folders.
#include "app/IniFile.h"
#include "support/ScriptedMessageBox.h"
#include "ui/BringForward.h"
#include "ui/MainWindow.h"
#include "ui/StartUp.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/SingleInstance.h"

using namespace velmora;
using velmora::testing::ScriptedMessageBox;

namespace {

const QString kProblem =
    QStringLiteral("Problem in options.ini file.  Velmora will now create a new one.");
const QString kRecreate =
    QStringLiteral("The options.ini file must be recreated with this version of Velmora.");

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// A program folder with a MAME folder holding an executable `mame` of the given size.
struct Folders
{
    QTemporaryDir dir;
    QString program() const { return dir.path() + QStringLiteral("/Velmora program"); }
    QString mame() const { return dir.path() + QStringLiteral("/mame folder"); }
    QString optionsIni() const { return program() + QStringLiteral("/settings/options.ini"); }

    explicit Folders(int mameSize = 100)
    {
        QDir().mkpath(program());
        writeFile(mame() + QStringLiteral("/mame"), QByteArray(mameSize, '#'));
        QFile(mame() + QStringLiteral("/mame")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    void writeOptions(const QString& version, const QByteArray& extra = {}) const
    {
        const QByteArray versionLine =
            version.isNull() ? QByteArray() : "VelmoraVersion=" + version.toUtf8() + "\r\n";
        QByteArray text = "[Miscellaneous]\r\n" + versionLine +
                          "MAMESize=100\r\n[Directories]\r\nMAME=" + mame().toUtf8() +
                          "\r\nIni=" + mame().toUtf8() + "\r\n" + extra;
        writeFile(optionsIni(), text);
    }

    // The game database holds one game, so the lists load.
    void writeDatabase() const
    {
        for (const char* name : {"listxml.txt", "crcinfo.txt", "resource.txt"})
            writeFile(program() + QStringLiteral("/reports/") + QLatin1String(name), "x\r\n");
        writeGameInfo();
    }

    void writeGameInfo() const
    {
        writeFile(program() + QStringLiteral("/reports/gameinfo.txt"),
                  "\"Pong (Rev E)\",\"1972\",\"Good\",\"Good\",\"Good\",\"Good\",\"\",\"Atari\","
                  "\"Raster\",\"Multiple\",\"Horizontal\",\"60\",\"Original\",\"pong\","
                  "\"atari/pong.cpp\",\"N/A\",\"No\"\r\n");
    }
};

struct Run
{
    AppState state;
    MainWindow window{state};
    StartUp startUp{state, window};
    int firstRuns = 0;
    int rebuilds = 0;
    int firstBuilds = 0;
    int ends = 0;
    bool acceptFirstRun = false;

    explicit Run(const Folders& folders)
    {
        state.paths.programFolder = folders.program();
        StartUp::Hooks& hooks = startUp.hooks();
        hooks.firstRunDialog = [this, &folders](Preferences& prefs) {
            ++firstRuns;
            if (!acceptFirstRun)
                return false;
            prefs.setFolder(DataFolder::MAME, folders.mame());
            writeDirectories(folders.optionsIni(), prefs);
            return true;
        };
        hooks.rebuildAfterChange = [this](ProgressSink&) {
            ++rebuilds;
            return true;
        };
        hooks.firstBuild = [this, &folders](ProgressSink&) {
            ++firstBuilds;
            folders.writeGameInfo();
        };
        hooks.endProcess = [this] { ++ends; };
    }
};

QString read(const QString& file, const char* section, const char* key)
{
    return ReadIniValue(file, QLatin1String(section), QLatin1String(key), QStringLiteral("<none>"));
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As in the program: closing the window takes the orderly-end path, not Qt's own quit.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void firstRunCancelledEndsWithoutViewState()
    {
        Folders folders;
        ScriptedMessageBox boxes;
        Run run(folders);
        QVERIFY(!run.startUp.runLoadSequence());
        QCOMPARE(run.firstRuns, 1);
        QVERIFY(run.state.startAborted);
        run.window.close();
        QCOMPARE(run.ends, 1);
        QCOMPARE(read(folders.optionsIni(), "View", "GameView"), QStringLiteral("<none>"));
        QCOMPARE(run.firstBuilds, 0);
    }

    void firstRunAcceptedBuildsDatabaseAndWritesVersion()
    {
        Folders folders;
        ScriptedMessageBox boxes;
        Run run(folders);
        run.acceptFirstRun = true;
        QVERIFY(run.startUp.runLoadSequence());
        QCOMPARE(run.firstBuilds, 1);
        QCOMPARE(read(folders.optionsIni(), "Miscellaneous", "VelmoraVersion"),
                 QStringLiteral("4.0.0"));
        QCOMPARE(read(folders.optionsIni(), "Miscellaneous", "MAMESize"), QStringLiteral("100"));
        QVERIFY(QFileInfo(folders.program() + QStringLiteral("/reports")).isDir());
        // A new user's lists are written in the system's window-text colour.
        QCOMPARE(run.state.prefs.fontColor, kSystemWindowText);

        // A fresh View section is written in its key order at the end.
        run.window.show();
        run.window.close();
        QFile f(folders.optionsIni());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        const QStringList keys = {
            "GameView=All Games",    "ScreenShots=False",  "Favorites=False",
            "WindowState=0",         "AllIndex=1",         "AllSortKey=0",
            "AllSortOrder=0",        "InstalledIndex=1",   "InstalledSortKey=0",
            "InstalledSortOrder=0",  "UninstalledIndex=1", "UninstalledSortKey=0",
            "UninstalledSortOrder=0"};
        qsizetype at = text.indexOf(QLatin1String("[View]"));
        QVERIFY(at >= 0);
        for (const QString& key : keys) {
            const qsizetype next = text.indexOf(key, at);
            QVERIFY2(next > at, qPrintable(key));
            at = next;
        }
    }

    void versionCheck_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("3.4.0 rejected") << "3.4.0" << kRecreate << false;
        QTest::newRow("missing counts as 0") << QString() << kRecreate << false;
        QTest::newRow("empty value") << "" << kProblem << false;
        QTest::newRow("3.4.1 accepted") << "3.4.1" << QString() << true;
        QTest::newRow("4.0.0 accepted") << "4.0.0" << QString() << true;
        QTest::newRow("non-numeric") << "4.x" << kProblem << false;
        QTest::newRow("beyond 16 bits") << "40000" << kProblem << false;
    }

    void versionCheck()
    {
        QFETCH(QString, version);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        Folders folders;
        folders.writeDatabase();
        folders.writeOptions(version);
        ScriptedMessageBox boxes;
        if (!message.isEmpty())
            boxes.expect(message);
        Run run(folders);
        QCOMPARE(run.startUp.runLoadSequence(), accepted);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(run.firstRuns, accepted ? 0 : 1);
        if (!accepted)
            QVERIFY(!QFile::exists(folders.optionsIni()));
    }

    void unreadableValueRecreatesTheFile()
    {
        Folders folders;
        folders.writeDatabase();
        folders.writeOptions(QStringLiteral("4.0.0"), "[View]\r\nAllIndex=abc\r\n");
        ScriptedMessageBox boxes;
        boxes.expect(kProblem);
        Run run(folders);
        run.acceptFirstRun = true;
        QVERIFY(run.startUp.runLoadSequence());
        QCOMPARE(run.firstRuns, 1);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(read(folders.optionsIni(), "View", "AllIndex"), QStringLiteral("<none>"));
    }

    // A rejected options.ini that cannot be deleted is named once and the start ends, instead of
    // being rejected again after every first-run dialog.
    void anUndeletableRejectedFileEndsTheStart_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("damaged") << "4.x" << QStringList();
        QTest::newRow("too old") << "3.4.0" << QStringList{kRecreate};
    }

    void anUndeletableRejectedFileEndsTheStart()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, messages);
        Folders folders;
        folders.writeDatabase();
        folders.writeOptions(version);
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        Run run(folders);
        run.startUp.hooks().removeOptionsFile = [](const QString&, QString* why) {
            *why = QStringLiteral("Permission denied");
            return false;
        };
        QVERIFY(!run.startUp.runLoadSequence());
        QCOMPARE(run.firstRuns, 0);
        QVERIFY(run.state.startAborted);
        QCOMPARE(boxes.shown().size(), messages.size() + 1);
        for (int i = 0; i < messages.size(); ++i)
            QCOMPARE(boxes.shown()[i].text, messages[i]);
        const platform::MessageRequest& told = boxes.shown().last();
        QVERIFY(told.text.contains(folders.optionsIni()));
        QVERIFY(told.text.contains(QStringLiteral("Permission denied")));
        QCOMPARE(told.icon, platform::MessageIcon::Critical);
        QVERIFY(QFile::exists(folders.optionsIni()));
        run.window.close();
        QCOMPARE(read(folders.optionsIni(), "View", "GameView"), QStringLiteral("<none>"));
    }

    void viewStateIsSavedInOrderAtClose()
    {
        Folders folders;
        folders.writeDatabase();
        // No catver.ini: a stored category sort falls back to the first column.
        folders.writeOptions(QStringLiteral("4.0.0"),
                             "[View]\r\nGameView=Installed Games\r\nAllSortKey=17\r\n"
                             "AllSortOrder=1\r\nScreenShots=True\r\n");
        ScriptedMessageBox boxes;
        Run run(folders);
        QVERIFY(run.startUp.runLoadSequence());
        QCOMPARE(run.firstBuilds, 0);
        QCOMPARE(run.state.prefs.all.sortKey, 0);
        QCOMPARE(run.state.prefs.all.sortOrder, 0);
        QVERIFY(run.window.screenShotsChecked());
        run.window.show();
        run.window.close();

        QCOMPARE(read(folders.optionsIni(), "View", "GameView"), QStringLiteral("Installed Games"));
        QCOMPARE(read(folders.optionsIni(), "View", "AllSortKey"), QStringLiteral("0"));
        QCOMPARE(read(folders.optionsIni(), "View", "ScreenShots"), QStringLiteral("True"));
    }

    void newMameIsDetectedOnlyWithAStoredSize()
    {
        Folders changed(250);
        changed.writeDatabase();
        changed.writeOptions(QStringLiteral("4.0.0"));
        ScriptedMessageBox boxes;
        {
            Run run(changed);
            QVERIFY(run.startUp.runLoadSequence());
            QCOMPARE(run.rebuilds, 1);
            QCOMPARE(read(changed.optionsIni(), "Miscellaneous", "MAMESize"),
                     QStringLiteral("250"));
        }
        Folders unknown(250);
        unknown.writeDatabase();
        unknown.writeOptions(QStringLiteral("4.0.0"));
        WriteIniValue(unknown.optionsIni(), QStringLiteral("Miscellaneous"),
                      QStringLiteral("MAMESize"), 0);
        Run run(unknown);
        QVERIFY(run.startUp.runLoadSequence());
        QCOMPARE(run.rebuilds, 0);
    }

    void secondInstanceRaisesTheFirst()
    {
        const QString name =
            QStringLiteral("velmora-test-%1").arg(QCoreApplication::applicationPid());
        platform::SingleInstance first(name);
        QVERIFY(!first.forwardToRunningInstance());
        QVERIFY(first.listen());
        QSignalSpy raised(&first, &platform::SingleInstance::activationRequested);
        platform::SingleInstance second(name);
        QVERIFY(second.forwardToRunningInstance());
        QVERIFY(raised.wait(2000));
    }

    // Asked to come forward while loading, the program brings what it shows (here the first-run
    // dialog), never its half-loaded main window; a shown window comes back from minimised.
    void aRaiseRequestNeverShowsAHalfLoadedWindow()
    {
        AppState state;
        MainWindow window(state);
        QDialog dialog;
        dialog.show();
        bringForward(window);
        QVERIFY(!window.isVisible());
        QVERIFY(dialog.isVisible());
        dialog.hide();
        bringForward(window);
        QVERIFY(!window.isVisible());

        window.showMinimized();
        bringForward(window);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
    }

    // The real program, copied into a program folder of its own: SIGTERM takes the orderly end
    // once the window is up; during the first-run dialog it ends as Cancel does, writing nothing.
    void terminationSignal_data()
    {
        QTest::addColumn<bool>("firstRun");
        QTest::newRow("window shown") << false;
        QTest::newRow("first-run dialog") << true;
    }

    void terminationSignal()
    {
        QFETCH(bool, firstRun);
        Folders folders;
        if (!firstRun) {
            folders.writeDatabase();
            folders.writeOptions(QStringLiteral("4.0.0"),
                                 "[View]\r\nGameView=Uninstalled Games\r\n");
        }
        const QString binary = folders.program() + QStringLiteral("/velmora");
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_BINARY), binary));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), folders.dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.dir.path());
        // The single-instance socket lives in the temporary folder: a running Velmora is not asked.
        env.insert(QStringLiteral("TMPDIR"), folders.dir.path());
        program.setProcessEnvironment(env);
        program.start(binary, {});
        QVERIFY(program.waitForStarted());
        if (firstRun) {
            // The dialog is open once the program folders are made.
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(folders.program() + "/reports").isDir(), 10000);
            QTest::qWait(1500);
        } else {
            // The window is up once the start-up has rewritten the version.
            QTRY_VERIFY_WITH_TIMEOUT(read(folders.optionsIni(), "Miscellaneous", "AutoRun") !=
                                         QLatin1String("<none>"),
                                     10000);
            QTest::qWait(500);
        }
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        if (firstRun) {
            QVERIFY(!QFile::exists(folders.optionsIni()));
            QVERIFY(QDir(folders.program() + "/reports").isEmpty());
            return;
        }
        QCOMPARE(read(folders.optionsIni(), "View", "GameView"),
                 QStringLiteral("Uninstalled Games"));
        QCOMPARE(read(folders.optionsIni(), "View", "UninstalledSortOrder"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
