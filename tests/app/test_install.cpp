// The installed program: this build installed into a temporary prefix made read-only, the
// installed velmora run with a temporary HOME. Its first run keeps its files under
// $XDG_DATA_HOME/velmora; --version, --help and unknown options answer without a display; the
// desktop entry and the AppStream metadata pass Debian's validators and name what the window uses.
#include "app/IniFile.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"
#include "ui/DesktopIdentity.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir m_prefix;
    QString bin(const char* name) const { return m_prefix.path() + "/bin/" + name; }
    QString share(const QString& path) const { return m_prefix.path() + "/share/" + path; }

    static int run(const QString& program, const QStringList& args, QString* out = nullptr,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        p.waitForFinished(60000);
        if (out)
            *out = p.readAllStandardOutput() + p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        QString log;
        QVERIFY2(run(VELMORA_CMAKE, {"--install", VELMORA_BUILD_DIR, "--prefix", m_prefix.path()},
                     &log) == 0,
                 qPrintable(log));
        QCOMPARE(run("chmod", {"-R", "a-w", m_prefix.path()}), 0);
    }
    void cleanupTestCase() { run("chmod", {"-R", "u+w", m_prefix.path()}); }

    // The first run, given a MAME folder, writes options.ini under $XDG_DATA_HOME/velmora (made
    // private to the user), nothing beside the executable; SIGTERM ends it in order.
    void firstRunKeepsItsFilesInTheDataHome()
    {
        TempProgram tp;
        FakeMame mame(tp.mameFolder());
        for (const auto& [option, answer] : {std::pair{"-listxml", "listxml-machine.xml"},
                                             {"-listcrc", "listcrc.txt"},
                                             {"-showusage", "showusage-0251.txt"},
                                             {"-help", "help.txt"}})
            QVERIFY(mame.answer(option, fixturePath(answer)));
        const QString program = tp.root() + "/data/velmora";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair{"HOME", tp.root()},
                                          {"XDG_DATA_HOME", tp.root() + "/data"},
                                          {"XDG_RUNTIME_DIR", tp.root()},
                                          {"TMPDIR", tp.root()},
                                          {"QT_QPA_PLATFORM", QString("offscreen")},
                                          {"QT_PLUGIN_PATH", VELMORA_TEST_PLUGINS},
                                          {"QT_QPA_GENERIC_PLUGINS", QString("velmorafirstrun")},
                                          {"VELMORA_TEST_MAME_FOLDER", tp.mameFolder()}})
            env.insert(name, value);
        // The installed script makes the MAME folder's sub-folders the dialog is given.
        QCOMPARE(
            run("sh", {share("velmora/prepare-mame-folder.sh"), tp.mameFolder()}, nullptr, env), 0);
        QProcess velmora;
        velmora.setProcessEnvironment(env);
        velmora.start(bin("velmora"), {});
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(program + "/reports/gameinfo.txt"); },
                                60000));
        QTest::qWait(1000);
        velmora.terminate();
        QVERIFY(velmora.waitForFinished(20000) && velmora.exitCode() == 0);
        const QString ini = program + "/settings/options.ini";
        QCOMPARE(ReadIniValue(ini, "Directories", "MAME", "<none>"), tp.mameFolder());
        QVERIFY(ReadIniValue(ini, "View", "GameView", "<none>") != "<none>");
        QCOMPARE(QFile(program).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QDir(m_prefix.path() + "/bin")
                     .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"mamediff", "velmora"}));
    }

    // Answered before Qt would need a display: the xcb platform without DISPLAY would abort.
    void commandLineAnswersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Velmora 4.0.0\n";
        QTest::newRow("help") << QStringList{"-h"} << 0
                              << "Program folder: %1/.local/share/velmora";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 2
                                 << "velmora: unknown option '--bogus'";
        QTest::newRow("argument") << QStringList{"a"} << 2 << "velmora: unexpected argument 'a'";
    }
    void commandLineAnswersWithoutAWindow()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, text);
        QTemporaryDir home;
        QProcessEnvironment env;
        env.insert("HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "xcb");
        QString out;
        QCOMPARE(run(bin("velmora"), args, &out, env), code);
        QVERIFY2(out.contains(text.replace("%1", home.path())), qPrintable(out));
    }

    // Debian's validators accept the entry and the metadata; the entry names the window class and
    // icon the program sets, and the icon is installed at the sizes the program carries.
    void desktopEntryMatchesTheWindow()
    {
        const QString entry = share("applications/velmora.desktop");
        QString out;
        if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty() ||
            QStandardPaths::findExecutable("appstreamcli").isEmpty())
            QSKIP("desktop-file-validate or appstreamcli is not installed");
        QVERIFY2(run("desktop-file-validate", {entry}, &out) == 0 && out.isEmpty(),
                 qPrintable(out));
        QVERIFY2(run("appstreamcli",
                     {"validate", "--no-net", share("metainfo/org.example.velmora.metainfo.xml")},
                     &out) == 0,
                 qPrintable(out));
        applyDesktopIdentity();
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = file.readAll();
        QVERIFY(text.contains("\nStartupWMClass=" + QApplication::applicationName() + "\n"));
        QVERIFY(text.contains("\nIcon=" + QGuiApplication::desktopFileName() + "\n"));
        for (int size : {48, 128, 256}) {
            QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(size, size)));
            QVERIFY(QFile::exists(share("icons/hicolor/%1x%1/apps/velmora.png").arg(size)));
        }
        QVERIFY(QFile::exists(share("icons/hicolor/scalable/apps/velmora.svg")));
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
