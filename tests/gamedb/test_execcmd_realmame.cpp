#include "gamedb/ExecCmd.h"
#include "gamedb/MameCommands.h"
#include "support/TempProgram.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kRealMame = QStringLiteral("/usr/games/mame");

QList<QByteArray> linesOf(const QString& path)
{
    return TempProgram::readFile(path).split('\n');
}

} // namespace

// Debian's MAME behind a "mame" link in the MAME folder, run through the same command lines the
// program uses; checks the parts of the outputs that the program reads.
class TestExecCmdRealMame : public QObject
{
    Q_OBJECT
private:
    TempProgram m_tp{"velmora real", "program folder", "mame folder"};

private slots:
    void initTestCase()
    {
        if (!QFile::exists(kRealMame))
            QSKIP("Debian's mame is not installed");
        QVERIFY(m_tp.isValid());
        m_tp.setTemporaryHome();
        QVERIFY(m_tp.linkMame(kRealMame));
    }

    void helpNamesTheVersion()
    {
        const QString target = m_tp.paths().report("version.txt");
        QCOMPARE(ExecCmd(MameCommands::help(target), WindowStyle::Minimised, m_tp.mameFolder()),
                 ExecOutcome::Ran);
        QByteArray versionLine;
        for (const QByteArray& line : linesOf(target))
            if (line.startsWith("MAME ") || line.startsWith("M.A.M.E.")) {
                versionLine = line;
                break;
            }
        QVERIFY2(!versionLine.isEmpty(), TempProgram::readFile(target).left(200).constData());
        const QByteArray version = versionLine.left(versionLine.indexOf('(')).trimmed();
        QVERIFY2(
            QRegularExpression("^MAME v?0\\.\\d+$").match(QString::fromLatin1(version)).hasMatch(),
            version.constData());
    }

    void fullMachineListIsComplete()
    {
        const QString target = m_tp.paths().report("listxml.txt");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ExecCmd(MameCommands::listXml(target), WindowStyle::Minimised, m_tp.mameFolder()),
                 ExecOutcome::Ran);
        qInfo("mame -listxml took %lld ms", clock.elapsed());

        QFile list(target);
        QVERIFY(list.open(QIODevice::ReadOnly));
        QByteArray firstMachine;
        while (!list.atEnd() && firstMachine.isEmpty()) {
            const QByteArray line = list.readLine();
            if (line.contains("<machine ") || line.contains("<game "))
                firstMachine = line;
        }
        QVERIFY2(firstMachine.startsWith("\t<machine name="), firstMachine.constData());
        QVERIFY(list.size() > 16);
        list.seek(list.size() - 16);
        QVERIFY(list.readAll().trimmed().endsWith("</mame>"));
    }
};

QTEST_GUILESS_MAIN(TestExecCmdRealMame)
#include "test_execcmd_realmame.moc"
