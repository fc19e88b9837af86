#include "emulator_settings/BuildIni.h"

#include "app/IniFile.h"
#include "emulator_settings/InstalledOptions.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/OptionCatalogue.h"
#include "platform/Seams.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

using O = Option;

const QString kNotSet = QStringLiteral("<NULL> (not set)");

bool plainAscii(const QString& value)
{
    return std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 128; });
}

// Collects the lines of the settings layer, one block at a time.
class LayerWriter
{
public:
    explicit LayerWriter(const BuildIniRequest& request)
        : m_usage(request.usage ? &*request.usage : nullptr)
    {
        for (const OptionSpec& row : optionCatalogue())
            m_values[optionIndex(row.option)] =
                ReadIniValue(request.settingsFile, sectionOf(row.option), keyOf(row.option),
                             mameDefaultOf(row.option));
    }

    QString value(Option option) const { return m_values[optionIndex(option)]; }
    bool is(Option option, const char* text) const
    {
        return value(option).compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
    }

    const MameUsage* usage() const { return m_usage; }

    // A block's heading is written with its first line, so a block of options the installed
    // MAME does not know leaves no trace.
    void block(const char* heading) { m_heading = QLatin1String(heading); }
    void line(const QString& name, const QString& v)
    {
        if (m_usage && !m_usage->knows(name))
            return;
        if (plainAscii(v))
            add(name + u'\t' + v);
        else
            m_leftOut << name + u' ' + v;
    }
    void line(const char* name, const QString& v) { line(QLatin1String(name), v); }
    void line(const char* name, const char* v) { line(QLatin1String(name), QLatin1String(v)); }
    void notSet(const char* name)
    {
        add(QStringLiteral("# ") + QLatin1String(name) + u'\t' + kNotSet);
    }
    // The option's own mame.ini key with its stored value.
    void plain(Option option) { line(optionSpec(option).mameIniKey, value(option)); }
    void lowerCased(Option option) { line(optionSpec(option).mameIniKey, value(option).toLower()); }

    QString text() const { return m_lines.join(QStringLiteral("\r\n")); }
    const QStringList& leftOut() const { return m_leftOut; }

private:
    void add(const QString& text)
    {
        if (!m_heading.isEmpty()) {
            if (!m_lines.isEmpty())
                m_lines << QString();
            m_lines << QStringLiteral("#") << m_heading << QStringLiteral("#");
            m_heading.clear();
        }
        m_lines << text;
    }

    const MameUsage* m_usage;
    std::array<QString, kOptionCount> m_values;
    QString m_heading;
    QStringList m_lines;
    QStringList m_leftOut;
};

// The video method as the installed MAME names it: a method of the older catalogue becomes
// today's method of the same kind when MAME lists methods of its own.
QString videoValue(const LayerWriter& w)
{
    const QString stored = w.value(O::Video).toLower();
    if (!hasOwnVideoMethods(w.usage()))
        return stored;
    const QStringList methods = w.usage()->values(QStringLiteral("video"));
    const QString today = todaysVideoMethod(stored);
    return methods.contains(stored) || today.isEmpty() ? stored : today;
}

QString biosValue(const QString& bios)
{
    if (bios.compare(QLatin1String("Default"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("default");
    // An entry is "<description>: <set>"; the set name starts after the first ": ".
    const qsizetype at = bios.indexOf(QLatin1String(": "));
    return (at < 0 ? bios : bios.mid(at + 2)).toLower();
}

void writeConfiguration(LayerWriter& w)
{
    w.block("# CONFIGURATION OPTIONS");
    w.line("readconfig", "1");
    w.plain(O::SkipG);
    w.block("# MISCELLANEOUS OPTIONS");
    w.line("bios", biosValue(w.value(O::Bios)));
    w.plain(O::Cheat);
}

// Today's MAME adds no extension to a recording's name, so the lines name <rom>.inp.
void writeStatePlayback(LayerWriter& w, const BuildIniRequest& request)
{
    const QString recording = request.rom + QStringLiteral(".inp");
    w.block("# STATE/PLAYBACK OPTIONS");
    w.notSet("state");
    w.plain(O::Autosave);
    request.playback ? w.line("playback", recording) : w.notSet("playback");
    request.record ? w.line("record", recording) : w.notSet("record");
    w.notSet("mngwrite");
    w.notSet("wavwrite");
    w.block("# DEBUGGING OPTIONS");
    w.line("log", "0");
    w.line("oslog", "0");
    w.line("verbose", "0");
}

// A fixed frame skip, no larger than the installed MAME takes.
QString frameSkipValue(const LayerWriter& w)
{
    const QString stored = w.value(O::FrameSkip);
    bool number = false;
    const int skip = stored.toInt(&number);
    const std::optional<int> most =
        w.usage() ? w.usage()->upperLimit(QStringLiteral("frameskip")) : std::nullopt;
    return number && most && skip > *most ? QString::number(*most) : stored;
}

void writePerformance(LayerWriter& w)
{
    w.block("# PERFORMANCE OPTIONS");
    const bool autoSkip = w.is(O::FrameSkip, "Auto");
    w.line("autoframeskip", autoSkip ? "1" : "0");
    w.line("frameskip", autoSkip ? QStringLiteral("0") : frameSkipValue(w));
    w.line("frames_to_run", "0");
    w.plain(O::Throttle);
    w.plain(O::Sleep);
    w.plain(O::RDTSC);
    w.plain(O::Priority);
}

void writeVideo(LayerWriter& w)
{
    w.block("# VIDEO OPTIONS");
    w.line("video", videoValue(w));
    w.line("numscreens", "1");
    w.plain(O::Window);
    w.plain(O::Maximize);
    w.plain(O::KeepAspect);
    w.lowerCased(O::Prescale);
    w.lowerCased(O::Effect);
    w.line("pause_brightness", "0.65");
    w.plain(O::WaitVSync);
    w.plain(O::SyncRefresh);
}

void writeRoll(LayerWriter& w)
{
    static const char* const names[] = {"ror", "rol", "autoror", "autorol"};
    static const char* const rolls[] = {"Right", "Left", "AutoRight", "AutoLeft"};
    int chosen = -1;
    for (int i = 0; i < 4; ++i) {
        if (w.is(O::Roll, rolls[i]))
            chosen = i;
    }
    if (chosen < 0 && !w.is(O::Roll, "None"))
        return;
    for (int i = 0; i < 4; ++i)
        w.line(names[i], i == chosen ? "1" : "0");
}

// Flip pairs crosswise: "Horizontally" sets flipy and "Vertically" sets flipx.
void writeFlip(LayerWriter& w)
{
    const char* flipx = nullptr;
    const char* flipy = nullptr;
    if (w.is(O::Flip, "None"))
        flipx = "0", flipy = "0";
    else if (w.is(O::Flip, "Horizontally"))
        flipx = "0", flipy = "1";
    else if (w.is(O::Flip, "Vertically"))
        flipx = "1", flipy = "0";
    else if (w.is(O::Flip, "Both"))
        flipx = "1", flipy = "1";
    if (!flipx)
        return;
    w.line("flipx", flipx);
    w.line("flipy", flipy);
}

void writeRotationAndRenderers(LayerWriter& w)
{
    w.block("# VIDEO ROTATION OPTIONS");
    w.plain(O::Rotate);
    writeRoll(w);
    writeFlip(w);
    w.block("# DIRECTDRAW-SPECIFIC OPTIONS");
    w.plain(O::HwStretch);
    w.block("# DIRECT3D-SPECIFIC OPTIONS");
    w.notSet("d3dversion");
    w.plain(O::Filter);
}

void writeScreens(LayerWriter& w)
{
    w.block("# PER-WINDOW VIDEO OPTIONS");
    w.line("screen0", "auto");
    w.line("aspect0", "auto");
    w.lowerCased(O::Resolution);
    w.line("view0", "auto");
    for (int n = 1; n <= 3; ++n) {
        for (const char* name : {"screen", "aspect", "resolution", "view"})
            w.line(QLatin1String(name) + QString::number(n), QStringLiteral("auto"));
    }
    w.block("# FULL SCREEN OPTIONS");
    for (O o : {O::TripleBuffer, O::SwitchRes, O::FullScreenBrightness, O::FullScreenContrast,
                O::FullScreenGamma})
        w.plain(o);
    w.block("# GAME SCREEN OPTIONS");
    for (O o : {O::Brightness, O::Contrast, O::Gamma})
        w.plain(o);
    w.block("# VECTOR RENDERING OPTIONS");
    for (O o : {O::Antialias, O::Beam, O::Flicker})
        w.plain(o);
    w.block("# ARTWORK OPTIONS");
    for (O o : {O::Artwork, O::Crop, O::Backdrops, O::Overlays, O::Bezels})
        w.plain(o);
}

void writeSound(LayerWriter& w)
{
    w.block("# SOUND OPTIONS");
    // Where sound names an output method, the box chooses between MAME's own choice and silence.
    if (soundTakesMethod(w.usage()))
        w.line("sound", w.is(O::Sound, "0") ? "none" : "auto");
    else
        w.plain(O::Sound);
    for (O o : {O::SampleRate, O::Samples, O::Volume})
        w.plain(o);
    static const char* const latencies[] = {"1/5 To 2/5", "2/5 To 3/5", "3/5 To 4/5", "4/5 To 5/5"};
    for (int i = 0; i < 4; ++i) {
        if (w.is(O::AudioLat, latencies[i]))
            w.line("audio_latency", QString::number(i + 1));
    }
}

void writeInput(LayerWriter& w)
{
    w.block("# INPUT DEVICE OPTIONS");
    static const char* const controllers[][2] = {{"HotRod", "hotrod"},
                                                 {"HotRod SE", "hotrodse"},
                                                 {"SlikStik", "slikstik"},
                                                 {"X-Arcade", "xarcade"}};
    bool named = w.is(O::Controller, "None");
    if (named)
        w.notSet("ctrlr");
    for (const auto& controller : controllers) {
        if (w.is(O::Controller, controller[0]))
            w.line("ctrlr", controller[1]), named = true;
    }
    // Any other name is a controller file of the Ctrlr folder, which MAME finds by that name.
    if (!named && w.usage() && !w.value(O::Controller).isEmpty())
        w.line("ctrlr", w.value(O::Controller));
    for (O o : {O::Mouse, O::Joystick, O::Lightgun, O::DualLightgun, O::OffReload, O::SteadyKey})
        w.plain(o);
    w.plain(O::Deadzone);
    w.line("digital", "none");
    w.block("# AUTOMATIC DEVICE SELECTION OPTIONS");
    for (O o :
         {O::PaddleDev, O::AdstickDev, O::PedalDev, O::DialDev, O::TrackballDev, O::LightgunDev})
        w.lowerCased(o);
    w.block("# OUTPUT DEVICE OPTIONS");
    w.plain(O::KeyLeds);
    w.lowerCased(O::LEDMode);
}

BuildIniResult fail(BuildIniResult result, const QString& description)
{
    result.error = description;
    platform::showMessage(QStringLiteral("Error In BuildIni: ") + description,
                          QStringLiteral("Velmora"), platform::MessageIcon::Critical);
    platform::endProgram();
    return result;
}

} // namespace

QString settingsLayer(const BuildIniRequest& request, QStringList* leftOut)
{
    LayerWriter w(request);
    writeConfiguration(w);
    writeStatePlayback(w, request);
    writePerformance(w);
    writeVideo(w);
    writeRotationAndRenderers(w);
    writeScreens(w);
    writeSound(w);
    writeInput(w);
    if (leftOut)
        *leftOut = w.leftOut();
    return w.text();
}

BuildIniResult BuildIni(const BuildIniRequest& request, const Preferences& prefs)
{
    BuildIniResult result;
    QString error;
    const MameUsage* usage = request.usage ? &*request.usage : nullptr;
    const QString layer = settingsLayer(request, &result.leftOut);
    if (!writeMameIni(prefs, (layer + QStringLiteral("\r\n")).toUtf8(), &error, usage))
        return fail(result, error.isEmpty() ? QStringLiteral("Path not found") : error);
    result.commandString = ReadIniValue(request.settingsFile, QStringLiteral("Miscellaneous"),
                                        QStringLiteral("Other Commands"), QString());
    result.ok = true;
    return result;
}

} // namespace velmora
