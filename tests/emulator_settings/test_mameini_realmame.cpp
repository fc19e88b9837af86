// Debian's MAME reads the path layer that Velmora writes into a MAME folder prepared by
// scripts/prepare-mame-folder.sh: the folder, its ~/.mame link and the mame.ini written there
// take a new user to a playable pong.
#include "app/FolderTable.h"
#include "emulator_settings/MameIni.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

// The fixtures folder sits in tests/, the script in scripts/ beside it.
const QString kScript =
    QDir::cleanPath(QStringLiteral(VELMORA_FIXTURES "/../../scripts/prepare-mame-folder.sh"));

QByteArray run(const QString& program, const QStringList& args, const QString& home,
               const QString& folder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        p.kill();
    return p.readAll();
}

} // namespace

class TestMameIniRealMame : public QObject
{
    Q_OBJECT
private slots:
    void preparedFolderAndPathLayerReachMame()
    {
        if (!QFileInfo(QStringLiteral("/usr/games/mame")).isExecutable())
            QSKIP("Debian's MAME is not installed");
        QTemporaryDir home;
        const QString mame = home.path() + QStringLiteral("/mame");
        const QByteArray said = run(QStringLiteral("/bin/sh"), {kScript}, home.path(), home.path());
        QVERIFY2(said.contains(mame.toUtf8()), said.constData());
        // Running it again keeps everything as it is.
        run(QStringLiteral("/bin/sh"), {kScript}, home.path(), home.path());
        QCOMPARE(QFileInfo(mame + QStringLiteral("/mame")).symLinkTarget(),
                 QStringLiteral("/usr/games/mame"));
        QCOMPARE(QFileInfo(home.path() + QStringLiteral("/.mame")).symLinkTarget(), mame);
        QCOMPARE(QFileInfo(mame + QStringLiteral("/roms/pong.zip")).size(), 22);
        for (const QString& sub : defaultSubfolderNames())
            QVERIFY2(QFileInfo(mame + u'/' + sub).isDir(), qPrintable(sub));

        Preferences p;
        p.setFolder(DataFolder::MAME, mame);
        for (const FolderEntry& e : folderTable())
            if (e.folder != DataFolder::MAME)
                p.setFolder(e.folder, defaultFolderPath(e.folder, mame));
        QVERIFY(CreateMAMEIni(p));

        const QByteArray config =
            run(mame + QStringLiteral("/mame"), {QStringLiteral("-showconfig")}, home.path(), mame);
        QVERIFY2(config.contains(QStringLiteral(".;%1/roms\n").arg(mame).toUtf8()),
                 config.constData());
        QVERIFY(config.contains(QStringLiteral("%1/snap\n").arg(mame).toUtf8()));
        QVERIFY(config.contains("snapname                  %g\n"));

        const QByteArray audit =
            run(mame + QStringLiteral("/mame"),
                {QStringLiteral("pong"), QStringLiteral("-verifyroms")}, home.path(), mame);
        QVERIFY2(audit.contains("1 were OK"), audit.constData());
    }
};

QTEST_GUILESS_MAIN(TestMameIniRealMame)
#include "test_mameini_realmame.moc"
