// Debian's MAME reads the mame.ini Velmora writes into a MAME folder prepared by
// scripts/prepare-mame-folder.sh: the folder, its ~/.mame link and the path layer take a new user
// to a playable pong; the translated values of the settings layer reach MAME's configuration and
// a recording goes to <Input>/<rom>.inp.
#include "app/FolderTable.h"
#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "support/RealMame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

// The fixtures folder sits in tests/, the script in scripts/ beside it.
const QString kScript =
    QDir::cleanPath(QStringLiteral(VELMORA_FIXTURES "/../../scripts/prepare-mame-folder.sh"));

QByteArray run(const QString& program, const QStringList& args, const QString& home,
               const QString& folder, int* exitCode = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        p.kill();
    if (exitCode)
        *exitCode = p.exitCode();
    return p.readAll();
}

// "name   value" as -showconfig prints an option.
bool showsOption(const QByteArray& config, const char* name, const char* value)
{
    const QRegularExpression line(QStringLiteral("^%1\\s+%2$")
                                      .arg(QRegularExpression::escape(QLatin1String(name)),
                                           QRegularExpression::escape(QLatin1String(value))),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(config)).hasMatch();
}

} // namespace

class TestMameIniRealMame : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QString m_mame = m_home.path() + QStringLiteral("/mame");
    Preferences m_prefs;

    QByteArray mame(const QStringList& args, int* exitCode = nullptr)
    {
        return run(m_mame + QStringLiteral("/mame"), args, m_home.path(), m_mame, exitCode);
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_REAL_MAME();
        const QByteArray said =
            run(QStringLiteral("/bin/sh"), {kScript}, m_home.path(), m_home.path());
        QVERIFY2(said.contains(m_mame.toUtf8()), said.constData());
        m_prefs.setFolder(DataFolder::MAME, m_mame);
        for (const FolderEntry& e : folderTable())
            if (e.folder != DataFolder::MAME)
                m_prefs.setFolder(e.folder, defaultFolderPath(e.folder, m_mame));
    }

    void preparedFolderAndPathLayerReachMame()
    {
        // Running the script again keeps everything as it is.
        run(QStringLiteral("/bin/sh"), {kScript}, m_home.path(), m_home.path());
        QCOMPARE(QFileInfo(m_mame + QStringLiteral("/mame")).symLinkTarget(),
                 QStringLiteral("/usr/games/mame"));
        QCOMPARE(QFileInfo(m_home.path() + QStringLiteral("/.mame")).symLinkTarget(), m_mame);
        QCOMPARE(QFileInfo(m_mame + QStringLiteral("/roms/pong.zip")).size(), 22);
        for (const QString& sub : defaultSubfolderNames())
            QVERIFY2(QFileInfo(m_mame + u'/' + sub).isDir(), qPrintable(sub));

        // Every option of the path layer is one this MAME knows.
        const auto usage = MameUsage::fromText(mame({QStringLiteral("-showusage")}));
        QVERIFY(usage && CreateMAMEIni(m_prefs, nullptr, &*usage));
        QFile ini(mameIniPath(m_prefs));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        for (const QByteArray& line : ini.readAll().split('\n')) {
            const QByteArray option = line.trimmed().split('\t').first();
            QVERIFY2(option.isEmpty() || option == "#" || option.startsWith("# ") ||
                         usage->knows(QString::fromLatin1(option)),
                     line.constData());
        }
        const QByteArray config = mame({QStringLiteral("-showconfig")});
        QVERIFY2(config.contains(QStringLiteral(".;%1/roms\n").arg(m_mame).toUtf8()),
                 config.constData());
        QVERIFY(config.contains(QStringLiteral("%1/snap\n").arg(m_mame).toUtf8()));
        QVERIFY(config.contains("snapname                  %g\n"));
        const QByteArray audit = mame({QStringLiteral("pong"), QStringLiteral("-verifyroms")});
        QVERIFY2(audit.contains("1 were OK"), audit.constData());
    }

    void settingsLayerReachesMame()
    {
        const QString settings = m_home.path() + QStringLiteral("/pong.cfg");
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Performance Options]\r\nFrameSkip=7\r\nThrottle=0\r\n"
                   "[Video Options]\r\nVideo=GDI\r\n"
                   "[Video Rotation Options]\r\nFlip=Horizontally\r\n"
                   "[Game Screen Options]\r\nBrightness=0.95\r\n"
                   "[Sound Options]\r\nSound=0\r\n"
                   "[Miscellaneous]\r\nOther Commands=-video none\r\n");
        file.close();

        QVERIFY(CreateMAMEIni(m_prefs));
        const BuildIniResult result =
            BuildIni({settings, QStringLiteral("pong"), false, true}, m_prefs);
        QVERIFY(result.ok);
        QCOMPARE(result.commandString, QStringLiteral("-video none"));

        const QByteArray config = mame({QStringLiteral("-showconfig")});
        QVERIFY2(showsOption(config, "frameskip", "7"), config.constData());
        QVERIFY(showsOption(config, "throttle", "0"));
        QVERIFY(showsOption(config, "flipy", "1"));
        QVERIFY(showsOption(config, "brightness", "0.95"));
        QVERIFY(showsOption(config, "record", "pong.inp"));

        int exitCode = -1;
        const QByteArray said =
            mame({QStringLiteral("pong"), QStringLiteral("-video"), QStringLiteral("none"),
                  QStringLiteral("-seconds_to_run"), QStringLiteral("1")},
                 &exitCode);
        QVERIFY2(exitCode == 0, said.constData());
        QVERIFY2(QFileInfo(m_mame + QStringLiteral("/inp/pong.inp")).size() > 0, said.constData());
    }
};

QTEST_GUILESS_MAIN(TestMameIniRealMame)
#include "test_mameini_realmame.moc"
