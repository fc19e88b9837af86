// The folder rules of the Options dialog: what a required and an optional folder must be, how a
// typed or chosen path is stored, where the MAME folder's defaults go, and where OK's folder test
// stops.
#include "app/FolderTable.h"
#include "app/FolderTests.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace velmora;

namespace {

const QString kDirectories = QStringLiteral("Directories");

void makeFile(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(f.permissions() | QFile::ExeOwner);
}

// A MAME folder with the mame program and every default data folder.
QString readyMameFolder(const QTemporaryDir& tmp)
{
    const QString mame = tmp.path() + QStringLiteral("/Mame Dir");
    QDir().mkpath(mame);
    makeFile(mame + QStringLiteral("/mame"));
    for (const QString& sub : defaultSubfolderNames())
        QDir(mame).mkdir(sub);
    return mame;
}

FolderTexts defaultsUnder(const QString& mame)
{
    FolderTexts texts;
    texts[int(DataFolder::MAME)] = mame;
    fillEmptyFoldersWithDefaults(texts, mame);
    return texts;
}

} // namespace

class TestFolderRules : public QObject
{
    Q_OBJECT
private slots:
    void requiredFoldersMustBeGivenAndLongerThanThreeCharacters()
    {
        for (const QString& text :
             {QString(), QStringLiteral("/"), QStringLiteral("/ab"), QStringLiteral("//")}) {
            const FolderVerdict v = TestPaths(DataFolder::ROMs, text);
            QVERIFY2(!v.passed, qPrintable(text));
            QCOMPARE(v.message, QStringLiteral("You must select a ROMs folder!"));
            QCOMPARE(v.title, kDirectories);
        }
        // Names in messages are the table's, not the keys.
        QCOMPARE(TestPaths(DataFolder::Snapshots, QString()).message,
                 QStringLiteral("You must select a Snapshot folder!"));
        // An existing folder of four characters passes.
        QVERIFY(TestPaths(DataFolder::Cfg, QStringLiteral("/tmp")).passed);
    }

    void optionalFoldersMayBeEmptyButNotMissing()
    {
        for (DataFolder f : {DataFolder::AdditionalROMs, DataFolder::Comments}) {
            const FolderVerdict empty = TestPaths(f, QString());
            QVERIFY(empty.passed);
            QVERIFY(empty.path.isEmpty());
        }
        const FolderVerdict missing =
            TestPaths(DataFolder::AdditionalROMs, QStringLiteral("/no/such/folder"));
        QVERIFY(!missing.passed);
        QCOMPARE(missing.message, QStringLiteral("The Additional Roms folder does not exist!  "
                                                 "Please select an existing folder."));
        // The root is no folder: at OK only the two folder messages are given.
        QCOMPARE(TestPaths(DataFolder::Comments, QStringLiteral("/")).message,
                 QStringLiteral("You must select a Comment folder!"));
    }

    void onlyExistingReadableAbsoluteFoldersPass()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        const QString missing = QStringLiteral("The Samples folder does not exist!  Please select "
                                               "an existing folder.");
        QCOMPARE(TestPaths(DataFolder::Samples, mame + QStringLiteral("/nope")).message, missing);
        // A file is not a folder, and a relative path names no folder MAME would find.
        QCOMPARE(TestPaths(DataFolder::Samples, mame + QStringLiteral("/mame")).message, missing);
        QCOMPARE(TestPaths(DataFolder::Samples, QStringLiteral("samples")).message, missing);
        QVERIFY(TestPaths(DataFolder::Samples, mame + QStringLiteral("/samples")).passed);

        if (geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        const QString locked = mame + QStringLiteral("/cfg");
        QFile::setPermissions(locked, QFile::WriteOwner);
        const FolderVerdict v = TestPaths(DataFolder::Cfg, locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(v.message,
                 QStringLiteral("The Cfg folder cannot be read!  Please select another folder."));
    }

    void storedPathsLoseTrailingSeparatorsAndKeepCase()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        const QString roms = mame + QStringLiteral("/roms");
        QCOMPARE(TestPaths(DataFolder::ROMs, roms + u'/').path, roms);
        QCOMPARE(TestPaths(DataFolder::ROMs, roms + QStringLiteral("//")).path, roms);
        QCOMPARE(testMameFolder(mame + u'/').path, mame);
        QCOMPARE(folderPathFromText(QStringLiteral("~/mame/")), QDir::homePath() + "/mame");
        QCOMPARE(folderPathFromText(QStringLiteral("/")), QString());
    }

    void mameFolderMustHoldMame()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        const QString cannot = QStringLiteral("Cannot find mame!");
        QCOMPARE(testMameFolder(mame + QStringLiteral("/roms")).message, cannot);
        QCOMPARE(testMameFolder(QString()).message, cannot);
        QCOMPARE(testMameFolder(QStringLiteral("Mame Dir")).message, cannot); // relative
        // A folder named mame is not the program.
        QDir(mame).mkpath(QStringLiteral("sub/mame"));
        QCOMPARE(checkChosenMameFolder(mame + QStringLiteral("/sub")).message, cannot);
        // A link to the installed program is how a MAME folder is made on Debian.
        const QString linked = tmp.path() + QStringLiteral("/linked");
        QDir().mkpath(linked);
        QVERIFY(QFile::link(mame + QStringLiteral("/mame"), linked + QStringLiteral("/mame")));
        QVERIFY(checkChosenMameFolder(linked).passed);
        QVERIFY(testMameFolder(linked).passed);
    }

    void chosenFoldersRefuseRootAndUnusableNames()
    {
        const FolderVerdict root = checkChosenDataFolder(DataFolder::State, QStringLiteral("/"));
        QCOMPARE(root.message,
                 QStringLiteral("State cannot reside in the root!  Please select a folder."));
        QCOMPARE(root.title, kDirectories);
        const FolderVerdict invalid =
            checkChosenDataFolder(DataFolder::State, QStringLiteral("relative/path"));
        QCOMPARE(invalid.message, QStringLiteral("Invalid selection!  Please try again."));
        QCOMPARE(invalid.title, QStringLiteral("Velmora"));
        QCOMPARE(checkChosenMameFolder(QStringLiteral("/a") + QChar(0) + u'b').message,
                 invalid.message);
        QVERIFY(checkChosenDataFolder(DataFolder::State, QStringLiteral("/srv/sta")).passed);
    }

    void defaultsGoOnlyIntoEmptyBoxes()
    {
        FolderTexts texts;
        texts[int(DataFolder::ROMs)] = QStringLiteral("/data/My ROMs");
        fillEmptyFoldersWithDefaults(texts, QStringLiteral("/home/u/mame"));
        QCOMPARE(texts[int(DataFolder::ROMs)], QStringLiteral("/data/My ROMs"));
        QCOMPARE(texts[int(DataFolder::Ini)], QStringLiteral("/home/u/mame"));
        QCOMPARE(texts[int(DataFolder::Samples)], QStringLiteral("/home/u/mame/samples"));
        QVERIFY(texts[int(DataFolder::AdditionalROMs)].isEmpty());
        QVERIFY(texts[int(DataFolder::Comments)].isEmpty());
        QVERIFY(texts[int(DataFolder::MAME)].isEmpty());
    }

    void folderCheckStopsAtTheFirstFailureInTableOrder()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        FolderTexts texts = defaultsUnder(mame);
        QVERIFY(checkFolders(texts).allPassed());

        texts[int(DataFolder::Nvram)] = mame + QStringLiteral("/gone");
        texts[int(DataFolder::Ctrlr)].clear();
        FolderCheck check = checkFolders(texts);
        QCOMPARE(check.failed, DataFolder::Nvram);
        QCOMPARE(check.failure.message, QStringLiteral("The Nvram folder does not exist!  Please "
                                                       "select an existing folder."));
        QCOMPARE(check.paths[int(DataFolder::Cfg)], mame + QStringLiteral("/cfg"));
        QVERIFY(check.paths[int(DataFolder::Memcard)].isEmpty());

        texts[int(DataFolder::MAME)] = tmp.path();
        check = checkFolders(texts);
        QCOMPARE(check.failed, DataFolder::MAME);
        QCOMPARE(check.failure.message, QStringLiteral("Cannot find mame!"));
    }
};

QTEST_GUILESS_MAIN(TestFolderRules)
#include "test_folderrules.moc"
