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

// A MAME folder with the mame program and every default data folder.
QString readyMameFolder(const QTemporaryDir& tmp)
{
    const QString mame = tmp.path() + QStringLiteral("/Mame Dir");
    QDir().mkpath(mame);
    QFile f(mame + QStringLiteral("/mame"));
    f.open(QIODevice::WriteOnly), f.write("#!/bin/sh\n"), f.close();
    f.setPermissions(f.permissions() | QFile::ExeOwner);
    for (const QString& sub : defaultSubfolderNames())
        QDir(mame).mkdir(sub);
    return mame;
}

QString missing(const char* name)
{
    return QStringLiteral("The %1 folder does not exist!  Please select an existing folder.")
        .arg(QLatin1String(name));
}

} // namespace

class TestFolderRules : public QObject
{
    Q_OBJECT
private slots:
    void typedFoldersAreCheckedAndStored()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        const QString roms = mame + QStringLiteral("/roms");
        const QString mustRoms = QStringLiteral("You must select a ROMs folder!");
        // Message empty: the folder passes and is stored as `stored`.
        const struct
        {
            DataFolder folder;
            QString text, message, stored;
        } cases[] = {
            // Required folders must be given and longer than three characters.
            {DataFolder::ROMs, QString(), mustRoms, {}},
            {DataFolder::ROMs, "/ab", mustRoms, {}},
            // Names in messages are the table's, not the keys.
            {DataFolder::Snapshots, QString(), "You must select a Snapshot folder!", {}},
            {DataFolder::Cfg, "/tmp", {}, "/tmp"},
            // Optional folders may be empty but not missing; the root is no folder.
            {DataFolder::Comments, QString(), {}, {}},
            {DataFolder::AdditionalROMs, "/no/such/folder", missing("Additional Roms"), {}},
            {DataFolder::Comments, "/", "You must select a Comment folder!", {}},
            // A file is not a folder, and a relative path names no folder MAME would find.
            {DataFolder::Samples, mame + "/nope", missing("Samples"), {}},
            {DataFolder::Samples, mame + "/mame", missing("Samples"), {}},
            {DataFolder::Samples, "samples", missing("Samples"), {}},
            // Stored paths lose trailing separators and keep their case.
            {DataFolder::ROMs, roms + "//", {}, roms}};
        for (const auto& c : cases) {
            const FolderVerdict v = TestPaths(c.folder, c.text);
            QVERIFY2(v.passed == c.message.isEmpty(), qPrintable(c.text));
            QCOMPARE(v.message, c.message);
            QCOMPARE(v.passed ? v.path : v.title, v.passed ? c.stored : "Directories");
        }
        QCOMPARE(testMameFolder(mame + u'/').path, mame);
        QCOMPARE(folderPathFromText(QStringLiteral("~/mame/")), QDir::homePath() + "/mame");
        QCOMPARE(folderPathFromText(QStringLiteral("/")), QString());

        if (geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        const QString locked = mame + QStringLiteral("/cfg");
        QFile::setPermissions(locked, QFile::WriteOwner);
        const FolderVerdict v = TestPaths(DataFolder::Cfg, locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(v.message,
                 QStringLiteral("The Cfg folder cannot be read!  Please select another folder."));
    }

    void mameFolderMustHoldMame()
    {
        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        const QString cannot = QStringLiteral("Cannot find mame!");
        for (const QString& folder : {mame + "/roms", QString(), QStringLiteral("Mame Dir")})
            QCOMPARE(testMameFolder(folder).message, cannot); // the last one is relative
        // A folder named mame is not the program.
        QDir(mame).mkpath(QStringLiteral("sub/mame"));
        QCOMPARE(checkChosenMameFolder(mame + QStringLiteral("/sub")).message, cannot);
        // A link to the installed program is how a MAME folder is made on Debian.
        const QString linked = tmp.path() + QStringLiteral("/linked");
        QDir().mkpath(linked);
        QVERIFY(QFile::link(mame + QStringLiteral("/mame"), linked + QStringLiteral("/mame")));
        QVERIFY(checkChosenMameFolder(linked).passed && testMameFolder(linked).passed);
    }

    void chosenFoldersRefuseRootAndUnusableNames()
    {
        const FolderVerdict root = checkChosenDataFolder(DataFolder::State, "/");
        QCOMPARE(root.message + '|' + root.title,
                 "State cannot reside in the root!  Please select a folder.|Directories");
        const FolderVerdict invalid = checkChosenDataFolder(DataFolder::State, "relative/path");
        QCOMPARE(invalid.message + '|' + invalid.title,
                 "Invalid selection!  Please try again.|Velmora");
        QCOMPARE(checkChosenMameFolder(QStringLiteral("/a") + QChar(0) + u'b').message,
                 invalid.message);
        QVERIFY(checkChosenDataFolder(DataFolder::State, QStringLiteral("/srv/sta")).passed);
    }

    // Defaults go only into empty boxes; OK's check stops at the first failure in table order.
    void defaultsAndTheFolderCheck()
    {
        FolderTexts texts;
        texts[int(DataFolder::ROMs)] = QStringLiteral("/data/My ROMs");
        fillEmptyFoldersWithDefaults(texts, QStringLiteral("/home/u/mame"));
        QCOMPARE(texts[int(DataFolder::ROMs)], QStringLiteral("/data/My ROMs"));
        QCOMPARE(texts[int(DataFolder::Ini)], QStringLiteral("/home/u/mame"));
        QCOMPARE(texts[int(DataFolder::Samples)], QStringLiteral("/home/u/mame/samples"));
        QVERIFY(texts[int(DataFolder::AdditionalROMs)].isEmpty() &&
                texts[int(DataFolder::Comments)].isEmpty() &&
                texts[int(DataFolder::MAME)].isEmpty());

        QTemporaryDir tmp;
        const QString mame = readyMameFolder(tmp);
        texts = FolderTexts();
        texts[int(DataFolder::MAME)] = mame;
        fillEmptyFoldersWithDefaults(texts, mame);
        QVERIFY(checkFolders(texts).allPassed());
        texts[int(DataFolder::Nvram)] = mame + QStringLiteral("/gone");
        texts[int(DataFolder::Ctrlr)].clear();
        FolderCheck check = checkFolders(texts);
        QVERIFY(check.failed == DataFolder::Nvram && check.failure.message == missing("Nvram"));
        QCOMPARE(check.paths[int(DataFolder::Cfg)], mame + QStringLiteral("/cfg"));
        QVERIFY(check.paths[int(DataFolder::Memcard)].isEmpty());
        texts[int(DataFolder::MAME)] = tmp.path();
        check = checkFolders(texts);
        QVERIFY(check.failed == DataFolder::MAME && check.failure.message == "Cannot find mame!");
    }
};

QTEST_GUILESS_MAIN(TestFolderRules)
#include "test_folderrules.moc"
