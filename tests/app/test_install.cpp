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
    QString path(const QString& relative) const { return m_prefix.path() + '/' + relative; }

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
        QVERIFY2(run(VELMORA_CMAKE, {"--install", VELMORA_BUILD_DIR, "--prefix", path("")}, &log) ==
                     0,
                 qPrintable(log));
        QCOMPARE(run("chmod", {"-R", "a-w", path("")}), 0);
    }
    void cleanupTestCase() { run("chmod", {"-R", "u+w", path("")}); }

    // A first run given a MAME folder (prepared by the installed script, answered by the
    // velmorafirstrun plugin) writes options.ini under $XDG_DATA_HOME/velmora, made private,
    // and nothing beside the executable; SIGTERM ends it in order.
    void firstRunKeepsItsFilesInTheDataHome()
    {
        TempProgram tp;
        FakeMame mame(tp.mameFolder());
        for (const auto& [option, answer] : {std::pair{"-listxml", "listxml-machine.xml"},
                                             {"-listcrc", "listcrc.txt"},
                                             {"-showusage", "showusage-0251.txt"},
                                             {"-help", "help.txt"}})
            QVERIFY(mame.answer(option, fixturePath(answer)));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "TMPDIR"})
            env.insert(name, tp.root());
        env.insert("XDG_DATA_HOME", tp.root() + "/data");
        env.insert("QT_PLUGIN_PATH", VELMORA_TEST_PLUGINS);
        env.insert("QT_QPA_GENERIC_PLUGINS", "velmorafirstrun");
        env.insert("VELMORA_TEST_MAME_FOLDER", tp.mameFolder());
        QCOMPARE(run("sh", {path("share/velmora/prepare-mame-folder.sh"), tp.mameFolder()}, nullptr,
                     env),
                 0);
        QProcess velmora;
        velmora.setProcessEnvironment(env);
        velmora.start(path("bin/velmora"), {});
        const QString program = tp.root() + "/data/velmora";
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(program + "/reports/gameinfo.txt"); },
                                60000));
        QTest::qWait(1000);
        velmora.terminate();
        QVERIFY(velmora.waitForFinished(20000) && velmora.exitCode() == 0);
        const QString ini = program + "/settings/options.ini";
        QCOMPARE(ReadIniValue(ini, "Directories", "MAME", "-"), tp.mameFolder());
        QVERIFY(ReadIniValue(ini, "View", "GameView", "-") != "-");
        QCOMPARE(QFile(program).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(QDir(path("bin")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"mamediff", "velmora"}));
    }

    // Answered before Qt needs a display: the xcb platform without DISPLAY would end the program.
    void commandLineAnswersWithoutAWindow()
    {
        QTemporaryDir home;
        QProcessEnvironment env;
        env.insert("HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "xcb");
        for (const auto& [args, code, text] :
             {std::tuple{QStringList{"--version"}, 0, QString("Velmora 4.0.0\n")},
              {{"-h"}, 0, "Program folder: " + home.path() + "/.local/share/velmora\n"},
              {{"-platform", "offscreen", "--bogus"}, 2, "velmora: unknown option '--bogus'\n"},
              {{"a"}, 2, "velmora: unexpected argument 'a'\n"}}) {
            QString out;
            QCOMPARE(run(path("bin/velmora"), args, &out, env), code);
            QVERIFY2(out.contains(text), qPrintable(out));
        }
    }

    // Debian's validators accept the entry and the metadata; the entry names the window class and
    // icon the program sets.
    void desktopEntryMatchesTheWindow()
    {
        const QString entry = path("share/applications/velmora.desktop");
        if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty() ||
            QStandardPaths::findExecutable("appstreamcli").isEmpty())
            QSKIP("desktop-file-validate or appstreamcli is not installed");
        QString out;
        QVERIFY2(run("desktop-file-validate", {entry}, &out) == 0 && out.isEmpty(),
                 qPrintable(out));
        QVERIFY2(
            run("appstreamcli",
                {"validate", "--no-net", path("share/metainfo/org.example.velmora.metainfo.xml")},
                &out) == 0,
            qPrintable(out));
        applyDesktopIdentity();
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = file.readAll();
        QVERIFY(text.contains("\nStartupWMClass=" + QApplication::applicationName() + "\n") &&
                text.contains("\nIcon=" + QGuiApplication::desktopFileName() + "\n"));
        QVERIFY(!QApplication::windowIcon().isNull() &&
                QFile::exists(path("share/icons/hicolor/scalable/apps/velmora.svg")));
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
