#include "emulator_settings/OptionCatalogue.h"

namespace velmora {
namespace {

using F = Frame;
using O = Option;

constexpr OptionSpec check(O option, const char* control, const char* caption, F frame,
                           const char* key, const char* mameIniKey, const char* mameDefault)
{
    return {option, control,    ControlKind::Check, caption, frame,
            key,    mameIniKey, mameDefault,        "",      {}};
}

constexpr OptionSpec list(O option, const char* control, const char* tag, F frame, const char* key,
                          const char* mameIniKey, const char* mameDefault, const char* label,
                          EntryRule entries)
{
    return {option, control,    ControlKind::List, tag,   frame,
            key,    mameIniKey, mameDefault,       label, entries};
}

constexpr EntryRule fixed(const char* entries)
{
    return {entries};
}

constexpr EntryRule integers(const char* first, int from, int to, int step = 1,
                             const char* suffix = "")
{
    return {first, Generated::Integers, from, to, step, 0, 0, 0, suffix};
}

constexpr EntryRule hundredths(int wholeFrom, int wholeTo, int fractionFrom, int fractionTo,
                               int step, int removedFromTop)
{
    return {"",   Generated::Hundredths, wholeFrom,  wholeTo,
            step, fractionFrom,          fractionTo, removedFromTop};
}

constexpr EntryRule generated(const char* first, Generated how)
{
    return {first, how};
}

constexpr const char* kDevices = "Keyboard|Mouse|Joystick|Lightgun";

// clang-format off
constexpr std::array<OptionSpec, kOptionCount> kCatalogue = {{
    check(O::SkipG, "chkSkipG", "Skip Gameinfo", F::Configuration, "Skip Gameinfo", "skip_gameinfo", "0"),
    list(O::Bios, "cboBios", "Bios", F::Miscellaneous, "Bios", "bios", "Default", "Bios:",
         generated("Default", Generated::BiosSets)),
    check(O::Cheat, "chkCheat", "Cheat", F::Miscellaneous, "Cheat", "cheat", "0"),
    check(O::Autosave, "chkAutosave", "Autosave", F::StatePlayback, "Autosave", "autosave", "0"),
    list(O::FrameSkip, "cboFrameSkip", "Frame Skip", F::Performance, "FrameSkip", "frameskip", "0",
         "Frame Skip:", integers("Auto", 0, 12)),
    check(O::Throttle, "chkThrottle", "Throttle", F::Performance, "Throttle", "throttle", "1"),
    check(O::Sleep, "chkSleep", "Sleep", F::Performance, "Sleep", "sleep", "1"),
    check(O::RDTSC, "chkRDTSC", "RDTSC", F::Performance, "RDTSC", "rdtsc", "0"),
    list(O::Priority, "cboPriority", "Priority", F::Performance, "Priority", "priority", "0",
         "Priority:", integers("", -15, 1)),
    list(O::Video, "cboVideo", "Video", F::Video, "Video", "video", "D3D", "Video:",
         fixed("GDI|DDraw|D3D")),
    check(O::Window, "chkWindow", "Window", F::Video, "Window", "window", "0"),
    check(O::Maximize, "chkMaximize", "Maximize", F::Video, "Maximize", "maximize", "1"),
    check(O::KeepAspect, "chkKeepAspect", "Keep Aspect", F::Video, "Keep Aspect", "keepaspect", "1"),
    list(O::Prescale, "cboPrescale", "Prescale", F::Video, "Prescale", "prescale", "1", "Prescale:",
         integers("", 1, 8)),
    list(O::Effect, "cboEffect", "Effect", F::Video, "Effect", "effect", "None", "Effect:",
         generated("None", Generated::EffectImages)),
    check(O::WaitVSync, "chkWaitVSync", "Wait VSync", F::Video, "Wait VSync", "waitvsync", "0"),
    check(O::SyncRefresh, "chkSyncRefresh", "Sync Refresh", F::Video, "Sync Refresh", "syncrefresh", "0"),
    check(O::Rotate, "chkRotate", "Rotate", F::VideoRotation, "Rotate", "rotate", "1"),
    list(O::Roll, "cboRoll", "Roll", F::VideoRotation, "Roll", "ror", "None", "Roll:",
         fixed("None|Right|Left|AutoRight|AutoLeft")),
    list(O::Flip, "cboFlip", "Flip", F::VideoRotation, "Flip", "flipx", "None", "Flip:",
         fixed("None|Horizontally|Vertically|Both")),
    check(O::HwStretch, "chkHwStretch", "Hardware Stretch", F::DirectDraw, "Hardware Stretch", "hwstretch", "1"),
    check(O::Filter, "chkFilter", "Bilinear Filtering", F::Direct3D, "Filter", "filter", "1"),
    list(O::Resolution, "cboResolution", "Resolution", F::PerWindow, "Resolution 0", "resolution0",
         "Auto", "Resolution:",
         generated("Auto|0x0@60|0x0@70|0x0@72|0x0@75", Generated::Resolutions)),
    check(O::TripleBuffer, "chkTripleBuffer", "Triple Buffer", F::FullScreen, "Triple Buffer", "triplebuffer", "0"),
    check(O::SwitchRes, "chkSwitchRes", "Switch Resolution", F::FullScreen, "Switch Resolution", "switchres", "0"),
    list(O::FullScreenBrightness, "cboFullScreenBrightness", "Full Screen Brightness", F::FullScreen,
         "Full Screen Brightness", "full_screen_brightness", "1.00", "Full Screen Brightness:",
         hundredths(0, 2, 0, 90, 10, 1)),
    list(O::FullScreenContrast, "cboFullScreenContrast", "Full Screen Contrast", F::FullScreen,
         "Full Screen Contrast", "full_screen_contrast", "1.00", "Full Screen Contrast:",
         hundredths(0, 2, 0, 90, 10, 1)),
    list(O::FullScreenGamma, "cboFullScreenGamma", "Full Screen Gamma", F::FullScreen,
         "Full Screen Gamma", "full_screen_gamma", "1.00", "Full Screen Gamma:",
         hundredths(0, 3, 0, 90, 10, 1)),
    list(O::Brightness, "cboBrightness", "Brightness", F::GameScreen, "Brightness", "brightness",
         "1.00", "Brightness:", hundredths(0, 2, 0, 99, 1, 10)),
    list(O::Contrast, "cboContrast", "Contrast", F::GameScreen, "Contrast", "contrast", "1.00",
         "Contrast:", hundredths(0, 2, 0, 95, 5, 10)),
    list(O::Gamma, "cboGamma", "Gamma", F::GameScreen, "Gamma", "gamma", "1.00", "Gamma:",
         hundredths(0, 2, 0, 95, 5, 10)),
    check(O::Antialias, "chkAntialias", "Antialias", F::VectorRendering, "Antialias", "antialias", "1"),
    list(O::Beam, "cboBeam", "Beam", F::VectorRendering, "Beam", "beam", "1.00", "Beam:",
         hundredths(1, 16, 0, 90, 10, 0)),
    list(O::Flicker, "cboFlicker", "Flicker", F::VectorRendering, "Flicker", "flicker", "0.00",
         "Flicker:", integers("", 0, 100, 5, ".00")),
    check(O::Artwork, "chkArtwork", "Artwork", F::Artwork, "Artwork", "artwork", "1"),
    check(O::Crop, "chkCrop", "Crop", F::Artwork, "Crop", "artwork_crop", "0"),
    check(O::Backdrops, "chkBackdrops", "Backdrops", F::Artwork, "Backdrops", "use_backdrops", "1"),
    check(O::Overlays, "chkOverlays", "Overlays", F::Artwork, "Overlays", "use_overlays", "1"),
    check(O::Bezels, "chkBezels", "Bezels", F::Artwork, "Bezels", "use_bezels", "1"),
    check(O::Sound, "chkSound", "Sound", F::Sound, "Sound", "sound", "1"),
    list(O::SampleRate, "cboSampleRate", "Sample Rate", F::Sound, "Sample Rate", "samplerate",
         "48000", "Sample Rate:", fixed("11025|22050|44100|48000")),
    check(O::Samples, "chkSamples", "Samples", F::Sound, "Samples", "samples", "1"),
    list(O::Volume, "cboVolume", "Volume", F::Sound, "Volume", "volume", "0", "Volume:",
         integers("", -32, 0)),
    list(O::AudioLat, "cboAudioLat", "Audio Latency", F::Sound, "Audio Latency", "audio_latency",
         "1/5 To 2/5", "Audio Latency:", fixed("1/5 To 2/5|2/5 To 3/5|3/5 To 4/5|4/5 To 5/5")),
    list(O::Controller, "cboController", "Controller", F::InputDevice, "Controller", "ctrlr", "None",
         "Controller:", fixed("None|HotRod|HotRod SE|SlikStik|X-Arcade")),
    check(O::Mouse, "chkMouse", "Mouse", F::InputDevice, "Mouse", "mouse", "0"),
    check(O::Joystick, "chkJoystick", "Joystick", F::InputDevice, "Joystick", "joystick", "0"),
    check(O::Lightgun, "chkLightgun", "Lightgun", F::InputDevice, "Lightgun", "lightgun", "0"),
    check(O::DualLightgun, "chkDualLightgun", "Dual Lightgun", F::InputDevice, "Dual Lightgun", "dual_lightgun", "0"),
    check(O::OffReload, "chkOffReload", "OffScreen Reload", F::InputDevice, "Offscreen Reload", "offscreen_reload", "0"),
    check(O::SteadyKey, "chkSteadyKey", "Steady Key", F::InputDevice, "Steady Key", "steadykey", "0"),
    list(O::Deadzone, "cboDeadzone", "A2d Deadzone", F::InputDevice, "A2d Deadzone", "a2d_deadzone",
         "0.30", "A2d Deadzone:", hundredths(0, 1, 0, 95, 5, 0)),
    list(O::PaddleDev, "cboPaddleDev", "Paddle", F::AutomaticDevice, "Paddle Device", "paddle_device",
         "Keyboard", "Paddle:", fixed(kDevices)),
    list(O::AdstickDev, "cboAdstickDev", "Adstick", F::AutomaticDevice, "Adstick Device", "adstick_device",
         "Keyboard", "Adstick:", fixed(kDevices)),
    list(O::PedalDev, "cboPedalDev", "Pedal", F::AutomaticDevice, "Pedal Device", "pedal_device",
         "Keyboard", "Pedal:", fixed(kDevices)),
    list(O::DialDev, "cboDialDev", "Dial", F::AutomaticDevice, "Dial Device", "dial_device",
         "Keyboard", "Dial:", fixed(kDevices)),
    list(O::TrackballDev, "cboTrackballDev", "Trackball", F::AutomaticDevice, "Trackball Device",
         "trackball_device", "Keyboard", "Trackball:", fixed(kDevices)),
    list(O::LightgunDev, "cboLightgunDev", "Lightgun", F::AutomaticDevice, "Lightgun Device",
         "lightgun_device", "Keyboard", "Lightgun:", fixed(kDevices)),
    check(O::KeyLeds, "chkKeyLeds", "Keyboard LEDs", F::OutputDevice, "Keyboard LEDs", "keyboard_leds", "1"),
    list(O::LEDMode, "cboLEDMode", "LED Mode", F::OutputDevice, "LED Mode", "led_mode", "PS/2",
         "LED Mode:", fixed("PS/2|USB")),
    {O::OtherCommands, "txtOtherCommands", ControlKind::Text, "Other Commands", F::VelmoraSpecific,
     "Other Commands", "", "", "", {}},
}};

struct FrameNames
{
    const char* section;
    const char* caption;
};

constexpr std::array<FrameNames, kFrameCount> kFrames = {{
    {"Configuration Options", "# Configuration Options #"},
    {"Miscellaneous Options", "# Miscellaneous Options  #"},
    {"State/Playback Options", "# State/Playback Options  #"},
    {"Performance Options", "# Performance Options #"},
    {"Video Options", "# Video Options #"},
    {"Video Rotation Options", "# Video Rotation Options #"},
    {"DirectDraw-Specific Options", "# DirectDraw-Specific Options #"},
    {"Direct3D-Specific Options", "# Direct3D-Specific Options #"},
    {"Per-Window Video Options", "# Per-Window Video Options #"},
    {"Full Screen Options", "# Full Screen Options #"},
    {"Game Screen Options", "# Game Screen Options #"},
    {"Vector Rendering Options", "# Vector Rendering Options #"},
    {"Artwork Options", "# Artwork Options #"},
    {"Sound Options", "# Sound Options #"},
    {"Input Device Options", "# Input Device Options #"},
    {"Automatic Device Selection Options", "# Automatic Device Selection Options #"},
    {"Output Device Options", "# Output Device Options #"},
    {"Miscellaneous", "# Velmora-Specific Options #"},
}};
// clang-format on

constexpr bool tableIsInOrder()
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (static_cast<int>(kCatalogue[i].option) != i)
            return false;
    }
    return true;
}
static_assert(tableIsInOrder(), "the catalogue rows follow the Option enum");

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QStringList hundredthsEntries(const EntryRule& rule)
{
    QStringList entries;
    for (int whole = rule.from; whole <= rule.to; ++whole) {
        for (int fraction = rule.fractionFrom; fraction <= rule.fractionTo; fraction += rule.step) {
            entries << QString::number(whole) + u'.' + twoDigits(fraction);
            if (whole == rule.to)
                break;
        }
    }
    return entries.mid(rule.removedFromTop);
}

QStringList integerEntries(const EntryRule& rule)
{
    QStringList entries;
    for (int n = rule.from; n <= rule.to; n += rule.step)
        entries << QString::number(n) + QLatin1String(rule.suffix);
    return entries;
}

// The screen sizes offered, each alone and at four refresh rates.
QStringList resolutionEntries()
{
    static const char* const sizes[] = {"320x240",   "640x480",   "800x600",
                                        "1024x768",  "1152x864",  "1280x960",
                                        "1280x1024", "1600x1024", "1600x1200"};
    QStringList entries;
    for (const char* size : sizes) {
        const QString s = QLatin1String(size);
        for (const char* rate : {"", "@60", "@70", "@72", "@75"})
            entries << s + QLatin1String(rate);
    }
    return entries;
}

} // namespace

const std::array<OptionSpec, kOptionCount>& optionCatalogue()
{
    return kCatalogue;
}

const OptionSpec& optionSpec(Option option)
{
    return kCatalogue[optionIndex(option)];
}

QString frameSection(Frame frame)
{
    return QLatin1String(kFrames[static_cast<int>(frame)].section);
}

QString frameCaption(Frame frame)
{
    return QLatin1String(kFrames[static_cast<int>(frame)].caption);
}

QString sectionOf(Option option)
{
    return frameSection(optionSpec(option).frame);
}

QString keyOf(Option option)
{
    return QLatin1String(optionSpec(option).key);
}

QString displayNameOf(Option option)
{
    return QLatin1String(optionSpec(option).displayName);
}

QString mameDefaultOf(Option option)
{
    return QLatin1String(optionSpec(option).mameDefault);
}

ControlKind kindOf(Option option)
{
    return optionSpec(option).kind;
}

bool isList(Option option)
{
    return kindOf(option) == ControlKind::List;
}

bool isCheck(Option option)
{
    return kindOf(option) == ControlKind::Check;
}

bool runsSetFrames(Option option)
{
    switch (option) {
    case Option::Video:
    case Option::Resolution:
    case Option::Window:
    case Option::Sound:
    case Option::Samples:
    case Option::Artwork:
    case Option::Lightgun:
    case Option::Joystick:
    case Option::KeyLeds:
        return true;
    default:
        return false;
    }
}

QStringList staticEntries(Option option)
{
    const OptionSpec& row = optionSpec(option);
    if (row.kind != ControlKind::List)
        return {};
    QStringList entries = QString::fromLatin1(row.entries.fixed).split(u'|', Qt::SkipEmptyParts);
    switch (row.entries.generated) {
    case Generated::Integers:
        entries << integerEntries(row.entries);
        break;
    case Generated::Hundredths:
        entries << hundredthsEntries(row.entries);
        break;
    case Generated::Resolutions:
        entries << resolutionEntries();
        break;
    case Generated::None:
    case Generated::BiosSets:
    case Generated::EffectImages:
        break;
    }
    return entries;
}

int listIndex(Option option)
{
    if (!isList(option))
        return -1;
    int index = 0;
    for (int i = 0; i < optionIndex(option); ++i) {
        if (kCatalogue[i].kind == ControlKind::List)
            ++index;
    }
    return index;
}

QString resolutionNote()
{
    return QStringLiteral("This is for your main screen.  Use the Other Commands textbox below for "
                          "additional settings and screens.");
}

QString otherCommandsTip()
{
    return QStringLiteral("Here You Can Add M.A.M.E. Options That Are Not In Velmora Such As "
                          "-numscreens, -digital, Or Others");
}

QString otherCommandsLabel()
{
    return QStringLiteral("Other Commands:");
}

QString properCase(const QString& text)
{
    QString result = text;
    bool wordStart = true;
    for (QChar& c : result) {
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = !c.isLetterOrNumber();
    }
    return result;
}

} // namespace velmora
