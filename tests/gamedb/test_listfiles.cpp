// MAME's lists under reports/: made side by side, taken only when complete, the size of mame.
#include "app/Progress.h"
#include "gamedb/ListFiles.h"
#include "gamedb/ListProgress.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct RecordingProgress : NullProgress
{
    void setMessage(const QString& message) override { messages << message; }
    void setCount(const QString& count) override { counts << count; }
    void setProgress(qint64 value, qint64 maximum) override { bar = {value, maximum}; }
    QStringList messages;
    QStringList counts;
    std::pair<qint64, qint64> bar;
};

bool append(const QString& file, const QByteArray& text)
{
    QFile f(file);
    return f.open(QIODevice::Append) && f.write(text) == text.size();
}

} // namespace

class TestListFiles : public QObject
{
    Q_OBJECT
private slots:
    // A first start's MAME commands run at once, so the wait is the slowest of them rather than
    // their sum. A MAME that answers nothing leaves no list (the usage report included: it would
    // describe another MAME), so the next start asks again.
    void mameListsAreMadeSideBySide()
    {
        TempProgram tp("velmora lists", "prog 'one'", "mame $(x)");
        const ProgramPaths paths = tp.paths();
        FakeMame mame(tp.mameFolder());
        mame.answer("-listxml", fixturePath("listxml-machine.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
        mame.answer("-showusage", fixturePath("help.txt"));
        mame.answer("-showconfig", fixturePath("help.txt"));
        mame.setDelay(1.5);
        RecordingProgress progress;
        QElapsedTimer elapsed;
        elapsed.start();
        MameListsResult result = CreateMameLists(paths, tp.mameFolder(), progress);
        QVERIFY2(elapsed.elapsed() < 3500, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(result.listsTaken() && result.usage == ListOutcome::Taken);
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files),
                 QStringList({"crcinfo.txt", "listxml.txt", "showconfig.txt", "showusage.txt"}));
        QCOMPARE(progress.messages.first(), QString("Creating listxml.txt..."));

        mame.setSilentExit(0);
        result = CreateMameLists(paths, tp.mameFolder(), progress);
        QCOMPARE(result.incompleteLists(), QString("listxml.txt and crcinfo.txt"));
        QCOMPARE(result.usage, ListOutcome::Incomplete);
        QCOMPARE(QDir(paths.reportsFolder()).entryList(QDir::Files), QStringList());
    }

    // While MAME writes its machine list the machines are counted as the file grows, one whose
    // tag is cut between two looks included, and the bar follows the bytes against the estimate;
    // the count and the bar go when the wait is over.
    void progressCountsMachinesAsTheListGrows()
    {
        TempProgram tp;
        const QString file = tp.root() + "/listxml.txt.part";
        RecordingProgress progress;
        {
            const ListProgress shown(file, 100, ListProgress::Count::Machines, progress);
            QCOMPARE(progress.counts.last(), QString("0 machines listed, 0 s"));
            QVERIFY(append(file, "<mame>\n\t<machine name=\"a\">\n\t</machine>\n\t<mach"));
            QTRY_COMPARE(shown.machines(), 1);
            QVERIFY(append(file, "ine name=\"b\">\n<game name=\"c\"><machine  "));
            QTRY_COMPARE(shown.machines(), 4);
            QTRY_COMPARE(progress.bar, std::make_pair(qint64(84), qint64(100)));
            QVERIFY(progress.counts.last().startsWith("4 machines listed, "));
        }
        QVERIFY(progress.counts.last().isEmpty() && progress.bar.second == 0);
    }

    // A machine list is complete when it ends with its closing element, whatever line ends
    // follow. The size of mame follows Debian's link to the program; a link to nothing is no
    // mame. The database is missing when any of the four files built from MAME's lists is.
    void completenessSizeAndDerivedFiles()
    {
        TempProgram tp;
        const QString file = tp.root() + "/list.txt";
        for (const auto& [text, complete] : std::initializer_list<std::pair<const char*, bool>>{
                 {"<mame>\r\n</mame>\r\n\r\n", true},
                 {"<mame>\n</mame>", true},
                 {"<mame>\n\t</machine>\n", false},
                 {"<mame>\n</ma", false}}) {
            QVERIFY(TempProgram::writeFile(file, text));
            QVERIFY2(isCompleteMachineList(file) == complete, text);
        }

        QCOMPARE(currentMameSize(tp.mameFolder()), 0);
        const QString target = tp.root() + "/real-mame";
        QVERIFY(TempProgram::writeFile(target, QByteArray(12345, 'x')) && tp.linkMame(target));
        QCOMPARE(currentMameSize(tp.mameFolder()), 12345);
        QFile::remove(target);
        QCOMPARE(currentMameSize(tp.mameFolder()), 0);

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
