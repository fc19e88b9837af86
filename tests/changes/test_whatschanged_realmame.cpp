// The What's Changed compares on lists from Debian's real MAME: the machines whose names start
// with "pa" (a few hundred, with the devices they use). Identical lists show no change; previous
// lists made by changing, removing and reordering games give the reference compares' reports.
#include "WhatsChangedReference.h"
#include "changes/MachineChanges.h"
#include "changes/RomChanges.h"
#include "support/RealMame.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

std::string_view view(const QByteArray& b)
{
    return std::string_view(b.constData(), size_t(b.size()));
}

QByteArray mameList(const QString& option)
{
    QTemporaryDir home;
    QProcess mame;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    mame.setProcessEnvironment(env);
    mame.start(QStringLiteral("/usr/games/mame"), {option, QStringLiteral("pa*")});
    mame.waitForFinished(120000);
    return mame.readAllStandardOutput();
}

// Splits before every `marker`; the first piece is what comes before the first one.
QList<QByteArray> pieces(const QByteArray& text, const QByteArray& marker)
{
    QList<QByteArray> out;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(marker, 1); at >= 0; at = text.indexOf(marker, at + 1)) {
        out << text.mid(from, at - from);
        from = at;
    }
    return out << text.mid(from);
}

// A previous list: a few pieces changed, removed and moved (never the first or the last).
QByteArray edited(QList<QByteArray> list, quint32 seed, const QByteArray& from,
                  const QByteArray& to)
{
    QRandomGenerator rng(seed);
    const auto inner = [&] { return 1 + int(rng.bounded(quint32(list.size() - 2))); };
    for (int i = 0; i < 8; ++i) {
        list[inner()].replace(from, to);
        list.removeAt(inner());
        list.move(inner(), inner());
    }
    return list.join();
}

} // namespace

class WhatsChangedRealMameTest : public QObject
{
    Q_OBJECT
private slots:
    void realListsMatchTheReference();
};

void WhatsChangedRealMameTest::realListsMatchTheReference()
{
    SKIP_WITHOUT_REAL_MAME();
    const QByteArray xml = mameList(QStringLiteral("-listxml"));
    const QByteArray crc = mameList(QStringLiteral("-listcrc"));
    QVERIFY(xml.count("<machine name=") > 300);
    QVERIFY(crc.count('\n') > 1000);
    CompareMonitor quiet;

    QCOMPARE(compareMachineLists(view(xml), view(xml), quiet).outcome,
             CompareResult::Outcome::Unchanged);
    QCOMPARE(compareRomLists(view(crc), view(crc), quiet).outcome,
             CompareResult::Outcome::Unchanged);

    const QList<QByteArray> machines = pieces(xml, "\t<machine name=");
    QList<QByteArray> crcLines = crc.split('\n');
    for (QByteArray& line : crcLines)
        line += '\n';
    for (quint32 seed = 1; seed <= 4; ++seed) {
        const QByteArray oldXml = edited(machines, seed, "<year>", "<year>1");
        const CompareResult all = compareMachineLists(view(xml), view(oldXml), quiet);
        QCOMPARE(all.outcome, CompareResult::Outcome::Changed);
        QCOMPARE(all.report, referenceMachineChanges(xml, oldXml));

        const QByteArray oldCrc = edited(crcLines, seed, "\t", "0\t");
        const CompareResult roms = compareRomLists(view(crc), view(oldCrc), quiet);
        QCOMPARE(roms.report, referenceRomChanges(crc, oldCrc));
    }
}

QTEST_GUILESS_MAIN(WhatsChangedRealMameTest)
#include "test_whatschanged_realmame.moc"
