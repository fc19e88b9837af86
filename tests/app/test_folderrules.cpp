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

class TestFolderRules : public QObject
{
    Q_OBJECT
private slots:
    // Each check on a typed (at OK) or chosen (in the folder browser) path gives the stored path
    // when it passes, the message and its title when it fails. OK's check fills empty boxes with
    // the MAME folder's defaults and stops at the first failure in table order.
    void folderChecks()
    {
        QTemporaryDir tmp;
        const QString mame = tmp.path() + QStringLiteral("/Mame Dir"), roms = mame + "/roms";
        for (const QString& sub : defaultSubfolderNames())
            QDir().mkpath(mame + u'/' + sub);
        // A link to the installed program is how a MAME folder is made on Debian.
        QVERIFY(QFile::link(QStringLiteral("/bin/sh"), mame + QStringLiteral("/mame")));
        QDir(mame).mkpath(QStringLiteral("sub/mame")); // a folder named mame is not the program
        const auto missing = [](const char* name) {
            return QStringLiteral("The %1 folder does not exist!  Please select an existing "
                                  "folder.|Directories")
                .arg(QLatin1String(name));
        };
        const QString dirs = "|Directories", mustRoms = "You must select a ROMs folder!" + dirs;
        const QString cannot = "Cannot find mame!" + dirs;
        const QString invalid = QStringLiteral("Invalid selection!  Please try again.|Velmora");
        using F = DataFolder;
        // Required folders must be given and longer than three characters; names in messages
        // are the table's, not the keys.
        const struct
        {
            FolderVerdict verdict;
            QString expected; // "message|title", or "|stored path"
        } cases[] = {{TestPaths(F::ROMs, {}), mustRoms},
                     {TestPaths(F::ROMs, "/ab"), mustRoms},
                     {TestPaths(F::Snapshots, {}), "You must select a Snapshot folder!" + dirs},
                     {TestPaths(F::Cfg, "/tmp"), "|/tmp"},
                     // Optional folders may be empty but not missing; the root is no folder.
                     {TestPaths(F::Comments, {}), "|"},
                     {TestPaths(F::AdditionalROMs, "/no/such/folder"), missing("Additional Roms")},
                     {TestPaths(F::Comments, "/"), "You must select a Comment folder!" + dirs},
                     // A file is not a folder, and a relative path names no folder MAME would find.
                     {TestPaths(F::Samples, mame + "/mame"), missing("Samples")},
                     {TestPaths(F::Samples, "samples"), missing("Samples")},
                     // Stored paths lose trailing separators and keep their case.
                     {TestPaths(F::ROMs, roms + "//"), "|" + roms},
                     {testMameFolder(mame + u'/'), "|" + mame},
                     {testMameFolder(roms), cannot},
                     {testMameFolder({}), cannot},
                     {testMameFolder(QStringLiteral("Mame Dir")), cannot},
                     {checkChosenMameFolder(mame + QStringLiteral("/sub")), cannot},
                     {checkChosenMameFolder(mame), "|" + mame},
                     {checkChosenMameFolder(QStringLiteral("/a") + QChar(0) + u'b'), invalid},
                     {checkChosenDataFolder(F::State, "/"),
                      "State cannot reside in the root!  Please select a folder." + dirs},
                     {checkChosenDataFolder(F::State, "relative/path"), invalid},
                     {checkChosenDataFolder(F::State, "/srv/sta"), "|/srv/sta"}};
        for (const auto& [v, expected] : cases)
            QCOMPARE(v.message + "|" + (v.passed ? v.path : v.title), expected);
        QCOMPARE(folderPathFromText(QStringLiteral("~/mame/")), QDir::homePath() + "/mame");

        FolderTexts texts;
        texts[int(F::ROMs)] = QStringLiteral("/data/My ROMs");
        fillEmptyFoldersWithDefaults(texts, QStringLiteral("/home/u/mame"));
        QVERIFY(texts[int(F::ROMs)] == "/data/My ROMs" && texts[int(F::Ini)] == "/home/u/mame");
        QCOMPARE(texts[int(F::Samples)], QStringLiteral("/home/u/mame/samples"));
        QVERIFY(texts[int(F::AdditionalROMs)].isEmpty() && texts[int(F::MAME)].isEmpty());
        texts = FolderTexts();
        texts[int(F::MAME)] = mame;
        fillEmptyFoldersWithDefaults(texts, mame);
        QVERIFY(checkFolders(texts).allPassed());
        texts[int(F::Nvram)] = mame + QStringLiteral("/gone");
        const FolderCheck check = checkFolders(texts);
        QCOMPARE(check.failure.message + "|" + check.failure.title, missing("Nvram"));
        QVERIFY(check.paths[int(F::Cfg)] == mame + "/cfg" &&
                check.paths[int(F::Memcard)].isEmpty());
        texts[int(F::MAME)] = tmp.path();
        QCOMPARE(checkFolders(texts).failed, F::MAME);

        if (geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        const QString locked = mame + QStringLiteral("/cfg");
        QFile::setPermissions(locked, QFile::WriteOwner);
        const FolderVerdict v = TestPaths(F::Cfg, locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(v.message,
                 QStringLiteral("The Cfg folder cannot be read!  Please select another folder."));
    }
};

QTEST_GUILESS_MAIN(TestFolderRules)
#include "test_folderrules.moc"
