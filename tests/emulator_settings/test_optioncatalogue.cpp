// The option catalogue's table, its generated lists and DefineCombos over both machine-list
// layouts and the Artwork folder.
#include "SettingsFixtures.h"
#include "emulator_settings/DefineCombos.h"
#include "emulator_settings/OptionCatalogue.h"
#include "platform/Seams.h"
#include "support/ScriptedMessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

class TestOptionCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // The table: 61 controls in frame order, the lists numbered in table order.
    void tableIsInFrameOrder()
    {
        int lists = 0;
        int lastFrame = 0;
        for (const OptionSpec& row : optionCatalogue()) {
            QVERIFY2(int(row.frame) >= lastFrame, row.control);
            lastFrame = int(row.frame);
            if (row.kind == ControlKind::List)
                QCOMPARE(listIndex(row.option), lists++);
        }
        QCOMPARE(int(optionCatalogue().size()), 61);
        QCOMPARE(lists, kListCount);
        QCOMPARE(lastFrame, kFrameCount - 1);
    }

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
            {Option::Priority, 17, "1", {"-15"}},
            {Option::Prescale, 8, "8", {"1"}},
            {Option::Resolution,
             50,
             "1600x1200@75",
             {"Auto", "0x0@60", "0x0@70", "0x0@72", "0x0@75", "320x240", "320x240@60", "320x240@70",
              "320x240@72", "320x240@75", "640x480"}},
            {Option::FullScreenBrightness, 20, "2.00", {"0.10"}},
            {Option::FullScreenContrast, 20, "2.00", {"0.10"}},
            {Option::FullScreenGamma, 30, "3.00", {"1.90", "2.00", "2.10"}, 18},
            {Option::Brightness, 191, "2.00", {"0.99", "1.00", "1.01"}, 89},
            {Option::Contrast, 31, "2.00", {"0.50", "0.55"}},
            {Option::Gamma, 31, "2.00", {"0.50"}},
            {Option::Beam, 151, "16.00", {"1.90", "2.00", "2.10"}, 9},
            {Option::Flicker, 21, "100.00", {"0.00", "5.00"}},
            {Option::Volume, 33, "0", {"-32"}},
            {Option::Deadzone, 21, "1.00", {"0.00"}},
            {Option::Bios, 1, "Default"},
            {Option::Effect, 1, "None"},
            {Option::Window, 0, nullptr},
        };
        for (const Case& c : cases) {
            const QStringList entries = staticEntries(c.option);
            const char* name = optionSpec(c.option).control;
            QVERIFY2(entries.size() == c.count, name);
            QVERIFY2(entries.mid(c.at, c.run.size()) == c.run, name);
            if (!c.last)
                continue;
            QVERIFY2(entries.last() == QLatin1String(c.last), name);
            QVERIFY2(entries.contains(mameDefaultOf(c.option)), name);
        }
    }

    // Both machine-list layouts (today's devices are not BIOS machines); a BIOS line before any
    // description gives the set name alone; UTF-8 is kept and references stay as written.
    void biosEntriesOfBothLayoutsAndEdgeCases()
    {
        const std::pair<const char*, QStringList> cases[] = {
            {"\t<game runnable=\"no\" "
             "name=\"neogeo\">\r\n\t\t<description>Neo-Geo</description>\r\n"
             "\t\t<biosset name=\"euro\" description=\"Europe\" default=\"yes\"/>\r\n"
             "\t\t<biosset name=\"us-e\" description=\"US MVS (Ver. 2?)\"/>\r\n\t</game>\r\n"
             "\t<game runnable=\"no\" name=\"pgm\">\r\n\t\t<description>PGM BIOS</description>\r\n"
             "\t\t<biosset name=\"v2\" description=\"v2\"/>\r\n\t</game>\r\n</mame>\r\n",
             {"Default", "Neo-Geo: Euro", "Neo-Geo: Us-E", "PGM BIOS: V2"}},
            {"\t<machine name=\"isa_hdc\" isdevice=\"yes\" "
             "runnable=\"no\">\n\t\t<description>Fixed "
             "Disk</description>\n\t\t<biosset name=\"xt\" description=\"IBM XT\"/>\n\t</machine>\n"
             "\t<machine name=\"neogeo\" isbios=\"yes\">\n\t\t<description>Neo-Geo "
             "MV-6F</description>\n\t\t<biosset name=\"euro\" description=\"Europe\"/>\n",
             {"Default", "Neo-Geo MV-6F: Euro"}},
            {"", {"Default"}},
            {"\t\t<biosset name=\"japan\" description=\"J\"/>\n", {"Default", "Japan"}},
            {"\t<game runnable=\"no\" name=\"x\">\n\t\t<description>Caf\xc3\xa9 &amp; "
             "Co</description>\n\t\t<biosset name=\"a\" description=\"A\"/>\n",
             {"Default", QStringLiteral("Café &amp; Co: A")}},
        };
        for (const auto& [list, entries] : cases)
            QCOMPARE(biosEntriesFromResourceList(list), entries);
    }

    void defineCombosFillsBiosAndEffects()
    {
        QTemporaryDir dir;
        const QString resource = dir.filePath(QStringLiteral("resource.txt"));
        QVERIFY(testing::writeAll(resource, "\t<machine name=\"neogeo\" isbios=\"yes\">\n"
                                            "\t\t<description>Neo-Geo</description>\n"
                                            "\t\t<biosset name=\"asia\" description=\"Asia\"/>\n"
                                            "\t</machine>\n"));
        const QString art = dir.filePath(QStringLiteral("artwork"));
        QDir().mkpath(art);
        for (const char* name : {"scan.PNG", "aperture.png", "readme.txt", "crt Mask.png"})
            QVERIFY(testing::writeAll(art + u'/' + QLatin1String(name), "x"));
        QDir().mkpath(art + QStringLiteral("/folder.png"));

        OptionLists lists;
        const DefineCombosResult result = DefineCombos(resource, art, &lists);
        QVERIFY(result.ok);
        QCOMPARE(lists.entries(Option::Bios), (QStringList{"Default", "Neo-Geo: Asia"}));
        QCOMPARE(lists.entries(Option::Effect),
                 (QStringList{"None", "Aperture", "Crt Mask", "Scan.Png"}));
        QCOMPARE(*lists.match(Option::Video, QStringLiteral("ddraw")), QStringLiteral("DDraw"));
        QVERIFY(!lists.contains(Option::Video, QStringLiteral("OpenGL")));

        // No Artwork folder: "None" alone.
        QVERIFY(DefineCombos(resource, dir.filePath(QStringLiteral("missing")), &lists).ok);
        QCOMPARE(lists.entries(Option::Effect), QStringList{"None"});
    }

    void defineCombosWithoutResourceListEndsTheProgram()
    {
        testing::ScriptedMessageBox box;
        box.allowAny(true);
        int ended = 0;
        platform::seams().endProgram = [&] { ++ended; };
        OptionLists lists;
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
