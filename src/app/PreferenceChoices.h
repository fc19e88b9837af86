#pragma once
// The fixed choices of the Options dialog's preferences page: the hide-system list in the order it
// is shown and addressed, the year list, the font sizes, and the set "Velmora Choices" applies.
#include "app/Preferences.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace velmora {

struct HideSystemEntry
{
    const char* caption;
    HideFlag flag;
};

inline constexpr int kHideSystemCount = 19;

// The hide-system entries in list order: alphabetical without regard to case and passing over
// hyphens, so "CVS" follows "Crystal" and "ST-V" follows "Standard". An entry's index in this
// list is its index in the list box.
const std::array<HideSystemEntry, kHideSystemCount>& hideSystemEntries();

// The hide check boxes of the preferences page, by objectName and caption, with their flags.
struct HideCheckBox
{
    const char* objectName;
    const char* caption;
    HideFlag flag;
};
const std::array<HideCheckBox, 7>& hideCheckBoxes();

// "1975" up to and including the year before `currentYear`, ascending.
QStringList yearChoices(int currentYear);

// The list font sizes offered.
QStringList fontSizeChoices();

// Whether the platform can block the system's task-switch keys while a game runs. Without such a
// switch the hot-key box is always cleared and disabled.
bool hotKeyBlockingAvailable();

// What "Velmora Choices" sets: these hide-system entries selected (all others cleared), these
// hide boxes ticked (Hide Imperfect Games cleared), the year, the background entry, the text colour
// and size, and the star field on.
inline constexpr std::array<int, 4> kVelmoraChoiceSystems{6, 10, 13, 14};
inline constexpr std::array<HideFlag, 7> kVelmoraChoiceFlags{
    HideFlag::Clones,  HideFlag::Preliminary, HideFlag::Vs, HideFlag::Year,
    HideFlag::Bootleg, HideFlag::Test,        HideFlag::CHD};
inline constexpr const char* kVelmoraChoiceYear = "1990";
inline constexpr qint32 kVelmoraChoiceFontColor = 0xFFFFFF;
inline constexpr const char* kVelmoraChoiceFontSize = "8";

} // namespace velmora
