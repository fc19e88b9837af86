// What the installed MAME says of itself (its -showusage) and how the settings panel follows it:
// the usage read from today's MAME, an older one and garbage; the video methods, the Ctrlr
// folder's controllers and the options MAME no longer reads.
#include "SettingsFixtures.h"

using namespace velmora;
using namespace velmora::testing;

class TestInstalledMame : public QObject
{
    Q_OBJECT
private slots:
    void panelFollowsTheInstalledMame()
    {
        const auto today = MameUsage::fromFile(fixturePath("showusage-0251.txt"));
        const auto older = MameUsage::fromFile(fixturePath("showusage-old.txt"));
        QVERIFY(today && older);
        QVERIFY(today->knows(QStringLiteral("ctrlr")) && !today->knows(QStringLiteral("beam")));
        QVERIFY(hasOwnVideoMethods(&*today) && soundTakesMethod(&*today));
        QCOMPARE(older->values(QStringLiteral("video")), QStringList({"gdi", "ddraw", "d3d"}));
        QVERIFY(!hasOwnVideoMethods(&*older) && !soundTakesMethod(&*older));
        QCOMPARE(knownOptions(&*older), knownOptions(nullptr));
        // Nothing usable: everything stays as the catalogue has it.
        QVERIFY(!MameUsage::fromText(QByteArray()));
        QVERIFY(!MameUsage::fromText("Error: unknown option: -showusage\n-rompath x\n"));

        // The Ctrlr folder's controllers are offered by name (but for names MAME cannot read,
        // which the tooltip names), and frame skips up to MAME's limit.
        TempProgram tp;
        const QString ctrlr = tp.makeFolder(QStringLiteral("ctrlr"));
        for (const char* name : {"hotrodse.cfg", "MyPad.cfg", "readme.txt", "Jörg.cfg"})
            QVERIFY(
                TempProgram::writeFile(ctrlr + u'/' + QString::fromUtf8(name), "<mameconfig/>"));
        OptionLists lists;
        lists.setEntries(Option::Effect, {"None", "Scanlines", "Ärger"});
        adaptListsToMame(&lists, &*today, ctrlr);
        QCOMPARE(lists.entries(Option::Video), today->values(QStringLiteral("video")));
        QCOMPARE(lists.entries(Option::Controller), QStringList({"None", "hotrodse", "MyPad"}));
        QCOMPARE(lists.entries(Option::Effect), QStringList({"None", "Scanlines"}));
        QCOMPARE(lists.note(Option::Controller), unreadableNamesTip({QString::fromUtf8("Jörg")}));
        QVERIFY(
            lists.note(Option::Controller)
                .startsWith(QString::fromUtf8(
                    "Not offered: Jörg.  M.A.M.E. cannot read a name with characters outside")));
        QCOMPARE(lists.entries(Option::FrameSkip).last(), QStringLiteral("10"));

        // The catalogue's D3D default is today's opengl, so an untouched panel is still "all
        // defaults"; a stored DDraw loads as accel without a complaint.
        SettingsModel model;
        model.setLists(lists);
        QCOMPARE(model.value(Option::Video), QStringLiteral("opengl"));
        model.setDefaults();
        QVERIFY(model.checkDefaults());
        const QString file = tp.root() + QStringLiteral("/raster.cfg");
        QVERIFY(TempProgram::writeFile(file,
                                       "[Video Options]\r\nVideo=DDraw\r\n"
                                       "[DirectDraw-Specific Options]\r\nHardware Stretch=0\r\n"
                                       "[Input Device Options]\r\nController=MyPad\r\n"));
        ScriptedMessageBox box; // no message may appear
        LoadContext context{LoaderMode::Editor, QStringLiteral("Raster Settings")};
        LoadControls(model, file, context);
        QCOMPARE(model.value(Option::Video), QStringLiteral("accel"));
        QCOMPARE(model.value(Option::Controller), QStringLiteral("MyPad"));

        // An option MAME no longer reads is disabled whatever the rules say, but its value is
        // still saved.
        model.setKnownOptions(knownOptions(&*today));
        QVERIFY(!model.enabling().enabled(Option::HwStretch));
        QVERIFY(SaveSettings(model, file));
        QCOMPARE(ReadIniValue(file, QStringLiteral("DirectDraw-Specific Options"),
                              QStringLiteral("Hardware Stretch"), QString()),
                 QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestInstalledMame)
#include "test_installedmame.moc"
