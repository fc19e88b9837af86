// The program folder rule: a writable folder of the executable, or one holding velmora.portable,
// is the program folder; otherwise it is $XDG_DATA_HOME/velmora, and the files Velmora only reads
// are looked for there first, then in the installation's share folder. The installed program's
// own start is tested in test_install.
#include "app/ProgramPaths.h"

#include <QtTest>

#include <sys/stat.h>

using namespace velmora;

class TestProgramPaths : public QObject
{
    Q_OBJECT
private slots:
    void folderFollowsTheExecutablesFolder()
    {
        QTemporaryDir dir;
        const QString bin = dir.path() + "/usr/bin", marked = dir.path() + "/unpacked";
        const QString data = dir.path() + "/data", share = dir.path() + "/usr/share/velmora";
        for (const QString& folder : {bin, marked, share, data + "/velmora"})
            QDir().mkpath(folder);
        QFile(marked + "/velmora.portable").open(QIODevice::WriteOnly);
        QCOMPARE(ProgramPaths::forExecutable(bin + "/", data).programFolder, bin);
        // Read-only by its permissions, even to the superuser who could write there anyway.
        for (const QString& folder : {bin, marked})
            QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(ProgramPaths::forExecutable(marked, data).programFolder, marked);
        QCOMPARE(ProgramPaths::forExecutable("/usr/bin", data).kind, ProgramPaths::Kind::Installed);
        const ProgramPaths installed = ProgramPaths::forExecutable(bin, data);
        QCOMPARE(installed.programFolder, data + "/velmora");

        // The program folder's own copy first; a FIFO is never taken for a file.
        for (const QString& file :
             {share + "/catver.ini", share + "/splash.jpg", installed.file("splash.jpg")})
            QFile(file).open(QIODevice::WriteOnly);
        QCOMPARE(::mkfifo(QFile::encodeName(installed.file("catver.ini")).constData(), 0600), 0);
        QCOMPARE(installed.readOnlyFile("catver.ini"), share + "/catver.ini");
        QCOMPARE(installed.readOnlyFile("splash.jpg"), installed.file("splash.jpg"));
        QCOMPARE(installed.readOnlyFile("nplayers.ini"), installed.file("nplayers.ini"));
        for (const QString& folder : {bin, marked})
            QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestProgramPaths)
#include "test_programpaths.moc"
