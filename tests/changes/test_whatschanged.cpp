// The What's Changed compares against the plain reference compares on generated lists: both
// layouts of the machine list, both layouts of the checksum list, with games removed, added,
// reordered, duplicated, sharing prefixes, changed headers and closing texts, and odd bytes
// dropped in anywhere.
#include "WhatsChangedReference.h"
#include "changes/MachineChanges.h"
#include "changes/RomChanges.h"
#include "changes/WhatsChanged.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

std::string_view view(const QByteArray& b)
{
    return std::string_view(b.constData(), size_t(b.size()));
}

QByteArray outcomeText(const CompareResult& r)
{
    switch (r.outcome) {
    case CompareResult::Outcome::Changed:
        return r.report;
    case CompareResult::Outcome::NewListUnusable:
        return "unusable 1";
    case CompareResult::Outcome::OldListUnusable:
        return "unusable 2";
    default:
        return {};
    }
}

// Texts that provoke the compares' odd corners when dropped into a list.
const char* const kSnippets[] = {
    "<game n", "<game r",       "<machine n", "<machine r", "name=\"",     "\"",
    "<desc",   "<description>", "<",          "\n",         "\t",          "\r\n",
    "<gam",    "e n",           "<machi",     "ne name=",   "</game>\n\t", "x"};

class Maker
{
public:
    explicit Maker(quint32 seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng.bounded(quint32(n))); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T& pick(const QList<T>& list)
    {
        return list[below(int(list.size()))];
    }

    // ---- machine lists
    QByteArray game(const QByteArray& element)
    {
        static const QList<QByteArray> names = {"a",   "ab",     "abc",      "b", "ba",
                                                "pac", "pacman", "mspacman", "x", "neogeo"};
        static const QList<QByteArray> descriptions = {
            "Pac", "Pac-Man", "Pac-Man (Midway)", "B", "Ms. Pac-Man", "", "Neo-Geo"};
        const QByteArray open =
            chance(15) ? "<" + element + " runnable=\"no\" name=\"" : "<" + element + " name=\"";
        QByteArray text = open + pick(names) + "\" sourcefile=\"s.cpp\">\n\t\t<description>" +
                          pick(descriptions) + "</description>\n\t\t<year>19" +
                          QByteArray::number(80 + below(4)) + "</year>\n";
        if (chance(30))
            text += "\t\t<rom name=\"r" + QByteArray::number(below(3)) + "\" size=\"4\"/>\n";
        return text + "\t</" + element + ">\n\t";
    }

    QList<QByteArray> games(const QByteArray& element, int most)
    {
        QList<QByteArray> list;
        for (int n = below(most + 1); n > 0; --n)
            list << game(element);
        return list;
    }

    QByteArray machineList(const QList<QByteArray>& games, const QByteArray& version,
                           const QByteArray& closing)
    {
        QByteArray text = "<?xml version=\"1.0\"?>\n<mame build=\"" + version + "\">\n\t";
        for (const QByteArray& g : games)
            text += g;
        return text + closing;
    }

    void mutateGames(QList<QByteArray>& games, const QByteArray& element)
    {
        for (int n = below(4); n > 0; --n) {
            const int at = games.isEmpty() ? 0 : below(int(games.size()));
            switch (below(7)) {
            case 0:
                if (!games.isEmpty())
                    games.removeAt(at);
                break;
            case 1:
                games.insert(at, game(element));
                break;
            case 2:
                if (games.size() > 1)
                    games.swapItemsAt(at, below(int(games.size())));
                break;
            case 3:
                if (!games.isEmpty())
                    games.insert(at, games[at]);
                break;
            case 4: // a longer form of a game: the shorter one is a prefix of it
                if (!games.isEmpty())
                    games[at] += "<!-- more -->\n\t";
                break;
            case 5:
                if (!games.isEmpty())
                    games[at].replace("<year>19", "<year>20");
                break;
            default:
                if (!games.isEmpty())
                    games[at].replace("Pac", "Puck");
            }
        }
    }

    void sprinkle(QByteArray& text, int times)
    {
        for (; times > 0; --times) {
            const int at = below(int(text.size()) + 1);
            if (chance(30) && !text.isEmpty())
                text.remove(at, below(8));
            else
                text.insert(at, kSnippets[below(int(std::size(kSnippets)))]);
        }
    }

    // ---- checksum lists
    QList<QByteArray> crcBlock(const QByteArray& key, bool tabbed)
    {
        QList<QByteArray> lines;
        for (int n = 1 + below(3); n > 0; --n) {
            const QByteArray crc = QByteArray::number(m_rng.bounded(16u), 16).repeated(8);
            const QByteArray rom = "rom" + QByteArray::number(below(4)) + ".bin";
            lines << (tabbed ? crc + " " + rom + "       \t" + key + "   \tThe " + key
                             : crc + " " + rom + " " + key + (chance(10) ? " " : ""));
        }
        return lines;
    }

    QByteArray crcText(const QList<QList<QByteArray>>& blocks)
    {
        const QByteArray end = chance(50) ? "\r\n" : "\n";
        QByteArray text;
        for (const QList<QByteArray>& block : blocks)
            for (const QByteArray& line : block)
                text += line + (chance(5) ? QByteArray("\n") : end);
        if (chance(20) && !text.isEmpty())
            text.chop(1);
        return text;
    }

private:
    QRandomGenerator m_rng;
};

} // namespace

class WhatsChangedTest : public QObject
{
    Q_OBJECT
private slots:
    void machineListsMatchTheReference();
    void checksumListsMatchTheReference();
    void identicalAndMissingGames();
    void elapsedTimeAndProgressTexts();
};

void WhatsChangedTest::machineListsMatchTheReference()
{
    CompareMonitor quiet;
    for (quint32 seed = 1; seed <= 800; ++seed) {
        Maker m(seed);
        const QByteArray element = m.chance(50) ? "machine" : "game";
        const QList<QByteArray> games = m.games(element, 9);
        QList<QByteArray> oldGames = games;
        m.mutateGames(oldGames, element);
        const QByteArray closing = m.chance(80) ? "</mame>\n" : "</mame>";
        QByteArray newList = m.machineList(games, "0.251", closing);
        if (m.chance(5)) // a previous list of the other layout
            for (QByteArray& g : oldGames)
                g.replace("machine", "game");
        QByteArray oldList = m.machineList(oldGames, m.chance(50) ? "0.251" : "0.250",
                                           m.chance(80) ? closing : QByteArray("</mame>\n\n"));
        if (m.chance(40))
            m.sprinkle(m.chance(50) ? newList : oldList, 1 + m.below(4));
        if (m.chance(5))
            newList.replace("\n", "");

        int unusable = 0;
        const QByteArray expected = referenceMachineChanges(newList, oldList, &unusable);
        const QByteArray actual =
            outcomeText(compareMachineLists(view(newList), view(oldList), quiet));
        const QByteArray wanted = unusable ? "unusable " + QByteArray::number(unusable) : expected;
        QVERIFY2(actual == wanted,
                 qPrintable(QStringLiteral("seed %1\nnew:\n%2\nold:\n%3\ngot:\n%4\nwanted:\n%5")
                                .arg(seed)
                                .arg(QString::fromLatin1(newList), QString::fromLatin1(oldList),
                                     QString::fromLatin1(actual), QString::fromLatin1(wanted))));
    }
}

void WhatsChangedTest::checksumListsMatchTheReference()
{
    CompareMonitor quiet;
    const QList<QByteArray> keys = {"pacman", "puckman", "pac", "namco51", "neogeo", "", "x y"};
    for (quint32 seed = 1; seed <= 500; ++seed) {
        Maker m(seed);
        const bool tabbed = m.chance(70);
        QList<QList<QByteArray>> blocks;
        for (int n = m.below(8); n > 0; --n)
            blocks << m.crcBlock(m.pick(keys), tabbed);
        QList<QList<QByteArray>> oldBlocks = blocks;
        for (int n = m.below(4); n > 0 && !oldBlocks.isEmpty(); --n) {
            const int at = m.below(int(oldBlocks.size()));
            switch (m.below(5)) {
            case 0:
                oldBlocks.removeAt(at);
                break;
            case 1:
                oldBlocks.insert(at, m.crcBlock(m.pick(keys), tabbed));
                break;
            case 2:
                oldBlocks.swapItemsAt(at, m.below(int(oldBlocks.size())));
                break;
            case 3:
                if (oldBlocks[at].size() > 1)
                    oldBlocks[at].swapItemsAt(0, 1); // the same lines in another order
                break;
            default:
                if (!oldBlocks[at].isEmpty())
                    oldBlocks[at].removeLast();
            }
        }
        QByteArray newList = m.crcText(blocks), oldList = m.crcText(oldBlocks);
        if (m.chance(15))
            m.sprinkle(m.chance(50) ? newList : oldList, 1 + m.below(3));

        const QByteArray expected = referenceRomChanges(newList, oldList);
        const QByteArray actual = outcomeText(compareRomLists(view(newList), view(oldList), quiet));
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("seed %1\nnew:\n%2\nold:\n%3")
                                .arg(seed)
                                .arg(QString::fromLatin1(newList), QString::fromLatin1(oldList))));
    }
}

void WhatsChangedTest::identicalAndMissingGames()
{
    CompareMonitor quiet;
    // A device's ROMs printed under every machine that uses it: identical lists show no change.
    const QByteArray crc = "1 a.bin\tpacman\tPac-Man\n2 b.bin\tnamco51\tNamco 51xx\n"
                           "3 c.bin\tgalaga\tGalaga\n2 b.bin\tnamco51\tNamco 51xx\n";
    QCOMPARE(compareRomLists(view(crc), view(crc), quiet).outcome,
             CompareResult::Outcome::Unchanged);
    // A game only in the previous list is not listed; a new one and a reordered one are.
    const QByteArray oldCrc = "1 a.bin\tpacman\tPac-Man\n9 z.bin\tgone\tGone\n"
                              "3 c.bin\tgalaga\tGalaga\n4 d.bin\tgalaga\tGalaga\n";
    const QByteArray newCrc = "1 a.bin\tpacman\tPac-Man\n4 d.bin\tgalaga\tGalaga\n"
                              "3 c.bin\tgalaga\tGalaga\n5 e.bin\tnew\tNew\n";
    QVERIFY(compareRomLists(view(newCrc), view(oldCrc), quiet)
                .report.endsWith("Game \r\n\r\ngalaga\r\nnew\r\n"));

    // A changed description is listed twice, a removed game with its old description, a changed
    // header alone not at all.
    const QByteArray a =
        "\t<machine name=\"a\">\n\t\t<description>A</description>\n\t</machine>\n\t";
    const QByteArray b =
        "\t<machine name=\"b\">\n\t\t<description>B</description>\n\t</machine>\n\t";
    const QByteArray b2 =
        "\t<machine name=\"b\">\n\t\t<description>C</description>\n\t</machine>\n\t";
    const QByteArray head = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n";
    const QByteArray oldHead = "<?xml version=\"1.0\"?>\n<mame build=\"0.250\">\n";
    const QByteArray oldList = oldHead + a + b + "</mame>\n";
    QCOMPARE(compareMachineLists(view(head + a + b + "</mame>\n"), view(oldList), quiet).outcome,
             CompareResult::Outcome::Unchanged);
    QVERIFY(compareMachineLists(view(head + b2 + "</mame>\n"), view(oldList), quiet)
                .report.endsWith("Description\r\n\r\nb\tC\r\na\tA\r\nb\tB\r\n"));
    QCOMPARE(compareMachineLists(view(QByteArray("\x01\x02garbage")), view(oldList), quiet).outcome,
             CompareResult::Outcome::NewListUnusable);
}

void WhatsChangedTest::elapsedTimeAndProgressTexts()
{
    QCOMPARE(elapsedTimeText(0.2), QStringLiteral("Elapsed Time: 0 Seconds"));
    QCOMPARE(elapsedTimeText(59.4), QStringLiteral("Elapsed Time: 59 Seconds"));
    QCOMPARE(elapsedTimeText(59.6), QStringLiteral("Elapsed Time: 1 Minute(s)"));
    QCOMPARE(elapsedTimeText(200), QStringLiteral("Elapsed Time: 3 Minute(s)"));
    QCOMPARE(progressText(ChangeReport::RomsInfo, 1, 1000), QStringLiteral("Progress: %"));
    QCOMPARE(progressText(ChangeReport::AllInfo, 1, 1000), QStringLiteral("Progress: 0%"));
    QCOMPARE(progressText(ChangeReport::AllInfo, 2, 3), QStringLiteral("Progress: 67%"));
}

QTEST_GUILESS_MAIN(WhatsChangedTest)
#include "test_whatschanged.moc"
