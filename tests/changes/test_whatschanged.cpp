// The What's Changed compares on small pairs of lists whose reports were worked out by hand: one
// pair for every kind of change and for every rule of where a game's text starts and ends. The
// plain reference compares (which the real-MAME test measures the program against) must give the
// same reports.
#include "WhatsChangedReference.h"
#include "changes/MachineChanges.h"
#include "changes/RomChanges.h"
#include "changes/WhatsChanged.h"

#include <QtTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const auto view = [](const QByteArray& b) { return std::string_view(b.data(), size_t(b.size())); };

// A machine list of blank-separated games "name" or "name=Description" (by default the name in
// capitals). A leading ! marks a game not runnable, a trailing ~ gives it another year and a
// trailing # puts a comment after its element.
QByteArray xml(const QByteArray& games, const QByteArray& element = "machine")
{
    QByteArray list = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n\t";
    for (QByteArray g : games.split(' ')) {
        const bool runnable = !g.startsWith('!'), later = g.contains('~'), more = g.contains('#');
        const QList<QByteArray> name =
            g.replace("!", "").replace("~", "").replace("#", "").split('=');
        list += "<" + element + (runnable ? "" : " runnable=\"no\"") + " name=\"" + name[0] +
                "\">\n\t\t<description>" + name.value(1, name[0].toUpper()) +
                "</description>\n\t\t<year>" + (later ? "1982" : "1981") + "</year>\n\t</" +
                element + ">\n\t" + (more ? "<!-- more -->\n\t" : "");
    }
    return list + "</mame>\n";
}

const auto flat = [](QByteArray list) { return list.replace("\n", ""); };
// A checksum list with | for its line ends.
const auto crc = [](const char* lines) { return QByteArray(lines).replace('|', '\n'); };

struct Case
{
    QByteArray now, before;
    const char* listed; // the report's lines with | for CR LF; empty when nothing changed
};

// Each pair's report from the program and from the reference: the heading and the lines listed.
template <typename Compare, typename Reference>
void checkReports(const QList<Case>& cases, const QByteArray& head, Compare compare,
                  Reference reference)
{
    CompareMonitor quiet;
    for (const auto& [now, before, listed] : cases) {
        const QByteArray report = *listed ? head + QByteArray(listed).replace("|", "\r\n") : "";
        const CompareResult r = compare(view(now), view(before), quiet);
        QVERIFY2(r.report == report &&
                     (r.outcome == CompareResult::Outcome::Changed) == (*listed != 0),
                 listed + QByteArray(" wanted, got ") + r.report.mid(head.size()));
        QCOMPARE(reference(now, before), report);
    }
}

} // namespace

class WhatsChangedTest : public QObject
{
    Q_OBJECT
private slots:
    // Chunks are matched anywhere in what is left of the previous list; the last one carries the
    // closing text; a changed description is listed twice, a listed line is not repeated (nor
    // one that is part of a listed line); text left over without a name lists an empty one.
    void machineLists()
    {
        const QList<Case> cases = {
            {xml("a b c"), xml("b a c").replace("0.251", "0.250"), ""},
            {xml("a b c"), xml("c a b"), ""},
            {xml("b a c"), xml("a d c"), "b\tB|d\tD|"},
            {xml("a b~ c=New d"), xml("a b c d"), "b\tB|c\tNew|c\tC|"},
            {xml("a a b c"), xml("a b b c"), "a\tA|b\tB|"},
            {xml("a b"), xml("a b", "game"), "a\tA|b\tB|"},
            {xml("a b"), xml("a b").replace("</mame>\n", "</mame>"), "b\tB|"},
            {xml("a b"), xml("a# b"), "\t|"},
            {xml("ab=Bx c"), xml("b=B c"), "ab\tBx|"},
            {xml("a b=AT&amp;T&lt;1&gt;"), xml("a"), "b\tAT&T<1>|"},
            // A not-runnable element belongs to the chunk before it while named ones follow.
            {xml("a !b c !d e"), xml("a !b~ c !d e"), "a\tA|b\tB|"},
            {xml("a !b"), xml("a !b~"), "b\tB|"},
            // Texts the program searches plainly: no line ends, another element in the
            // previous list, an element start glued together where a chunk was taken out.
            {flat(xml("a b~ c")), flat(xml("b a c")), "b\tB|"},
            {xml("a b", "game"), xml("a b", "game").replace("<game name=\"a", "<machine name=\"a"),
             "a\tA|"},
            {xml("a b z c"),
             xml("a b z c")
                 .replace("<machine name=\"z", "ine name=\"z")
                 .replace("<machine name=\"b", "<mach<machine name=\"b"),
             ""}};
        checkReports(cases,
                     kMachineChangesHeading + QByteArray("\r\n\r\n\r\nROM\tDescription\r\n\r\n"),
                     compareMachineLists, referenceMachineChanges);
        // A list's first game element is looked for from its seventh character on.
        const QByteArray list = xml("a"), noGame = "<machine name=\"a\"></machine>";
        CompareMonitor quiet;
        using O = CompareResult::Outcome;
        QVERIFY(compareMachineLists(view(noGame), view(list), quiet).outcome ==
                    O::NewListUnusable &&
                compareMachineLists(view(list), view(noGame), quiet).outcome == O::OldListUnusable);
    }

    // A game is keyed by its field after the first tab, or all after the second blank, trimmed;
    // a device's later blocks in the tabbed layout are passed over; line ends do not count.
    void checksumLists()
    {
        const QList<Case> cases = {
            {crc("1 a\tp\tP|3 c\tg\tG|"), crc("3 c\tg\tG|1 a\tp\tP|"), ""},
            {crc("1 a\tp|2 b\tp|3 c\tq|4 d\tq|5 e\tn|"), crc("2 b\tp|1 a\tp|3 c\tq|9 z\tgone|"),
             "p|q|n|"},
            {crc("6 d\tdev|1 a\tp|7 x\tdev|"), crc("6 d\tdev|1 a\tp|"), ""},
            {crc("6 d dev|1 a p|7 x dev|"), crc("6 d dev|1 a p|"), "dev|"},
            {crc("1 a p |2 b x y|"), crc("1 a p|"), "p|x y|"},
            {crc("1 a\t x \t|"), crc("1 a\tx\t|"), "x|"},
            {crc("1 a\t\tD|"), crc(""), "|"},
            {crc("1 a\tp|2 b\tg"), crc("1 a\tp|2 b\tg|").replace("\n", "\r\n"), ""}};
        checkReports(cases, kRomChangesHeading + QByteArray("\r\n\r\n\r\nGame \r\n\r\n"),
                     compareRomLists, referenceRomChanges);
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
