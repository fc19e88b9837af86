#include "ui/StatusPanels.h"

#include <QLabel>

namespace velmora {
namespace {

struct PanelDesign
{
    const char* tip;
    int minimumWidth;
    int stretch;
};

const PanelDesign kDesign[StatusPanels::kPanelCount] = {
    {"Total Number Of Games In This List", 110, 0},
    {"Selected Game Name", 160, 1},
    {"ROM Name", 80, 0},
    {"Original Game Or Clone Of Some Other Game", 60, 0},
    {"Display Orientation: H = Horizontal  V = Vertical", 72, 0},
    {"Settings This Game Uses If Installed", 110, 0},
};

QString tipOf(int element, int index)
{
    // The main status bar names the game and spells out the orientation for the list.
    if (element == 0 && index == 1)
        return QStringLiteral("Game Name");
    if (element == 0 && index == 4)
        return QStringLiteral("Orientation: H = Horizontal  V = Vertical");
    return QLatin1String(kDesign[index].tip);
}

} // namespace

StatusPanels::StatusPanels(int element, QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar[%1]").arg(element));
    setSizeGripEnabled(element == 0);
    setAutoFillBackground(true);
    for (int i = 0; i < kPanelCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(kDesign[i].minimumWidth);
        label->setToolTip(tipOf(element, i));
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        addPermanentWidget(label, kDesign[i].stretch);
        m_panels[size_t(i)] = label;
    }
}

QString StatusPanels::text(int panel) const
{
    return m_texts[size_t(panel - 1)];
}

void StatusPanels::setText(int panel, const QString& text)
{
    m_texts[size_t(panel - 1)] = text;
    showPanel(panel);
}

void StatusPanels::setNote(int panel, const QString& note)
{
    m_notes[size_t(panel - 1)] = note;
    showPanel(panel);
}

void StatusPanels::showPanel(int panel)
{
    const QString& text = m_texts[size_t(panel - 1)];
    const QString& note = m_notes[size_t(panel - 1)];
    this->panel(panel)->setText(note.isEmpty()   ? text
                                : text.isEmpty() ? note
                                                 : text + QStringLiteral("  |  ") + note);
}

void StatusPanels::clearFrom(int from)
{
    for (int i = from; i <= kPanelCount; ++i) {
        m_notes[size_t(i - 1)].clear();
        setText(i, QString());
    }
}

} // namespace velmora
