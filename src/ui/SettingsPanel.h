#pragma once
// The settings panel fraDefaults: the long, scrollable editor of the 61 MAME options in 18
// frames, opened in one of three modes (Raster Settings, Vector Settings, Custom Settings). It
// shows a SettingsModel and leaves every decision to SettingsEditor; the main window puts it in
// front, disables the game list while it is open, and takes it back when `closed` is emitted.
//
// Object names: the frame array is frame_0 ... frame_17 in panel order, the labels beside the 29
// lists lblCombo_0 ... lblCombo_28 in catalogue order, the controls keep their catalogue names
// (chkSkipG, cboBios, ..., txtOtherCommands); the scroll area is picDefaults with the inner
// picture picBox1 and the scroll bar VScroll_0; the buttons are cmdOK, cmdRestore and cmdCancel.
#include "app/ProgramPaths.h"
#include "emulator_settings/SettingsEditor.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace velmora {

class SettingsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit SettingsPanel(const ProgramPaths& paths, QWidget* parent = nullptr);

    // The drop-down lists as DefineCombos filled them at start-up.
    void setLists(const OptionLists& lists);
    // Which controls' options the installed MAME reads; the others are disabled and say why.
    void setKnownOptions(const KnownOptions& known);

    // cmdRaster_Click, cmdVector_Click, mnuToolsCustom_Click: load, enable, scroll to the top and
    // give OK the focus. The caller has already brought the panel to the front.
    void openRaster();
    void openVector();
    void openCustom(const SelectedGame& game);

    SettingsModel& model() { return m_model; }
    SettingsEditor& editor() { return m_editor; }
    QScrollArea* scrollArea() const { return m_scroll; }

signals:
    // OK saved (saved = true) or Cancel closed the panel; the panel is disabled again.
    void closed(bool saved);
    // OK of Custom Settings changed the status bar's settings panel text.
    void settingsStatusChanged(const QString& text);

private:
    void build();
    QWidget* buildFrame(Frame frame);
    void addControl(Option option, QGridLayout* grid, int* row, int* column);
    QWidget* buildButtons();
    void connectModel();

    void opened();
    void okClicked();
    void cancelClicked();
    void restoreClicked();

    void showValue(Option option);
    void showEnabling();
    void showAllValues();
    void fillList(Option option);

    SettingsModel m_model;
    SettingsEditor m_editor;
    QScrollArea* m_scroll = nullptr;
    std::array<QWidget*, kOptionCount> m_controls{};
    std::array<QLabel*, kOptionCount> m_labels{};
    std::array<QGroupBox*, kFrameCount> m_frames{};
    QLabel* m_resolutionNote = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace velmora
