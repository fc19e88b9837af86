#pragma once
// frmGradient: chooses the colour at the bottom of the main window's gradient background. Every
// choice is shown on the main window at once; OK keeps it in options.ini. There is no Cancel:
// closing the window another way keeps the last choice for this run only.
#include "app/AppState.h"

#include <QDialog>
#include <functional>

namespace velmora {

class ColorComboBox;

class GradientWindow : public QDialog
{
    Q_OBJECT
public:
    // `repaintGradient` repaints the main window's gradient from the preferences in memory.
    GradientWindow(AppState& state, std::function<void()> repaintGradient,
                   QWidget* parent = nullptr);

    void cboSysCol_Click();
    void cmdOK_Click();

private:
    AppState& m_state;
    std::function<void()> m_repaint;
    ColorComboBox* m_cboSysCol;
};

} // namespace velmora
