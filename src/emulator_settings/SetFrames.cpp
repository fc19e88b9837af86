#include "emulator_settings/SetFrames.h"

namespace velmora {
namespace {

using O = Option;

bool on(const ValueOf& value, Option option)
{
    return value(option) == QLatin1String("1");
}

void setFullScreen(EnableStates& s, bool enabled)
{
    s.set(Frame::FullScreen, enabled);
    for (Option o : {O::TripleBuffer, O::SwitchRes, O::FullScreenBrightness, O::FullScreenContrast,
                     O::FullScreenGamma})
        s.set(o, enabled);
}

void setDirectDraw(EnableStates& s, bool enabled)
{
    s.set(Frame::DirectDraw, enabled);
    s.set(O::HwStretch, enabled);
}

void setDirect3D(EnableStates& s, bool enabled)
{
    s.set(Frame::Direct3D, enabled);
    s.set(O::Filter, enabled);
}

void videoRule(const QString& video, EnableStates& s)
{
    if (video == QLatin1String("D3D")) {
        s.set(O::WaitVSync, true), s.set(O::SyncRefresh, true), s.set(O::Crop, true);
        setDirectDraw(s, false);
        setDirect3D(s, true);
    } else if (video == QLatin1String("DDraw")) {
        s.set(O::WaitVSync, true), s.set(O::SyncRefresh, true), s.set(O::Crop, false);
        setDirectDraw(s, true);
        setDirect3D(s, false);
    } else if (video == QLatin1String("GDI")) {
        s.set(O::WaitVSync, false), s.set(O::SyncRefresh, false);
        setFullScreen(s, false);
        s.set(O::Crop, true);
        setDirectDraw(s, false);
        setDirect3D(s, false);
    }
}

void windowRule(const ValueOf& value, EnableStates& s)
{
    if (on(value, O::Window)) {
        s.set(O::Maximize, true);
        setFullScreen(s, false);
    } else {
        s.set(O::Maximize, false);
        if (value(O::Video) != QLatin1String("GDI"))
            setFullScreen(s, true);
    }
}

void soundRule(const ValueOf& value, EnableStates& s)
{
    const bool sound = on(value, O::Sound);
    s.set(O::AudioLat, sound), s.set(O::Volume, sound), s.set(O::Samples, sound);
    if (!sound)
        s.set(O::SampleRate, false);
    else
        s.set(O::SampleRate, on(value, O::Samples));
}

void artworkRule(const ValueOf& value, EnableStates& s)
{
    const bool artwork = on(value, O::Artwork);
    s.set(O::Backdrops, artwork), s.set(O::Overlays, artwork), s.set(O::Bezels, artwork);
    s.set(O::Crop, artwork && value(O::Video) != QLatin1String("DDraw"));
}

} // namespace

QString settingsTypeWord(SettingsType type)
{
    return type == SettingsType::Raster ? QStringLiteral("Raster") : QStringLiteral("Vector");
}

EnableStates SetFrames(const ValueOf& value, EnableStates s)
{
    videoRule(value(O::Video), s);
    windowRule(value, s);
    soundRule(value, s);
    artworkRule(value, s);
    const bool lightgun = on(value, O::Lightgun);
    s.set(O::DualLightgun, lightgun), s.set(O::OffReload, lightgun);
    s.set(O::LEDMode, on(value, O::KeyLeds));
    s.set(O::Deadzone, on(value, O::Joystick));
    return s;
}

bool resolutionNeedsSwitchRes(const QString& resolution)
{
    static const QStringList automatic{QStringLiteral("Auto"), QStringLiteral("0x0@60"),
                                       QStringLiteral("0x0@70"), QStringLiteral("0x0@72"),
                                       QStringLiteral("0x0@75")};
    return !automatic.contains(resolution);
}

EnableStates setVectorRenderingEnabled(bool enabled, EnableStates s)
{
    s.set(Frame::VectorRendering, enabled);
    s.set(O::Beam, enabled), s.set(O::Flicker, enabled), s.set(O::Antialias, enabled);
    return s;
}

EnableStates setBiosEnabled(bool enabled, EnableStates s)
{
    s.set(O::Bios, enabled);
    return s;
}

} // namespace velmora
