#pragma once
// The main window's launch and audit commands: Play (and Auto Run at start-up), the Record,
// Playback and Auto Run boxes, the mame.ini viewer, Game Audit, Verify All ROMs and Samples with
// their saved reports, List Bad Sets and Print. The work is done by the launch routines of the
// core; this class reads the window's controls, keeps the state the commands share (the command
// string, the current settings type, a new ROM found by Game Audit) and puts the results on the
// report panel.
//
// Controls are found by their object names under the window (chkRecord, chkPlayback, chkAutoRun,
// cmdFind, cmdGameList, cmdExit, fraList, fraVerify, txtVerify, IconScreen, lblArtwork and the
// timers Tmr[0] and Tmr[1]); what only the window knows (its lists and status bar) comes in as
// hooks. The window connects its controls to the commands below:
//
//     cmdPlay, mnuFilePlay, a double-click on any list   -> cmdPlay_Click()
//     chkRecord::clicked, chkPlayback::clicked            -> chkRecord_Click(), chkPlayback_Click()
//     chkAutoRun::toggled                                 -> chkAutoRun_Click()
//     playSelectedGame() (Auto Run at start-up)           -> cmdPlay_Click()
//     cmdFind, mnuReportsFind                             -> cmdFind_Click()
//     cmdVerify, mnuFileVerify                            -> cmdVerify_Click()
//     mnuReportsVerifyRoms / VerifySamples / LastRom / LastSample -> the slots of those names
//     cmdGameList, before the lists come back            -> returnToGameList()
#include "app/AppState.h"
#include "launch/GameLaunch.h"
#include "launch/RomStatus.h"
#include "launch/SetAudit.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QMainWindow;

namespace velmora {

class ReportPanel;

struct LaunchWindowHooks
{
    // The selected row of the active list; an empty rom when nothing is selected.
    std::function<SelectedGame()> selectedGame;
    std::function<void()> getSelectedIndex;
    std::function<void()> loadShot;
    std::function<void()> disableFormButtons;
    // The icon timer stops, the icon, the artwork mark and the banner go away (the all-sets
    // reports take the window's attention).
    std::function<void()> hideGameArt;
    // The main status bar's panels, 1 to 6.
    std::function<QString(int panel)> statusText;
    std::function<void(int panel, const QString& text)> setStatusText;
    // Shows the report status bar in place of the main one (the all-sets reports).
    std::function<void(bool shown)> showReportStatusBar;
    // New ROM Found: the window keeps every column of the selected row as its current row,
    // removes the row from the Uninstalled list (its count goes down by one) and returns the
    // count left; nothing when there is no selected row.
    std::function<std::optional<int>()> takeSelectedUninstalledRow;
    // On the return to the lists: the row kept by takeSelectedUninstalledRow joins the Installed
    // list.
    std::function<void()> addNewRomToInstalled;
    // The system hot keys off while a game runs (nothing to do on Linux).
    std::function<void(bool blocked)> blockHotKeys;
    // The current settings type ("Raster" or "Vector") that the settings editor shares.
    std::function<void(const QString& type)> setSettingsType;
    // A game's run counted as a play: the lists show its new play history.
    std::function<void()> playHistoryChanged;
    // An audit or a refused launch recorded ROM states: the lists show them.
    std::function<void()> romStatesChanged;
    // The set names of the game database, for how far Verify All ROMs has got.
    std::function<std::vector<QByteArray>()> knownSets;
};

class LaunchController : public QObject
{
    Q_OBJECT
public:
    LaunchController(QMainWindow& window, AppState& state, LaunchWindowHooks hooks,
                     LaunchServices services, QObject* parent = nullptr);
    ~LaunchController() override;

    // Play Game, File > Play Game, a double-click on a game (the Uninstalled list only tells
    // the user that the game is not installed).
    void cmdPlay_Click();
    // Start-up with Auto Run on: the box is checked (writing the preference again) and the
    // restored selection is played.
    void autoRunAtStartUp();
    void chkRecord_Click();
    void chkPlayback_Click();
    void chkAutoRun_Click();

    // cmdFind and Reports > Mame.Ini: the role named by the button's caption.
    void cmdFind_Click();
    void showMameIni();
    void listBadSets();
    void printReport();

    // Game Audit and File > Game Audit.
    void cmdVerify_Click();
    void mnuReportsVerifyRoms_Click() { verifyAllSets(SetKind::Roms); }
    void mnuReportsVerifySamples_Click() { verifyAllSets(SetKind::Samples); }
    void mnuReportsLastRom_Click() { showLastReport(SetKind::Roms); }
    // Reports > ROMs > Verify Favorite ROMs: the ROM audit of each favourite in turn, with
    // progress and Cancel, each state recorded.
    void mnuReportsVerifyFavoriteRoms_Click();
    void mnuReportsLastSample_Click() { showLastReport(SetKind::Samples); }

    // Return To Game List from the report panel, before the window puts its lists back: a game
    // found installed by Game Audit joins the Installed list, and cmdFind is the mame.ini viewer
    // again.
    void returnToGameList();

    // The Other Commands of the last launch or viewer run ("the command string").
    const QString& commandString() const { return m_commandString; }
    bool newRomFound() const { return m_newRomFound; }

private:
    RecordPlayback boxes() const;
    void setBoxes(RecordPlayback boxes);
    LaunchHooks launchHooks();
    void noteSettingsType(const QString& type);
    bool mamePresent(const QString& title) const;
    void prepareAuditPanel(const QString& caption);
    void takeNewRom(const SelectedGame& game);
    void verifyAllSets(SetKind kind);
    void showLastReport(SetKind kind);
    void showSetReport(const QString& text);
    void restoreFromMinimised(bool wasMaximised);
    // Verify All ROMs with a progress window and Cancel; records what MAME answered.
    QString verifyAllRoms();
    // Records MAME's verdicts (and, after a whole Verify All ROMs, the installed sets it did not
    // name as not found) and saves them.
    void recordRomStates(const std::vector<RomVerdict>& verdicts, bool wholeAudit = false);

    QMainWindow& m_window;
    AppState& m_state;
    LaunchWindowHooks m_hooks;
    LaunchServices m_services;
    std::unique_ptr<ReportPanel> m_panel;
    QString m_commandString;
    bool m_newRomFound = false;
};

} // namespace velmora
