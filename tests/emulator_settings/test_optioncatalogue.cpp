// The option catalogue's table, its generated lists and DefineCombos over both machine-list
// layouts and the Artwork folder.
#include "SettingsFixtures.h"
#include "emulator_settings/DefineCombos.h"
#include "emulator_settings/OptionCatalogue.h"
#include "platform/Seams.h"
#include "support/ScriptedMessageBox.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

class TestOptionCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void tableHasSixtyOneControlsInFrameOrder()
    {
        const auto& table = optionCatalogue();
        QCOMPARE(int(table.size()), 61);
        QSet<QString> names;
        int lists = 0;
        int lastFrame = 0;
        for (const OptionSpec& row : table) {
            names.insert(QLatin1String(row.control));
            QVERIFY2(int(row.frame) >= lastFrame, row.control); // sections follow frame order
            lastFrame = int(row.frame);
            if (row.kind == ControlKind::List) {
                QCOMPARE(listIndex(row.option), lists++);
                QCOMPARE(QLatin1String(row.label), displayNameOf(row.option) + u':');
            }
        }
        QCOMPARE(names.size(), 61);
        QCOMPARE(lists, kListCount);
        QCOMPARE(lastFrame, kFrameCount - 1);
        // Names the panel shows (and the load messages quote) that differ from the stored keys.
        QCOMPARE(displayNameOf(Option::Filter), QStringLiteral("Bilinear Filtering"));
        QCOMPARE(displayNameOf(Option::OffReload), QStringLiteral("OffScreen Reload"));
    }

    void generatedLists_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        auto row = [](Option o, int count, const char* first, const char* last) {
            QTest::newRow(optionSpec(o).control)
                << int(o) << count << QString::fromLatin1(first) << QString::fromLatin1(last);
        };
        row(Option::FrameSkip, 14, "Auto", "12");
        row(Option::Priority, 17, "-15", "1");
        row(Option::Prescale, 8, "1", "8");
        row(Option::Resolution, 50, "Auto", "1600x1200@75");
        row(Option::FullScreenBrightness, 20, "0.10", "2.00");
        row(Option::FullScreenContrast, 20, "0.10", "2.00");
        row(Option::FullScreenGamma, 30, "0.10", "3.00");
        row(Option::Brightness, 191, "0.10", "2.00");
        row(Option::Contrast, 31, "0.50", "2.00");
        row(Option::Gamma, 31, "0.50", "2.00");
        row(Option::Beam, 151, "1.00", "16.00");
        row(Option::Flicker, 21, "0.00", "100.00");
        row(Option::Volume, 33, "-32", "0");
        row(Option::Deadzone, 21, "0.00", "1.00");
        row(Option::Bios, 1, "Default", "Default");
        row(Option::Effect, 1, "None", "None");
    }

    void generatedLists()
    {
        QFETCH(int, option);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList entries = staticEntries(Option(option));
        QCOMPARE(entries.size(), count);
        QCOMPARE(entries.first(), first);
        QCOMPARE(entries.last(), last);
        QCOMPARE(QSet<QString>(entries.begin(), entries.end()).size(), count);
        QVERIFY(entries.contains(mameDefaultOf(Option(option))));
        const bool numeric = first.contains(u'.') && !first.contains(u'/');
        static const QRegularExpression twoDigits(QStringLiteral("^(0|[1-9][0-9]*)\\.[0-9]{2}$"));
        for (const QString& e : entries)
            QVERIFY2(!numeric || twoDigits.match(e).hasMatch(), qPrintable(e));
    }

    void generatedListsExactly()
    {
        QCOMPARE(staticEntries(Option::Brightness).mid(89, 3),
                 (QStringList{"0.99", "1.00", "1.01"}));
        QCOMPARE(staticEntries(Option::Contrast).mid(0, 3), (QStringList{"0.50", "0.55", "0.60"}));
        QCOMPARE(staticEntries(Option::Beam).mid(9, 3), (QStringList{"1.90", "2.00", "2.10"}));
        QCOMPARE(staticEntries(Option::FullScreenGamma).mid(18, 3),
                 (QStringList{"1.90", "2.00", "2.10"}));
        QCOMPARE(staticEntries(Option::Flicker).mid(0, 3), (QStringList{"0.00", "5.00", "10.00"}));
        QCOMPARE(staticEntries(Option::Resolution).mid(0, 11),
                 (QStringList{"Auto", "0x0@60", "0x0@70", "0x0@72", "0x0@75", "320x240",
                              "320x240@60", "320x240@70", "320x240@72", "320x240@75", "640x480"}));
        QVERIFY(staticEntries(Option::Window).isEmpty());
        QVERIFY(staticEntries(Option::OtherCommands).isEmpty());
    }

    void properCaseStartsEveryWord()
    {
        QCOMPARE(properCase(QStringLiteral("euro")), QStringLiteral("Euro"));
        QCOMPARE(properCase(QStringLiteral("us-e")), QStringLiteral("Us-E"));
        QCOMPARE(properCase(QStringLiteral("scan.PNG")), QStringLiteral("Scan.Png"));
        QCOMPARE(properCase(QStringLiteral("ASIA AES")), QStringLiteral("Asia Aes"));
        QCOMPARE(properCase(QStringLiteral("v1b2")), QStringLiteral("V1b2"));
    }

    void biosEntriesOfBothLayoutsAndEdgeCases()
    {
        // The older layout: every BIOS set under the description of its machine.
        QCOMPARE(biosEntriesFromResourceList(
                     "\t<game runnable=\"no\" "
                     "name=\"neogeo\">\r\n\t\t<description>Neo-Geo</description>\r\n"
                     "\t\t<biosset name=\"euro\" description=\"Europe\" default=\"yes\"/>\r\n"
                     "\t\t<biosset name=\"us-e\" description=\"US MVS (Ver. 2?)\"/>\r\n"
                     "\t\t<rom name=\"sp-s2.sp1\" bios=\"euro\" size=\"131072\"/>\r\n\t</game>\r\n"
                     "\t<game runnable=\"no\" name=\"pgm\">\r\n\t\t<description>PGM "
                     "BIOS</description>\r\n"
                     "\t\t<biosset name=\"v2\" description=\"v2\"/>\r\n\t</game>\r\n</mame>\r\n"),
                 (QStringList{"Default", "Neo-Geo: Euro", "Neo-Geo: Us-E", "PGM BIOS: V2"}));
        // Today's layout: devices are not BIOS machines.
        QCOMPARE(biosEntriesFromResourceList(
                     "\t<machine name=\"isa_hdc\" isdevice=\"yes\" runnable=\"no\">\n"
                     "\t\t<description>Fixed Disk Controller Card</description>\n"
                     "\t\t<biosset name=\"xt\" description=\"IBM XT\"/>\n\t</machine>\n"
                     "\t<machine name=\"neogeo\" isbios=\"yes\">\n\t\t<description>Neo-Geo "
                     "MV-6F</description>\n"
                     "\t\t<biosset name=\"euro\" description=\"Europe\" "
                     "default=\"yes\"/>\n\t</machine>\n"),
                 (QStringList{"Default", "Neo-Geo MV-6F: Euro"}));
        QCOMPARE(biosEntriesFromResourceList(QByteArray()), QStringList{"Default"});
        // A BIOS line before any description: the set name alone.
        QCOMPARE(biosEntriesFromResourceList("\t\t<biosset name=\"japan\" description=\"J\"/>\n"),
                 (QStringList{"Default", "Japan"}));
        // UTF-8 descriptions are kept; references stay as written.
        QCOMPARE(biosEntriesFromResourceList("\t<game runnable=\"no\" name=\"x\">\n"
                                             "\t\t<description>Caf\xc3\xa9 &amp; Co</description>\n"
                                             "\t\t<biosset name=\"a\" description=\"A\"/>\n"),
                 (QStringList{"Default", QStringLiteral("Café &amp; Co: A")}));
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
        QCOMPARE(lists.entries(Option::Brightness).size(), 191);
        QVERIFY(lists.contains(Option::Video, QStringLiteral("d3d")));
        QCOMPARE(*lists.match(Option::Video, QStringLiteral("ddraw")), QStringLiteral("DDraw"));
        QVERIFY(!lists.contains(Option::Video, QStringLiteral("OpenGL")));

        // No Artwork folder: "None" alone.
        QVERIFY(DefineCombos(resource, dir.filePath(QStringLiteral("missing")), &lists).ok);
        QCOMPARE(lists.entries(Option::Effect), QStringList{"None"});
    }

    void defineCombosWithoutResourceListEndsTheProgram()
    {
        QTemporaryDir dir;
        testing::ScriptedMessageBox box;
        box.allowAny(true);
        int ended = 0;
        platform::seams().endProgram = [&] { ++ended; };
        OptionLists lists;
        const QString missing = dir.filePath(QStringLiteral("resource.txt"));
        QVERIFY(!DefineCombos(missing, QString(), &lists).ok);
        platform::seams().endProgram = nullptr;
        QCOMPARE(ended, 1);
        QCOMPARE(box.shown().size(), 1);
        QVERIFY(box.lastText().startsWith(QStringLiteral("Error In DefineCombos: ")));
        QVERIFY(box.lastText().endsWith(QStringLiteral("\rLine Number: 1")));
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Critical);
        QCOMPARE(box.shown().first().title, QStringLiteral("Velmora"));
    }
};

QTEST_GUILESS_MAIN(TestOptionCatalogue)
#include "test_optioncatalogue.moc"
