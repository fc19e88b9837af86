#pragma once
// The enabling rules of the settings panel. SetFrames decides, from the current values, which
// controls and frames are enabled; a list's label always follows its list. Disabling never changes
// a value: a disabled control is still saved and still written to mame.ini.
#include "emulator_settings/OptionCatalogue.h"

#include <array>
#include <functional>

namespace velmora {

struct EnableStates
{
    std::array<bool, kOptionCount> control;
    std::array<bool, kFrameCount> frame;

    EnableStates() { control.fill(true), frame.fill(true); }

    bool enabled(Option option) const { return control[optionIndex(option)]; }
    bool enabled(Frame f) const { return frame[static_cast<int>(f)]; }
    void set(Option option, bool on) { control[optionIndex(option)] = on; }
    void set(Frame f, bool on) { frame[static_cast<int>(f)] = on; }
    bool operator==(const EnableStates&) const = default;
};

// Which settings the panel is editing: raster games or vector games.
enum class SettingsType
{
    Raster,
    Vector
};

QString settingsTypeWord(SettingsType type); // "Raster" or "Vector"

using ValueOf = std::function<QString(Option)>;

// Applies the eight rules to `previous` in order and returns the result. A video mode other than
// GDI, DDraw and D3D leaves the video rule's controls as they were.
EnableStates SetFrames(const ValueOf& value, EnableStates previous);

// The resolution rule: a fixed screen mode turns Switch Resolution on (nothing turns it off).
bool resolutionNeedsSwitchRes(const QString& resolution);

// The editor's own rules: the Vector Rendering frame with Beam, Flicker and Antialias is edited
// with vector settings only, the BIOS with raster settings only.
EnableStates setVectorRenderingEnabled(bool enabled, EnableStates states);
EnableStates setBiosEnabled(bool enabled, EnableStates states);

} // namespace velmora
