#pragma once
// The option catalogue: the 61 MAME options that the settings panel edits, in one table. Each row
// names the control, its kind, the name used in messages and reports, the frame it sits in (whose
// name is the settings-file section), its settings-file key, the mame.ini key it turns into, its
// MAME default and how its list of entries is made. The order of the table is the order of
// saving, loading, comparing and of the settings layer of mame.ini.
#include <QString>
#include <QStringList>
#include <array>

namespace velmora {

// The 18 frames of the settings panel, in panel order. A frame's section name is the settings-file
// section of every control inside it.
enum class Frame
{
    Configuration,
    Miscellaneous,
    StatePlayback,
    Performance,
    Video,
    VideoRotation,
    DirectDraw,
    Direct3D,
    PerWindow,
    FullScreen,
    GameScreen,
    VectorRendering,
    Artwork,
    Sound,
    InputDevice,
    AutomaticDevice,
    OutputDevice,
    VelmoraSpecific,
    Count
};
inline constexpr int kFrameCount = static_cast<int>(Frame::Count);

// The 61 controls, in catalogue order.
enum class Option
{
    SkipG,
    Bios,
    Cheat,
    Autosave,
    FrameSkip,
    Throttle,
    Sleep,
    RDTSC,
    Priority,
    Video,
    Window,
    Maximize,
    KeepAspect,
    Prescale,
    Effect,
    WaitVSync,
    SyncRefresh,
    Rotate,
    Roll,
    Flip,
    HwStretch,
    Filter,
    Resolution,
    TripleBuffer,
    SwitchRes,
    FullScreenBrightness,
    FullScreenContrast,
    FullScreenGamma,
    Brightness,
    Contrast,
    Gamma,
    Antialias,
    Beam,
    Flicker,
    Artwork,
    Crop,
    Backdrops,
    Overlays,
    Bezels,
    Sound,
    SampleRate,
    Samples,
    Volume,
    AudioLat,
    Controller,
    Mouse,
    Joystick,
    Lightgun,
    DualLightgun,
    OffReload,
    SteadyKey,
    Deadzone,
    PaddleDev,
    AdstickDev,
    PedalDev,
    DialDev,
    TrackballDev,
    LightgunDev,
    KeyLeds,
    LEDMode,
    OtherCommands,
    Count
};
inline constexpr int kOptionCount = static_cast<int>(Option::Count);

enum class ControlKind
{
    Check,
    List,
    Text
};

// How the entries of a drop-down list are made, after its fixed entries.
enum class Generated
{
    None,
    Integers,    // whole numbers from `from` to `to` by `step`, each followed by `suffix`
    Hundredths,  // W.FF for W from `from` to `to` and F by `step`, the last entry W.00 (see below)
    Resolutions, // each screen size alone and with @60, @70, @72, @75
    BiosSets,    // one entry per BIOS set of resource.txt (DefineCombos)
    EffectImages // one entry per PNG image of the Artwork folder (DefineCombos)
};

// Two nested counting loops: the whole part W from `from` to `to`, the fraction F (hundredths)
// from `fractionFrom` to `fractionTo` by `step`; the inner loop stops after the entry whose W is
// `to`. Then `removedFromTop` entries are dropped from the start.
struct EntryRule
{
    const char* fixed = ""; // entries listed first, separated by '|'
    Generated generated = Generated::None;
    int from = 0;
    int to = 0;
    int step = 1;
    int fractionFrom = 0;
    int fractionTo = 0;
    int removedFromTop = 0;
    const char* suffix = "";
};

struct OptionSpec
{
    Option option;
    const char* control; // the control's objectName (chkSkipG, cboBios, txtOtherCommands)
    ControlKind kind;
    const char* displayName; // check box caption or list tag, used in messages and reports
    Frame frame;
    const char* key;         // settings-file key
    const char* mameIniKey;  // mame.ini key; empty for Other Commands, which go on the command line
    const char* mameDefault; // "0"/"1" for check boxes
    const char* label;       // the label beside a list ("Bios:"); empty for the others
    EntryRule entries;
};

const std::array<OptionSpec, kOptionCount>& optionCatalogue();
const OptionSpec& optionSpec(Option option);

inline int optionIndex(Option option)
{
    return static_cast<int>(option);
}
inline Option optionAt(int index)
{
    return static_cast<Option>(index);
}

// The settings-file section of a frame ("Video Options", "Miscellaneous" for the last one).
QString frameSection(Frame frame);
// The caption the panel shows on a frame ("# Video Options #").
QString frameCaption(Frame frame);

QString sectionOf(Option option);
QString keyOf(Option option);
QString displayNameOf(Option option);
QString mameDefaultOf(Option option);
ControlKind kindOf(Option option);
bool isList(Option option);
bool isCheck(Option option);

// The controls whose change runs the enabling rules (their click handlers only call SetFrames).
bool runsSetFrames(Option option);

// The entries a list holds before DefineCombos adds BIOS sets and effect images: its fixed entries
// and generated numbers. Empty for check boxes and the text box.
QStringList staticEntries(Option option);

// The index among the 29 lists (0 for cboBios ... 28 for cboLEDMode), which numbers the labels
// lblCombo_0 ... lblCombo_28; -1 for check boxes and the text box.
int listIndex(Option option);
inline constexpr int kListCount = 29;

// The note beside the resolution list, and the label and tooltip of the Other Commands box.
QString resolutionNote();
QString otherCommandsTip();
QString otherCommandsLabel();

// Proper case as the program has always shown BIOS and effect names: the first letter of each
// word upper case, the rest lower case; a word starts after any character that is neither a
// letter nor a digit ("scan.PNG" becomes "Scan.Png").
QString properCase(const QString& text);

} // namespace velmora
