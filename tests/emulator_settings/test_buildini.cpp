// BuildIni: the settings layer of mame.ini, compared line by line with a hand-written file, every
// translation, the command string and the double layer of a second call.
#include "SettingsFixtures.h"
#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "platform/Seams.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

// A settings file as a user might have edited it: every translation is touched, some keys are
// missing (their MAME defaults apply), boxes are greyed and the letter case of one section differs.
const QByteArray kSettingsFile =
    "[Configuration Options]\r\nSkip Gameinfo=1\r\n[Miscellaneous Options]\r\nBios=Abc: Xyz: Q\r\n"
    "Cheat=1\r\n[State/Playback Options]\r\nAutosave=1\r\n[Performance Options]\r\n"
    "FrameSkip=Auto\r\nThrottle=2\r\nRDTSC=1\r\nPriority=-3\r\n[video options]\r\nVideo=DDraw\r\n"
    "Window=1\r\nMaximize=0\r\nKeep Aspect=2\r\nPrescale=3\r\nEffect=Scan.Png\r\nWait VSync=1\r\n"
    "Sync Refresh=1\r\n[Video Rotation Options]\r\nRotate=0\r\nRoll=AutoLeft\r\n"
    "Flip=Horizontally\r\n[DirectDraw-Specific Options]\r\nHardware Stretch=0\r\n"
    "[Direct3D-Specific Options]\r\nFilter=0\r\n[Per-Window Video Options]\r\n"
    "Resolution 0=800x600@60\r\n[Full Screen Options]\r\nTriple Buffer=1\r\nSwitch Resolution=1\r\n"
    "Full Screen Brightness=0.50\r\nFull Screen Contrast=1.50\r\nFull Screen Gamma=2.50\r\n"
    "[Game Screen Options]\r\nBrightness=0.95\r\nContrast=1.05\r\nGamma=1.10\r\n"
    "[Vector Rendering Options]\r\nAntialias=0\r\nBeam=2.50\r\nFlicker=15.00\r\n"
    "[Artwork Options]\r\nArtwork=0\r\nCrop=1\r\nBackdrops=0\r\nOverlays=0\r\nBezels=0\r\n"
    "[Sound Options]\r\nSound=0\r\nSample Rate=22050\r\nSamples=0\r\nVolume=-12\r\n"
    "Audio Latency=3/5 To 4/5\r\n[Input Device Options]\r\nController=HotRod SE\r\nMouse=1\r\n"
    "Joystick=1\r\nLightgun=1\r\nDual Lightgun=1\r\nOffscreen Reload=1\r\nSteady Key=1\r\n"
    "A2d Deadzone=0.45\r\n[Automatic Device Selection Options]\r\nPaddle Device=Mouse\r\n"
    "Adstick Device=Joystick\r\nPedal Device=Lightgun\r\nDial Device=Mouse\r\n"
    "Trackball Device=Mouse\r\nLightgun Device=Lightgun\r\n[Output Device Options]\r\n"
    "Keyboard LEDs=0\r\nLED Mode=USB\r\n"
    "[Miscellaneous]\r\nOther Commands=-numscreens 2 -ROMPATH '/My ROMs'\r\n";

// The settings layer a section a line: its caption, then its option lines separated by "|".
const char* const kExpectedSections[] = {
    "CONFIGURATION OPTIONS|readconfig\t1|skip_gameinfo\t1",
    "MISCELLANEOUS OPTIONS|bios\txyz: q|cheat\t1",
    "STATE/PLAYBACK OPTIONS|# state\t<NULL> (not set)|autosave\t1|# playback\t<NULL> (not set)|"
    "record\tgalaga.inp|# mngwrite\t<NULL> (not set)|# wavwrite\t<NULL> (not set)",
    "DEBUGGING OPTIONS|log\t0|oslog\t0|verbose\t0",
    "PERFORMANCE OPTIONS|autoframeskip\t1|frameskip\t0|frames_to_run\t0|throttle\t2|sleep\t1|"
    "rdtsc\t1|priority\t-3",
    "VIDEO OPTIONS|video\tddraw|numscreens\t1|window\t1|maximize\t0|keepaspect\t2|prescale\t3|"
    "effect\tscan.png|pause_brightness\t0.65|waitvsync\t1|syncrefresh\t1",
    "VIDEO ROTATION OPTIONS|rotate\t0|ror\t0|rol\t0|autoror\t0|autorol\t1|flipx\t0|flipy\t1",
    "DIRECTDRAW-SPECIFIC OPTIONS|hwstretch\t0",
    "DIRECT3D-SPECIFIC OPTIONS|# d3dversion\t<NULL> (not set)|filter\t0",
    "PER-WINDOW VIDEO OPTIONS|screen0\tauto|aspect0\tauto|resolution0\t800x600@60|view0\tauto|"
    "screen1\tauto|aspect1\tauto|resolution1\tauto|view1\tauto|screen2\tauto|aspect2\tauto|"
    "resolution2\tauto|view2\tauto|screen3\tauto|aspect3\tauto|resolution3\tauto|view3\tauto",
    "FULL SCREEN OPTIONS|triplebuffer\t1|switchres\t1|full_screen_brightness\t0.50|"
    "full_screen_contrast\t1.50|full_screen_gamma\t2.50",
    "GAME SCREEN OPTIONS|brightness\t0.95|contrast\t1.05|gamma\t1.10",
    "VECTOR RENDERING OPTIONS|antialias\t0|beam\t2.50|flicker\t15.00",
    "ARTWORK OPTIONS|artwork\t0|artwork_crop\t1|use_backdrops\t0|use_overlays\t0|use_bezels\t0",
    "SOUND OPTIONS|sound\t0|samplerate\t22050|samples\t0|volume\t-12|audio_latency\t3",
    "INPUT DEVICE OPTIONS|ctrlr\thotrodse|mouse\t1|joystick\t1|lightgun\t1|dual_lightgun\t1|"
    "offscreen_reload\t1|steadykey\t1|a2d_deadzone\t0.45|digital\tnone",
    "AUTOMATIC DEVICE SELECTION OPTIONS|paddle_device\tmouse|adstick_device\tjoystick|"
    "pedal_device\tlightgun|dial_device\tmouse|trackball_device\tmouse|lightgun_device\tlightgun",
    "OUTPUT DEVICE OPTIONS|keyboard_leds\t0|led_mode\tusb",
};

QByteArray expectedLayer()
{
    QList<QByteArray> blocks;
    for (const char* section : kExpectedSections) {
        QList<QByteArray> lines = QByteArray(section).split('|');
        lines.first() = "#\r\n# " + lines.first() + "\r\n#";
        blocks << lines.join("\r\n") + "\r\n";
    }
    return blocks.join("\r\n");
}

// The lines of the layer for a file holding one "Section:Key=value", for the MAME the usage
// describes.
QStringList layerWith(const QString& entry, const std::optional<MameUsage>& usage)
{
    TempProgram tp;
    const QString file = tp.root() + QStringLiteral("/one.cfg");
    const int colon = int(entry.indexOf(u':'));
    TempProgram::writeFile(file,
                           ("[" + entry.left(colon) + "]\r\n" + entry.mid(colon + 1)).toUtf8());
    BuildIniRequest request{file, QStringLiteral("galaga"), false, true};
    request.usage = usage;
    return settingsLayer(request).split(QStringLiteral("\r\n"));
}

} // namespace

class TestBuildIni : public QObject
{
    Q_OBJECT

private slots:
    // The second call is for an older MAME whose usage lists every option of the layer: it gets
    // exactly the layer it always got.
    void writesEveryBlockLineByLine()
    {
        TempProgram tp;
        const Preferences prefs = tp.standardPreferences();
        const QString settings = tp.paths().setting(QStringLiteral("galaga.cfg"));
        QVERIFY(TempProgram::writeFile(settings, kSettingsFile));
        BuildIniRequest request{settings, QStringLiteral("galaga"), false, true};

        QCOMPARE(BuildIni(request, prefs).commandString,
                 QStringLiteral("-numscreens 2 -ROMPATH '/My ROMs'"));
        const QByteArray pathLayer = mameIniPathLayer(prefs);
        QCOMPARE(TempProgram::readFile(mameIniPath(prefs)), pathLayer + expectedLayer());

        // Each launch's layer goes on a fresh path layer: a layer left by a crash is never built
        // upon.
        request.usage = MameUsage::fromFile(fixturePath("showusage-old.txt"));
        QVERIFY(request.usage);
        QVERIFY(TempProgram::writeFile(mameIniPath(prefs), "record\tstale.inp\r\n"));
        QVERIFY(BuildIni(request, prefs).ok);
        QCOMPARE(TempProgram::readFile(mameIniPath(prefs)), pathLayer + expectedLayer());
    }

    // One key at a time: the lines it must give and must not ("|"-separated), for the
    // catalogue's MAME or today's (whose usage names its own video methods and limits). Keys
    // missing from the file give the MAME defaults.
    void translations()
    {
        const std::tuple<const char*, const char*, const char*, bool> cases[] = {
            {"Video Options:Window=1",
             "bios\tdefault|# playback\t<NULL> (not set)|record\tgalaga.inp|video\td3d|"
             "audio_latency\t1|# ctrlr\t<NULL> (not set)|paddle_device\tkeyboard|led_mode\tps/2",
             "", false},
            {"Video Rotation Options:Roll=Right", "ror\t1|rol\t0|autoror\t0|autorol\t0", "", false},
            {"Video Rotation Options:Roll=Sideways", "", "ror\t0|ror\t1|autorol\t0", false},
            {"Video Rotation Options:Flip=Both", "flipx\t1|flipy\t1", "", false},
            {"Video Rotation Options:Flip=Mirror", "", "flipx\t0|flipy\t0", false},
            {"Sound Options:Audio Latency=5/5 To 6/5", "", "audio_latency\t1", false},
            {"Input Device Options:Controller=Gamepad", "",
             "# ctrlr\t<NULL> (not set)|ctrlr\tgamepad", false},
            {"Video Options:Prescale=HQ", "prescale\thq", "", false}, // passed unchecked
            {"Video Options:Video=GDI", "video\tsoft", "", true},
            {"Video Options:Video=D3D", "video\topengl", "", true},
            {"Video Options:Video=bgfx", "video\tbgfx", "", true},
            {"Sound Options:Sound=1", "sound\tauto", "", true},
            {"Performance Options:FrameSkip=12", "frameskip\t10", "", true},
            {"Performance Options:FrameSkip=010", "frameskip\t010", "", true}, // within: as is
            {"Input Device Options:Controller=MyPad", "ctrlr\tMyPad", "", true},
            {"Input Device Options:Controller=None", "# ctrlr\t<NULL> (not set)", "", true},
            // MAME hangs on a byte above 127: such a value is left out.
            {"Input Device Options:Controller=Jörg", "", "ctrlr\tJörg", true},
            {"Miscellaneous Options:Bios=ÿ", "", "bios\tÿ", false},
        };
        const auto usage = MameUsage::fromFile(fixturePath("showusage-0251.txt"));
        for (const auto& [row, present, absent, today] : cases) {
            const QStringList lines = layerWith(row, today ? usage : std::nullopt);
            for (const QString& line : QString(present).split(u'|', Qt::SkipEmptyParts))
                QVERIFY2(lines.contains(line), qPrintable(QString::fromUtf8(row) + u' ' + line));
            for (const QString& line : QString(absent).split(u'|', Qt::SkipEmptyParts))
                QVERIFY2(!lines.contains(line), qPrintable(QString::fromUtf8(row) + u' ' + line));
        }
    }

    void missingIniFolderEndsTheProgram()
    {
        TempProgram tp;
        Preferences prefs = tp.standardPreferences();
        prefs.setFolder(DataFolder::Ini, tp.root() + QStringLiteral("/no such folder"));
        ScriptedMessageBox box;
        box.allowAny(true);
        int ended = 0;
        platform::seams().endProgram = [&] { ++ended; };
        const BuildIniResult result = BuildIni({tp.root() + QStringLiteral("/missing.cfg")}, prefs);
        platform::seams().endProgram = nullptr;
        QVERIFY(!result.ok && ended == 1);
        QVERIFY(box.lastText().startsWith(QStringLiteral("Error In BuildIni: ")));
        QCOMPARE(box.shown().first().icon, platform::MessageIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestBuildIni)
#include "test_buildini.moc"
