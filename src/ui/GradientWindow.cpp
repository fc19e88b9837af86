#include "ui/GradientWindow.h"

#include "app/ColorChoices.h"
#include "app/IniFile.h"
#include "platform/Seams.h"
#include "ui/ColorComboBox.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

GradientWindow::GradientWindow(AppState& state, std::function<void()> repaintGradient,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_repaint(std::move(repaintGradient)),
      m_cboSysCol(new ColorComboBox(this))
{
    setObjectName(QStringLiteral("frmGradient"));
    setWindowTitle(QStringLiteral("Gradient Color"));
    m_cboSysCol->setObjectName(QStringLiteral("cboSysCol"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_cboSysCol);
    layout->addWidget(ok, 0, Qt::AlignRight);

    m_cboSysCol->fillWithColorChoices();
    const int index = m_cboSysCol->findValue(m_state.prefs.gradientColor);
    if (index >= 0) {
        m_cboSysCol->setCurrentIndex(index);
    } else {
        platform::showMessage(
            QStringLiteral("Problem getting color.  Reverting to default setting."),
            QStringLiteral("Velmora"), platform::MessageIcon::Information);
        m_cboSysCol->setCurrentIndex(kDefaultGradientColorIndex);
        cboSysCol_Click();
    }
    connect(m_cboSysCol, &QComboBox::currentIndexChanged, this, &GradientWindow::cboSysCol_Click);
    connect(ok, &QPushButton::clicked, this, &GradientWindow::cmdOK_Click);
}

void GradientWindow::cboSysCol_Click()
{
    m_state.prefs.gradientColor = m_cboSysCol->currentValue();
    if (m_repaint)
        m_repaint();
}

void GradientWindow::cmdOK_Click()
{
    writeGradientColor(m_state.paths.optionsIni(), m_state.prefs.gradientColor);
    FlushIni(m_state.paths.optionsIni());
    accept();
}

} // namespace velmora
