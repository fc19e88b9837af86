#include "app/ColorChoices.h"

namespace velmora {
namespace {

// The system colours in number order; entry n stands for system colour n.
const char* const kSystemColorNames[kSystemColorCount] = {"Scroll Bars",
                                                          "Desktop",
                                                          "Active Title Bar",
                                                          "Inactive Title Bar",
                                                          "Menu Bar",
                                                          "Window Background",
                                                          "Window Frame",
                                                          "Menu Text",
                                                          "Window Text",
                                                          "Active Title Bar Text",
                                                          "Active Border",
                                                          "Inactive Border",
                                                          "Application Workspace",
                                                          "Highlight",
                                                          "Highlighted Text",
                                                          "Button Face",
                                                          "Button Shadow",
                                                          "Disabled Text",
                                                          "Button Text",
                                                          "Inactive Title Bar Text",
                                                          "Button Highlight",
                                                          "Button Dark Shadow",
                                                          "Button Light Shadow",
                                                          "ToolTip Text",
                                                          "ToolTip"};

struct NamedRgb
{
    const char* name;
    int red, green, blue;
};

// Black comes first so that it is entry 25, the default list background.
const NamedRgb kStandardColors[] = {
    {"Black", 0, 0, 0},
    {"White", 255, 255, 255},
    {"Gray", 128, 128, 128},
    {"Silver", 192, 192, 192},
    {"Dark Slate Gray", 47, 79, 79},
    {"Red", 255, 0, 0},
    {"Maroon", 128, 0, 0},
    {"Orange", 255, 165, 0},
    {"Brown", 139, 69, 19},
    {"Gold", 255, 215, 0},
    {"Yellow", 255, 255, 0},
    {"Olive", 128, 128, 0},
    {"Lime", 0, 255, 0},
    {"Green", 0, 128, 0},
    {"Forest Green", 34, 139, 34},
    {"Aqua", 0, 255, 255},
    {"Teal", 0, 128, 128},
    {"Sky Blue", 135, 206, 235},
    {"Blue", 0, 0, 255},
    {"Navy", 0, 0, 128},
    {"Midnight Blue", 25, 25, 112},
    {"Indigo", 75, 0, 130},
    {"Purple", 128, 0, 128},
    {"Fuchsia", 255, 0, 255},
    {"Pink", 255, 192, 203},
    {"Beige", 245, 245, 220},
};

} // namespace

bool isSystemColorValue(qint32 value)
{
    return (quint32(value) & 0x80000000u) != 0;
}

int systemColorNumber(qint32 value)
{
    return int(quint32(value) & 0xFFFFFFu);
}

qint32 systemColorValue(int number)
{
    return qint32(0x80000000u | quint32(number));
}

qint32 rgbColorValue(int red, int green, int blue)
{
    return qint32((quint32(blue) << 16) | (quint32(green) << 8) | quint32(red));
}

QList<ColorChoice> colorChoices(const std::optional<ReportedSystemColors>& reported)
{
    QList<ColorChoice> choices;
    for (int n = 0; n < kSystemColorCount; ++n)
        choices.append({QLatin1String(kSystemColorNames[n]), systemColorValue(n)});
    for (const NamedRgb& c : kStandardColors)
        choices.append({QLatin1String(c.name), rgbColorValue(c.red, c.green, c.blue)});
    if (reported) {
        choices.append(
            {QStringLiteral("ActiveTitleBarGradient"), reported->activeTitleBarGradient});
        choices.append(
            {QStringLiteral("InactiveTitleBarGradient"), reported->inactiveTitleBarGradient});
        choices.append({QStringLiteral("HotTracking"), reported->hotTracking});
    }
    return choices;
}

int indexOfColorValue(const QList<ColorChoice>& choices, qint32 value)
{
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i].value == value)
            return i;
    return -1;
}

} // namespace velmora
