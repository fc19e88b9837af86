#pragma once
// The Options dialog (frmChoose): a two-page wizard in which the user sets the list filters and
// appearance (page 1, fraPreferences) and the MAME folder and the data folders (page 2,
// fraDirectories). OK stores nothing until every folder has passed its test; then it rewrites
// mame.ini's path layer and writes the Preferences and Directories sections of options.ini.
// The dialog edits a copy: after Cancel the caller's preferences are as they were.
#include "app/OptionsApply.h"
#include "app/Preferences.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace velmora {

class ColorComboBox;

class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // FirstRun: start-up is in progress and there are no preferences yet; a failed folder is
    // simply left empty. Tools: opened from Tools > Options; a failed folder keeps the value it
    // had before the dialog opened.
    enum class Occasion
    {
        FirstRun,
        Tools
    };

    OptionsDialog(const Preferences& prefs, const QString& optionsIni, Occasion occasion,
                  QWidget* parent = nullptr);

    // Shows the dialog modally. The stored preferences after OK; nothing when it was cancelled.
    static std::optional<Preferences> ask(const Preferences& prefs, const QString& optionsIni,
                                          Occasion occasion, QWidget* parent = nullptr);

    // True unless OK stored everything (Cancel, Escape and closing the window all cancel).
    bool cancelled() const { return m_cancelled; }
    // What OK stored; before OK, the preferences the dialog was opened with.
    const Preferences& preferences() const { return m_cancelled ? m_original : m_work; }
    // What the caller must redo after OK (see OptionsApply.h).
    OptionsApplyDecision applyDecision() const { return decideOptionsApply(m_original, m_work); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildPreferencesPage();
    QWidget* buildHideBoxes();
    QWidget* buildAppearance();
    QWidget* buildPreview();
    QWidget* buildDirectoriesPage();
    QWidget* buildButtons();
    void connectReactions();

    void loadPreferencesPage();
    void loadYear();
    void loadBackColor();
    void readPreferencesPage();

    void showPreferencesPage();
    void showDirectoriesPage();

    void hideClonesToggled(bool on);
    void hideYearToggled(bool on);
    void starFieldToggled(bool on);
    void paintBackPreview(qint32 value);
    void paintTextPreview();

    void cmdMyDefaults_Click();
    void cmdClearAll_Click();
    void cmdBackColor_Click();
    void cmdFontColor_Click();
    void cmdFonts_Click();
    void cmdSelectMAME_Click();
    void SelectPaths(DataFolder folder);
    void cmdOK_Click();
    void cmdCancel_Click();

    void refuseFolder(DataFolder folder, const QString& message, const QString& title);
    bool storeFolders();
    QString browseStart(DataFolder folder) const;
    QLineEdit* box(DataFolder folder) const { return m_boxes[static_cast<int>(folder)]; }

    const Preferences m_original;
    Preferences m_work;
    const QString m_optionsIni;
    const Occasion m_occasion;
    bool m_cancelled = true;
    bool m_shownOnce = false;
    qint32 m_backValue = 0; // colour of the preview patch
    qint32 m_fontValue = 0; // colour of the preview text

    QStackedWidget* m_pages = nullptr;
    QGroupBox* m_fraPreferences = nullptr;
    QGroupBox* m_fraDirectories = nullptr;

    QListWidget* m_lstHideBios = nullptr;
    std::array<QCheckBox*, 7> m_hideBoxes{};
    QCheckBox* m_chkHideYear = nullptr;
    QComboBox* m_cboHideYear = nullptr;
    QCheckBox* m_chkCloneShots = nullptr;
    QCheckBox* m_chkDisable = nullptr;
    QCheckBox* m_chkBackground = nullptr;
    QLabel* m_lblBackColor = nullptr;
    ColorComboBox* m_cboBackColor = nullptr;
    QPushButton* m_cmdBackColor = nullptr;
    QPushButton* m_cmdFontColor = nullptr;
    QComboBox* m_cboSize = nullptr;
    QPushButton* m_cmdFonts = nullptr;
    QLabel* m_lblListBack = nullptr;
    QLabel* m_lblListText = nullptr;
    QLabel* m_imgStarfield = nullptr;

    std::array<QLineEdit*, kDataFolderCount> m_boxes{};

    QPushButton* m_cmdMyDefaults = nullptr;
    QPushButton* m_cmdClearAll = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

} // namespace velmora
