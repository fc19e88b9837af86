// What the installed MAME says of itself (its -showusage) and how the settings panel follows it:
// the usage read from today's MAME, an older one and garbage; the video methods, the Ctrlr
// folder's controllers and the options MAME no longer reads.
#include "app/IniFile.h"
#include "emulator_settings/InstalledOptions.h"
#include "emulator_settings/SettingsLoader.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"

#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

MameUsage usage(const char* fixture)
{
    const std::optional<MameUsage> u = MameUsage::fromFile(fixturePath(QLatin1String(fixture)));
    if (!u)
        qFatal("fixture %s is not a usable usage", fixture);
    return *u;
}

} // namespace

class TestInstalledMame : public QObject
{
    Q_OBJECT
private slots:
    void readsWhatMameAccepts()
    {
        const MameUsage today = usage("showusage-0251.txt");
        QVERIFY(today.knows(QStringLiteral("ctrlr")) && !today.knows(QStringLiteral("beam")));
        QCOMPARE(today.values(QStringLiteral("video")),
                 QStringList({"none", "soft", "accel", "opengl", "bgfx"}));
        QVERIFY(hasOwnVideoMethods(&today) && soundTakesMethod(&today));

        const MameUsage older = usage("showusage-old.txt");
        QCOMPARE(older.values(QStringLiteral("video")), QStringList({"gdi", "ddraw", "d3d"}));
        QVERIFY(!hasOwnVideoMethods(&older) && !soundTakesMethod(&older));
        QCOMPARE(knownOptions(&older), knownOptions(nullptr));

        // Nothing usable: everything stays as the catalogue has it.
        QVERIFY(!MameUsage::fromText(QByteArray()));
        QVERIFY(!MameUsage::fromText("Error: unknown option: -showusage\n-rompath x\n"));
    }

    void panelOffersTodaysChoices()
    {
        TempProgram tp;
        const QString ctrlr = tp.makeFolder(QStringLiteral("ctrlr"));
        for (const char* name : {"hotrodse.cfg", "MyPad.cfg", "readme.txt"})
            QVERIFY(TempProgram::writeFile(ctrlr + u'/' + QLatin1String(name), "<mameconfig/>"));
        const MameUsage today = usage("showusage-0251.txt");
        OptionLists lists;
        adaptListsToMame(&lists, &today, ctrlr);
        QCOMPARE(lists.entries(Option::Video), today.values(QStringLiteral("video")));
        QCOMPARE(lists.entries(Option::Controller), QStringList({"None", "hotrodse", "MyPad"}));
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
        LoadContext context;
        context.editorCaption = QStringLiteral("Raster Settings");
        LoadControls(model, file, context);
        QCOMPARE(model.value(Option::Video), QStringLiteral("accel"));
        QCOMPARE(model.value(Option::Controller), QStringLiteral("MyPad"));

        // An option MAME no longer reads is disabled whatever the rules say, but its value is
        // still saved.
        model.setKnownOptions(knownOptions(&today));
        QVERIFY(!model.enabling().enabled(Option::HwStretch));
        QVERIFY(model.enabling().enabled(Option::Video) && model.enabling().enabled(Option::Sound));
        QVERIFY(unknownOptionTip(Option::HwStretch).contains(QStringLiteral("\"hwstretch\"")));
        QVERIFY(SaveSettings(model, file));
        QCOMPARE(ReadIniValue(file, QStringLiteral("DirectDraw-Specific Options"),
                              QStringLiteral("Hardware Stretch"), QString()),
                 QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestInstalledMame)
#include "test_installedmame.moc"
