// MAME's lists under reports/: taken only when complete, old copies, the size of mame.
#include "app/Progress.h"
#include "gamedb/ListFiles.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

class RecordingProgress : public ProgressSink
{
public:
    void setMessage(const QString& message) override { messages << message; }
    void setCount(const QString&) override {}
    QStringList messages;
};

} // namespace

class TestListFiles : public QObject
{
    Q_OBJECT
private slots:
    // A first start's MAME commands run at once, so the wait is the slowest of them rather than
    // their sum; each output is taken only when complete. A MAME that dies half-way (a list
    // without its closing element) or answers nothing leaves no list (the usage report included:
    // it would describe another MAME), so the next start asks again.
    void mameListsAreMadeSideBySide()
    {
        TempProgram tp("velmora lists", "prog 'one'", "mame $(x)");
        const ProgramPaths paths = tp.paths();
        FakeMame mame(tp.mameFolder());
        mame.answer("-listxml", fixturePath("listxml-machine.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
        mame.answer("-showusage", fixturePath("help.txt"));
        mame.setDelay(1.5);
        RecordingProgress progress;
        QElapsedTimer elapsed;
        elapsed.start();
        MameListsResult result = CreateMameLists(paths, tp.mameFolder(), progress);
        QVERIFY2(elapsed.elapsed() < 3500, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(result.listsTaken() && result.usage == ListOutcome::Taken);
        QCOMPARE(TempProgram::readFile(paths.report("showusage.txt")),
                 TempProgram::readFile(fixturePath("help.txt")));
        QCOMPARE(progress.messages.first(), QString("Creating listxml.txt..."));
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files),
                 QStringList({"crcinfo.txt", "listxml.txt", "showusage.txt"}));

        mame.setDelay(0);
        const QByteArray full = TempProgram::readFile(fixturePath("listxml-machine.xml"));
        QVERIFY(TempProgram::writeFile(tp.root() + "/half.xml", full.left(full.size() / 2)));
        mame.answer("-listxml", tp.root() + "/half.xml");
        QCOMPARE(CreateListXml(paths, tp.mameFolder(), progress), ListOutcome::Incomplete);
        QVERIFY(!QFile::exists(paths.report("listxml.txt")));
        QCOMPARE(CreateCrcInfo(paths, tp.mameFolder(), progress), ListOutcome::Taken);
        QCOMPARE(progress.messages.last(), QString("Creating crcinfo.txt..."));
        mame.setSilentExit(0);
        result = CreateMameLists(paths, tp.mameFolder(), progress);
        QCOMPARE(result.exec, ExecOutcome::Ran);
        QCOMPARE(result.incompleteLists(), QString("listxml.txt and crcinfo.txt"));
        QCOMPARE(result.usage, ListOutcome::Incomplete);
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files), QStringList());
    }

    void completenessOfEachList()
    {
        TempProgram tp;
        const QString file = tp.root() + "/list.txt";
        for (const auto& [text, machineList] : std::initializer_list<std::pair<const char*, bool>>{
                 {"<mame>\n</mame>\n", true},
                 {"<mame>\r\n</mame>\r\n\r\n", true},
                 {"<mame>\n</mame>", true},
                 {"<mame>\n\t</machine>\n", false},
                 {"<mame>\n</ma", false},
                 {"", false}}) {
            QVERIFY(TempProgram::writeFile(file, text));
            QVERIFY2(isCompleteMachineList(file) == machineList, text);
            QCOMPARE(isCompleteChecksumList(file), *text != 0);
        }
        QVERIFY(!isCompleteMachineList(tp.root() + "/none") &&
                !isCompleteChecksumList(tp.root() + "/none"));
    }

    void oldCopiesReplaceThePreviousOnes()
    {
        TempProgram tp;
        const ProgramPaths paths = tp.paths();
        QVERIFY(KeepOldListXml(paths)); // nothing to keep yet
        QVERIFY(!QFile::exists(paths.report("oldlistxml.txt")));
        QVERIFY(TempProgram::writeFile(paths.report("listxml.txt"), "new list"));
        QVERIFY(TempProgram::writeFile(paths.report("oldlistxml.txt"), "much older list"));
        QVERIFY(TempProgram::writeFile(paths.report("crcinfo.txt"), "new crc"));
        QVERIFY(KeepOldListXml(paths) && KeepOldCrcInfo(paths));
        QCOMPARE(TempProgram::readFile(paths.report("oldlistxml.txt")), QByteArray("new list"));
        QCOMPARE(TempProgram::readFile(paths.report("oldcrcinfo.txt")), QByteArray("new crc"));
        QCOMPARE(TempProgram::readFile(paths.report("listxml.txt")), QByteArray("new list"));
    }

    void sizeOfMameFollowsTheLinkAndChangesNeedAStoredSize()
    {
        TempProgram tp;
        QCOMPARE(currentMameSize(tp.mameFolder()), 0);
        const QString target = tp.root() + "/real-mame";
        QVERIFY(TempProgram::writeFile(target, QByteArray(12345, 'x')));
        QVERIFY(tp.linkMame(target));
        QCOMPARE(currentMameSize(tp.mameFolder()), 12345);
        QFile::remove(target); // a link to nothing is no mame
        QCOMPARE(currentMameSize(tp.mameFolder()), 0);

        // A stored size of 0 is unknown.
        QVERIFY(isMameChanged(12345, 12346) && !isMameChanged(12345, 12345) &&
                !isMameChanged(0, 1));
    }

    void derivedFilesAreAllFour()
    {
        TempProgram tp;
        const ProgramPaths paths = tp.paths();
        const QStringList names = {"listxml.txt", "gameinfo.txt", "crcinfo.txt", "resource.txt"};
        for (const QString& name : names)
            QVERIFY(TempProgram::writeFile(paths.report(name), "x"));
        QVERIFY(!derivedFilesMissing(paths));
        for (const QString& name : names) {
            QFile::rename(paths.report(name), paths.report(name + ".away"));
            QVERIFY2(derivedFilesMissing(paths), qPrintable(name));
            QFile::rename(paths.report(name + ".away"), paths.report(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestListFiles)
#include "test_listfiles.moc"
