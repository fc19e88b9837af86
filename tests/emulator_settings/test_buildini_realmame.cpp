// Debian's MAME reads the settings layer that BuildIni appends: the translated values reach its
// configuration, values it does not know are passed over, and a recording goes to
// <Input>/<rom>.inp.
#include "app/FolderTable.h"
#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

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

class TestBuildIniRealMame : public QObject
{
    Q_OBJECT
private slots:
    void settingsLayerReachesMame()
    {
        if (!QFileInfo(QStringLiteral("/usr/games/mame")).isExecutable())
            QSKIP("Debian's MAME is not installed");
        QTemporaryDir home;
        const QString mame = home.path() + QStringLiteral("/mame");
        run(QStringLiteral("/bin/sh"), {kScript}, home.path(), home.path());
        Preferences prefs;
        prefs.setFolder(DataFolder::MAME, mame);
        for (const FolderEntry& e : folderTable())
            if (e.folder != DataFolder::MAME)
                prefs.setFolder(e.folder, defaultFolderPath(e.folder, mame));

        const QString settings = home.path() + QStringLiteral("/pong.cfg");
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Performance Options]\r\nFrameSkip=7\r\nThrottle=0\r\n"
                   "[Video Options]\r\nVideo=GDI\r\n"
                   "[Video Rotation Options]\r\nFlip=Horizontally\r\n"
                   "[Game Screen Options]\r\nBrightness=0.95\r\n"
                   "[Sound Options]\r\nSound=0\r\n"
                   "[Miscellaneous]\r\nOther Commands=-video none\r\n");
        file.close();

        QVERIFY(CreateMAMEIni(prefs));
        const BuildIniResult result =
            BuildIni({settings, QStringLiteral("pong"), false, true}, prefs);
        QVERIFY(result.ok);
        QCOMPARE(result.commandString, QStringLiteral("-video none"));

        const QString program = mame + QStringLiteral("/mame");
        const QByteArray config = run(program, {QStringLiteral("-showconfig")}, home.path(), mame);
        QVERIFY2(showsOption(config, "frameskip", "7"), config.constData());
        QVERIFY(showsOption(config, "throttle", "0"));
        QVERIFY(showsOption(config, "flipy", "1"));
        QVERIFY(showsOption(config, "brightness", "0.95"));
        QVERIFY(showsOption(config, "record", "pong.inp"));

        int exitCode = -1;
        const QByteArray said =
            run(program,
                {QStringLiteral("pong"), QStringLiteral("-video"), QStringLiteral("none"),
                 QStringLiteral("-seconds_to_run"), QStringLiteral("1")},
                home.path(), mame, &exitCode);
        QVERIFY2(exitCode == 0, said.constData());
        QVERIFY2(QFileInfo(mame + QStringLiteral("/inp/pong.inp")).size() > 0, said.constData());
    }
};

QTEST_GUILESS_MAIN(TestBuildIniRealMame)
#include "test_buildini_realmame.moc"
