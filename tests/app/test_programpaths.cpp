// The program folder rule: a writable folder of the executable, or one holding velmora.portable,
// is the program folder; otherwise it is $XDG_DATA_HOME/velmora, and the files Velmora only reads
// are looked for there first, then in the installation's share folders.
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
        const QString data = dir.path() + "/data";
        QDir().mkpath(bin);
        QDir().mkpath(marked);
        QFile(marked + "/velmora.portable").open(QIODevice::WriteOnly);
        QCOMPARE(ProgramPaths::forExecutable(bin + "/", data).programFolder, bin);
        // Read-only by its permissions, even to the superuser who could write there anyway.
        for (const QString& folder : {bin, marked})
            QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const ProgramPaths installed = ProgramPaths::forExecutable(bin, data);
        QCOMPARE(installed.programFolder, data + "/velmora");
        QCOMPARE(installed.installedFolders, QStringList({dir.path() + "/usr/share/velmora",
                                                          dir.path() + "/usr/share/doc/velmora"}));
        QCOMPARE(ProgramPaths::forExecutable(marked, data).programFolder, marked);
        QCOMPARE(ProgramPaths::forExecutable("/usr/bin", data).kind, ProgramPaths::Kind::Installed);

        QVERIFY(installed.makeProgramFolder());
        QCOMPARE(QFile(data + "/velmora").permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile(bin).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void dataHomeIsAnAbsoluteXdgDataHome()
    {
        qputenv("HOME", "/home/user");
        for (const auto& [value, expected] : {std::pair{"/data/home", "/data/home"},
                                              {"relative", "/home/user/.local/share"},
                                              {"", "/home/user/.local/share"}}) {
            qputenv("XDG_DATA_HOME", value);
            QCOMPARE(ProgramPaths::dataHome(), QString(expected));
        }
    }

    // The program folder's own copy first; a FIFO is never taken for a file.
    void readOnlyFilesAreFoundInOrder()
    {
        QTemporaryDir dir;
        const QString own = dir.path() + "/own", data = dir.path() + "/data";
        const QString docs = dir.path() + "/docs";
        for (const QString& folder : {own, data, docs})
            QDir().mkpath(folder);
        const ProgramPaths paths(own, ProgramPaths::Kind::Installed, {data, docs});
        for (const QString& file : {data + "/catver.ini", docs + "/catver.ini", own + "/splash.jpg",
                                    docs + "/splash.jpg", docs + "/velmora.txt"})
            QFile(file).open(QIODevice::WriteOnly);
        QVERIFY(::mkfifo(QFile::encodeName(data + "/velmora.txt").constData(), 0600) == 0);
        QCOMPARE(paths.readOnlyFile("catver.ini"), data + "/catver.ini");
        QCOMPARE(paths.readOnlyFile("splash.jpg"), own + "/splash.jpg");
        QCOMPARE(paths.readOnlyFile("velmora.txt"), docs + "/velmora.txt");
        QCOMPARE(paths.readOnlyFile("nplayers.ini"), own + "/nplayers.ini");
    }
};

QTEST_GUILESS_MAIN(TestProgramPaths)
#include "test_programpaths.moc"
