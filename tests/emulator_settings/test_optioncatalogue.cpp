// The option catalogue's generated lists and DefineCombos over both machine-list
// layouts and the Artwork folder.
#include "SettingsFixtures.h"
#include "emulator_settings/DefineCombos.h"
#include "platform/Seams.h"

using namespace velmora;

class TestOptionCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // Each generated list: its size, its last entry, a run of entries from `at` (hundredths always
    // with two digits), the MAME default among them.
    void generatedLists()
    {
        struct Case
        {
            Option option;
            int count;
            const char* last;
            QStringList run = {};
            int at = 0;
        };
        const Case cases[] = {
            {Option::FrameSkip, 14, "12", {"Auto", "0"}},
            {Option::Resolution, 50, "1600x1200@75", {"0x0@75", "320x240", "320x240@60"}, 4},
            {Option::Brightness, 191, "2.00", {"0.99", "1.00", "1.01"}, 89},
            {Option::Contrast, 31, "2.00", {"0.50", "0.55"}},
            {Option::Beam, 151, "16.00", {"1.90", "2.00", "2.10"}, 9},
            {Option::Flicker, 21, "100.00", {"0.00", "5.00"}},
            {Option::Bios, 1, "Default"},
        };
        for (const Case& c : cases) {
            const QStringList entries = staticEntries(c.option);
            const char* name = optionSpec(c.option).control;
            QVERIFY2(entries.size() == c.count, name);
            QVERIFY2(entries.mid(c.at, c.run.size()) == c.run, name);
            QVERIFY2(entries.last() == QLatin1String(c.last), name);
            QVERIFY2(entries.contains(mameDefaultOf(c.option)), name);
        }
    }

    // Both machine-list layouts (today's devices are not BIOS machines); UTF-8 is kept and
    // references stay as written.
    void biosEntriesOfBothLayoutsAndEdgeCases()
    {
        const std::pair<const char*, QStringList> cases[] = {
            {"\t<game runnable=\"no\" "
             "name=\"neogeo\">\r\n\t\t<description>Neo-Geo</description>\r\n"
             "\t\t<biosset name=\"euro\" description=\"Europe\" default=\"yes\"/>\r\n"
             "\t\t<biosset name=\"us-e\" description=\"US MVS (Ver. "
             "2?)\"/>\r\n\t</game>\r\n</mame>\r\n",
             {"Default", "Neo-Geo: Euro", "Neo-Geo: Us-E"}},
            {"\t<machine name=\"isa_hdc\" isdevice=\"yes\" "
             "runnable=\"no\">\n\t\t<description>Fixed "
             "Disk</description>\n\t\t<biosset name=\"xt\" description=\"IBM XT\"/>\n\t</machine>\n"
             "\t<machine name=\"neogeo\" isbios=\"yes\">\n\t\t<description>Neo-Geo "
             "MV-6F</description>\n\t\t<biosset name=\"euro\" description=\"Europe\"/>\n",
             {"Default", "Neo-Geo MV-6F: Euro"}},
            {"", {"Default"}},
            {"\t<game runnable=\"no\" name=\"x\">\n\t\t<description>Caf\xc3\xa9 &amp; "
             "Co</description>\n\t\t<biosset name=\"a\" description=\"A\"/>\n",
             {"Default", QStringLiteral("Café &amp; Co: A")}},
        };
        for (const auto& [list, entries] : cases)
            QCOMPARE(biosEntriesFromResourceList(list), entries);
    }

    // The BIOS list comes from the resource list and the effects from the Artwork folder ("None"
    // alone without one); without a resource list the program ends.
    void defineCombos()
    {
        QTemporaryDir dir;
        const QString resource = dir.filePath(QStringLiteral("resource.txt"));
        // A BIOS line before any description gives the set name alone.
        QVERIFY(testing::writeAll(resource, "\t\t<biosset name=\"asia\" description=\"A\"/>\n"));
        const QString art = dir.filePath(QStringLiteral("artwork"));
        QDir().mkpath(art);
        for (const char* name : {"scan.PNG", "aperture.png", "readme.txt", "crt Mask.png"})
            QVERIFY(testing::writeAll(art + u'/' + QLatin1String(name), "x"));
        QDir().mkpath(art + QStringLiteral("/folder.png"));

        OptionLists lists;
        QVERIFY(DefineCombos(resource, art, &lists).ok);
        QCOMPARE(lists.entries(Option::Bios), (QStringList{"Default", "Asia"}));
        QCOMPARE(lists.entries(Option::Effect),
                 (QStringList{"None", "Aperture", "Crt Mask", "Scan.Png"}));

        QVERIFY(DefineCombos(resource, dir.filePath(QStringLiteral("missing")), &lists).ok);
        QCOMPARE(lists.entries(Option::Effect), QStringList{"None"});

        testing::ScriptedMessageBox box;
        box.allowAny(true);
        int ended = 0;
        platform::seams().endProgram = [&] { ++ended; };
        QVERIFY(!DefineCombos(QStringLiteral("/no/such/resource.txt"), QString(), &lists).ok);
        platform::seams().endProgram = nullptr;
        QCOMPARE(ended, 1);
        QVERIFY(box.lastText().startsWith(QStringLiteral("Error In DefineCombos: ")));
        QVERIFY(box.lastText().endsWith(QStringLiteral("\rLine Number: 1")));
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestOptionCatalogue)
#include "test_optioncatalogue.moc"
