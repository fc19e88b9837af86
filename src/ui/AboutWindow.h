#pragma once
// frmMyAbout, "About Velmora": the program's name, version and web site, the cabinet picture,
// MAME's version on request and the "Other Extras" lists of the user's artwork, DATs, icons and
// samples. While it is open the main window's banner stands still; closing it restarts the banner
// if the window stopped it.
#include "app/AppState.h"
#include "app/OtherExtras.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velmora {

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    // What the window needs of the main window's banner.
    struct Hooks
    {
        std::function<bool()> bannerRunning;
        std::function<void(bool running)> setBannerRunning;
        std::function<void()> refreshScroll;
    };

    AboutWindow(AppState& state, Hooks hooks, QWidget* parent = nullptr);

    // The font family of the title: "Pacmania" when installed, else the system's (bold).
    static QFont titleFont();

    void cmdVersion_Click();
    void chkOther_Click();
    void showExtras(ExtrasKind kind);
    void File1_Click();
    void lblURL_Click();
    void cmdOK_Click() { accept(); }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildVersionRow();
    QGroupBox* buildOtherExtras();
    void setUrlUnderlined(bool underlined);

    AppState& m_state;
    Hooks m_hooks;
    bool m_stoppedBanner = false;
    ExtrasKind m_extras = ExtrasKind::Artwork;
    QString m_extrasFolder;

    QLabel* m_lblURL = nullptr;
    QPushButton* m_cmdVersion = nullptr;
    QLabel* m_lblMAMEVersion = nullptr;
    QCheckBox* m_chkOther = nullptr;
    QGroupBox* m_fraOther = nullptr;
    QRadioButton* m_opt[4] = {};
    QListWidget* m_file1 = nullptr;
    QLabel* m_lblTotal = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace velmora
