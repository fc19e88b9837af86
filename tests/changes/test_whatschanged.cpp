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

const auto view = [](const QByteArray& b) {
    return std::string_view(b.constData(), size_t(b.size()));
};

// Texts that provoke the compares' odd corners when dropped into a list.
const char* const kSnippets[] = {
    "<game n", "<game r",       "<machine n", "<machine r", "name=\"",     "\"",
    "<desc",   "<description>", "<",          "\n",         "\t",          "\r\n",
    "<gam",    "e n",           "<machi",     "ne name=",   "</game>\n\t", "x"};

struct Maker
{
    QRandomGenerator rng;
    int below(int n) { return int(rng.bounded(quint32(n))); }
    bool chance(int percent) { return below(100) < percent; }
    QByteArray pick(std::initializer_list<const char*> l)
    {
        return l.begin()[below(int(l.size()))];
    }

    QByteArray game(const QByteArray& element)
    {
        QByteArray text = "<" + element + (chance(15) ? " runnable=\"no\"" : "") + " name=\"" +
                          pick({"a", "ab", "abc", "b", "ba", "pac", "pacman", "mspacman", "x"}) +
                          "\" sourcefile=\"s.cpp\">\n\t\t<description>" +
                          pick({"Pac", "Pac-Man", "Pac-Man (Midway)", "B", "Ms. Pac-Man", ""}) +
                          "</description>\n\t\t<year>19" + QByteArray::number(80 + below(4)) +
                          "</year>\n";
        if (chance(30))
            text += "\t\t<rom name=\"r" + QByteArray::number(below(3)) + "\" size=\"4\"/>\n";
        return text + "\t</" + element + ">\n\t";
    }

    // One game's checksum lines, each ended by LF.
    QByteArray crcBlock(bool tabbed)
    {
        const QByteArray key = pick({"pacman", "puckman", "pac", "namco51", "neogeo", "", "x y"});
        QByteArray block;
        for (int n = 1 + below(3); n > 0; --n) {
            const QByteArray crc = QByteArray::number(rng.bounded(16u), 16).repeated(8);
            const QByteArray rom = crc + " rom" + QByteArray::number(below(4)) + ".bin";
            block += (tabbed ? rom + "       \t" + key + "   \tThe " + key
                             : rom + " " + key + (chance(10) ? " " : "")) +
                     "\n";
        }
        return block;
    }

    // Up to `most` pieces of a list, and the previous list's: a few removed, added, moved,
    // repeated and changed.
    std::pair<QList<QByteArray>, QList<QByteArray>>
    pieces(int most, const std::function<QByteArray()>& fresh,
           const std::function<void(QByteArray&)>& change)
    {
        QList<QByteArray> now;
        for (int n = below(most + 1); n > 0; --n)
            now << fresh();
        QList<QByteArray> pieces = now;
        for (int n = below(4); n > 0; --n) {
            const int at = pieces.isEmpty() ? 0 : below(int(pieces.size()));
            const int op = below(5);
            if (op == 1)
                pieces.insert(at, fresh());
            else if (pieces.isEmpty())
                continue;
            else if (op == 0)
                pieces.removeAt(at);
            else if (op == 2)
                pieces.swapItemsAt(at, below(int(pieces.size())));
            else if (op == 3)
                pieces.insert(at, pieces[at]);
            else
                change(pieces[at]);
        }
        return {now, pieces};
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

    // Both machine list layouts, another layout or build in the previous list, other closings.
    std::pair<QByteArray, QByteArray> machineLists()
    {
        const QByteArray element = chance(50) ? "machine" : "game";
        auto [games, oldGames] = pieces(
            9, [&] { return game(element); },
            [&](QByteArray& g) {
                if (const int how = below(3); how == 0) // the shorter form is a prefix
                    g += "<!-- more -->\n\t";
                else
                    g.replace(how == 1 ? "<year>19" : "Pac", how == 1 ? "<year>20" : "Puck");
            });
        if (chance(5))
            for (QByteArray& g : oldGames)
                g.replace("machine", "game");
        const auto list = [](const char* build, const QList<QByteArray>& pieces) {
            return "<?xml version=\"1.0\"?>\n<mame build=\"" + QByteArray(build) + "\">\n\t" +
                   pieces.join();
        };
        const QByteArray closing = chance(80) ? "</mame>\n" : "</mame>";
        QByteArray newList = list("0.251", games) + closing;
        QByteArray oldList = list(chance(50) ? "0.251" : "0.250", oldGames);
        oldList += chance(80) ? closing : QByteArray("</mame>\n\n");
        if (chance(40))
            sprinkle(chance(50) ? newList : oldList, 1 + below(4));
        if (chance(5))
            newList.replace("\n", "");
        return {newList, oldList};
    }

    // Both checksum layouts; blocks reordered inside, shortened; LF or CR LF, last one missing.
    std::pair<QByteArray, QByteArray> checksumLists()
    {
        const bool tabbed = chance(70);
        const auto [blocks, oldBlocks] = pieces(
            7, [&] { return crcBlock(tabbed); },
            [&](QByteArray& block) {
                QList<QByteArray> lines = block.chopped(1).split('\n');
                std::reverse(lines.begin(), lines.end());
                if (chance(50) && lines.size() > 1)
                    lines.removeLast();
                block = lines.join('\n') + '\n';
            });
        const auto text = [&](const QList<QByteArray>& list) {
            QByteArray t = list.join();
            if (chance(50))
                t.replace("\n", "\r\n");
            if (chance(20))
                t.chop(1);
            return t;
        };
        QByteArray newList = text(blocks), oldList = text(oldBlocks);
        if (chance(15))
            sprinkle(chance(50) ? newList : oldList, 1 + below(3));
        return {newList, oldList};
    }
};

} // namespace

class WhatsChangedTest : public QObject
{
    Q_OBJECT
private slots:
    void generatedListsMatchTheReference()
    {
        CompareMonitor quiet;
        for (quint32 seed = 1; seed <= 1300; ++seed) {
            Maker m{QRandomGenerator(seed)};
            const bool machines = seed % 5 < 3;
            const auto [newList, oldList] = machines ? m.machineLists() : m.checksumLists();
            int unusable = 0;
            const QByteArray wanted = machines
                                          ? referenceMachineChanges(newList, oldList, &unusable)
                                          : referenceRomChanges(newList, oldList);
            const CompareResult r = machines
                                        ? compareMachineLists(view(newList), view(oldList), quiet)
                                        : compareRomLists(view(newList), view(oldList), quiet);
            using O = CompareResult::Outcome;
            const int gotUnusable = r.outcome == O::NewListUnusable   ? 1
                                    : r.outcome == O::OldListUnusable ? 2
                                                                      : 0;
            const QByteArray got = r.outcome == O::Changed ? r.report : "";
            QVERIFY2(got == wanted && gotUnusable == unusable,
                     "seed " + QByteArray::number(seed) + ":\n" + got + "\nwanted:\n" + wanted);
        }
    }

    // Reports worked out by hand, from the program and from the reference: a game only in the
    // previous checksum list is not listed, a reordered and a new one are; a changed description
    // is listed twice, a removed game with its old description.
    void handCheckedReports()
    {
        CompareMonitor quiet;
        const QByteArray oldCrc = "1 a.bin\tpacman\tPac-Man\n9 z.bin\tgone\tGone\n"
                                  "3 c.bin\tgalaga\tGalaga\n4 d.bin\tgalaga\tGalaga\n";
        const QByteArray newCrc = "1 a.bin\tpacman\tPac-Man\n4 d.bin\tgalaga\tGalaga\n"
                                  "3 c.bin\tgalaga\tGalaga\n5 e.bin\tnew\tNew\n";
        const QByteArray
            head = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n",
            a = "\t<machine name=\"a\">\n\t\t<description>A</description>\n\t</machine>\n\t",
            b = QByteArray(a).replace("\"a\"", "\"b\"").replace(">A<", ">B<");
        const QByteArray oldXml = head + a + b + "</mame>\n",
                         newXml = head + QByteArray(b).replace(">B<", ">C<") + "</mame>\n";
        const char* const crcTail = "Game \r\n\r\ngalaga\r\nnew\r\n";
        const char* const xmlTail = "Description\r\n\r\nb\tC\r\na\tA\r\nb\tB\r\n";
        const std::pair<QByteArray, const char*> reports[] = {
            {compareRomLists(view(newCrc), view(oldCrc), quiet).report, crcTail},
            {referenceRomChanges(newCrc, oldCrc), crcTail},
            {compareMachineLists(view(newXml), view(oldXml), quiet).report, xmlTail},
            {referenceMachineChanges(newXml, oldXml), xmlTail}};
        for (const auto& [report, tail] : reports)
            QVERIFY2(report.endsWith(tail), report);
    }

    void elapsedTimeAndProgressTexts()
    {
        const std::pair<double, const char*> times[] = {
            {0.2, "0 Seconds"}, {59.4, "59 Seconds"}, {59.6, "1 Minute(s)"}, {200, "3 Minute(s)"}};
        for (const auto& [seconds, text] : times)
            QCOMPARE(elapsedTimeText(seconds), QString("Elapsed Time: ") + text);
        QCOMPARE(progressText(ChangeReport::RomsInfo, 1, 1000), QStringLiteral("Progress: %"));
        QCOMPARE(progressText(ChangeReport::AllInfo, 1, 1000), QStringLiteral("Progress: 0%"));
        QCOMPARE(progressText(ChangeReport::AllInfo, 2, 3), QStringLiteral("Progress: 67%"));
    }
};

QTEST_GUILESS_MAIN(WhatsChangedTest)
#include "test_whatschanged.moc"
