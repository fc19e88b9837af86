// The option catalogue's table, its generated lists and DefineCombos over both machine-list
// layouts and the Artwork folder.
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

private:
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void tableHasSixtyOneControlsInFrameOrder()
    {
        const auto& table = optionCatalogue();
        QCOMPARE(int(table.size()), 61);
        QSet<QString> names;
        int lists = 0;
        int lastFrame = 0;
        for (const OptionSpec& row : table) {
            const QString control = QLatin1String(row.control);
            names.insert(control);
            QVERIFY2(int(row.frame) >= lastFrame, row.control); // sections follow frame order
            lastFrame = int(row.frame);
            const QString prefix = row.kind == ControlKind::Check  ? QStringLiteral("chk")
                                   : row.kind == ControlKind::List ? QStringLiteral("cbo")
                                                                    : QStringLiteral("txt");
            QVERIFY2(control.startsWith(prefix), row.control);
            if (row.kind == ControlKind::List) {
                QCOMPARE(listIndex(row.option), lists++);
                QCOMPARE(QLatin1String(row.label), displayNameOf(row.option) + u':');
            }
        }
        QCOMPARE(names.size(), 61);
        QCOMPARE(lists, kListCount);
        QCOMPARE(lastFrame, kFrameCount - 1);
        // The stored keys that differ from what the panel shows.
        QCOMPARE(keyOf(Option::FrameSkip), QStringLiteral("FrameSkip"));
        QCOMPARE(displayNameOf(Option::FrameSkip), QStringLiteral("Frame Skip"));
        QCOMPARE(keyOf(Option::Filter), QStringLiteral("Filter"));
        QCOMPARE(displayNameOf(Option::Filter), QStringLiteral("Bilinear Filtering"));
        QCOMPARE(keyOf(Option::Resolution), QStringLiteral("Resolution 0"));
        QCOMPARE(keyOf(Option::OffReload), QStringLiteral("Offscreen Reload"));
        QCOMPARE(displayNameOf(Option::OffReload), QStringLiteral("OffScreen Reload"));
        QCOMPARE(keyOf(Option::TrackballDev), QStringLiteral("Trackball Device"));
        QCOMPARE(displayNameOf(Option::LightgunDev), QStringLiteral("Lightgun"));
        QCOMPARE(sectionOf(Option::OtherCommands), QStringLiteral("Miscellaneous"));
        QCOMPARE(frameCaption(Frame::Miscellaneous), QStringLiteral("# Miscellaneous Options  #"));
        QCOMPARE(frameCaption(Frame::VelmoraSpecific),
                 QStringLiteral("# Velmora-Specific Options #"));
        QCOMPARE(sectionOf(Option::HwStretch), QStringLiteral("DirectDraw-Specific Options"));
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
        row(Option::Video, 3, "GDI", "D3D");
        row(Option::Prescale, 8, "1", "8");
        row(Option::Roll, 5, "None", "AutoLeft");
        row(Option::Flip, 4, "None", "Both");
        row(Option::Resolution, 50, "Auto", "1600x1200@75");
        row(Option::FullScreenBrightness, 20, "0.10", "2.00");
        row(Option::FullScreenContrast, 20, "0.10", "2.00");
        row(Option::FullScreenGamma, 30, "0.10", "3.00");
        row(Option::Brightness, 191, "0.10", "2.00");
        row(Option::Contrast, 31, "0.50", "2.00");
        row(Option::Gamma, 31, "0.50", "2.00");
        row(Option::Beam, 151, "1.00", "16.00");
        row(Option::Flicker, 21, "0.00", "100.00");
        row(Option::SampleRate, 4, "11025", "48000");
        row(Option::Volume, 33, "-32", "0");
        row(Option::AudioLat, 4, "1/5 To 2/5", "4/5 To 5/5");
        row(Option::Controller, 5, "None", "X-Arcade");
        row(Option::Deadzone, 21, "0.00", "1.00");
        row(Option::PaddleDev, 4, "Keyboard", "Lightgun");
        row(Option::LEDMode, 2, "PS/2", "USB");
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
        const QStringList brightness = staticEntries(Option::Brightness);
        QCOMPARE(brightness.mid(89, 3), (QStringList{"0.99", "1.00", "1.01"}));
        QCOMPARE(staticEntries(Option::Contrast).mid(0, 3), (QStringList{"0.50", "0.55", "0.60"}));
        QCOMPARE(staticEntries(Option::Beam).mid(9, 3), (QStringList{"1.90", "2.00", "2.10"}));
        QCOMPARE(staticEntries(Option::FullScreenGamma).mid(18, 3),
                 (QStringList{"1.90", "2.00", "2.10"}));
        QCOMPARE(staticEntries(Option::Flicker).mid(0, 3), (QStringList{"0.00", "5.00", "10.00"}));
        QCOMPARE(staticEntries(Option::Resolution).mid(0, 11),
                 (QStringList{"Auto", "0x0@60", "0x0@70", "0x0@72", "0x0@75", "320x240",
                              "320x240@60", "320x240@70", "320x240@72", "320x240@75", "640x480"}));
        QCOMPARE(staticEntries(Option::FrameSkip).mid(0, 3), (QStringList{"Auto", "0", "1"}));
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

    void biosEntriesOfOldLayout()
    {
        const QByteArray tail =
            "\t<game runnable=\"no\" name=\"neogeo\">\r\n"
            "\t\t<description>Neo-Geo</description>\r\n"
            "\t\t<year>1990</year>\r\n"
            "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\" "
            "default=\"yes\"/>\r\n"
            "\t\t<biosset name=\"us-e\" description=\"US MVS (Ver. 2?)\"/>\r\n"
            "\t\t<rom name=\"sp-s2.sp1\" bios=\"euro\" size=\"131072\"/>\r\n"
            "\t</game>\r\n"
            "\t<game runnable=\"no\" name=\"pgm\">\r\n"
            "\t\t<description>PGM (Polygame Master) System BIOS</description>\r\n"
            "\t\t<biosset name=\"v2\" description=\"v2\"/>\r\n"
            "\t</game>\r\n"
            "</mame>\r\n";
        QCOMPARE(biosEntriesFromResourceList(tail),
                 (QStringList{"Default", "Neo-Geo: Euro", "Neo-Geo: Us-E",
                              "PGM (Polygame Master) System BIOS: V2"}));
    }

    void biosEntriesOfTodaysLayoutSkipDevices()
    {
        const QByteArray tail =
            "\t<machine name=\"isa_hdc\" sourcefile=\"isa/hdc.cpp\" isdevice=\"yes\" "
            "runnable=\"no\">\n"
            "\t\t<description>Fixed Disk Controller Card</description>\n"
            "\t\t<biosset name=\"xt\" description=\"IBM XT\"/>\n"
            "\t</machine>\n"
            "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\n"
            "\t\t<description>Neo-Geo MV-6F</description>\n"
            "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\" default=\"yes\"/>\n"
            "\t</machine>\n";
        QCOMPARE(biosEntriesFromResourceList(tail),
                 (QStringList{"Default", "Neo-Geo MV-6F: Euro"}));
    }

    void biosEntriesEdgeCases()
    {
        QCOMPARE(biosEntriesFromResourceList("\t<game runnable=\"no\" name=\"x\">\r\n"
                                             "\t\t<description>X</description>\r\n"),
                 QStringList{"Default"});
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
        writeFile(resource, "\t<machine name=\"neogeo\" isbios=\"yes\">\n"
                            "\t\t<description>Neo-Geo</description>\n"
                            "\t\t<biosset name=\"asia\" description=\"Asia\"/>\n"
                            "\t</machine>\n");
        const QString art = dir.filePath(QStringLiteral("artwork"));
        QDir().mkpath(art);
        for (const char* name : {"scan.PNG", "aperture.png", "readme.txt", "crt Mask.png"})
            writeFile(art + u'/' + QLatin1String(name), "x");
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
