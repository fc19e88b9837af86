#pragma once
// frmMain, the program's only top-level window: menus, the panels that take turns in the main
// area (game lists, settings, maintenance, reports, a blank panel for long jobs), the buttons on
// the right and under the lists, the two status bars, the manufacturer banner, the screenshot and
// the icon of the selected game. The load sequence and the orderly end drive it through the
// operations below; the commands of other subsystems are connected through commands().
#include "app/AppState.h"
#include "app/ListKind.h"
#include "app/SelectedGame.h"
#include "info/ArtworkLocator.h"
#include "launch/RomStatus.h"
#include "lists/LoadLists.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTextEdit;
class QTimer;

namespace velmora {

class BannerFrame;
class ClickableLabel;
class GameListModel;
class GameListView;
class GradientBackground;
class ListFrame;
class GameSearchIndex;
class GamePictures;
class ProgressSink;
class SearchBox;
class StatusPanels;
struct MenuContext;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppState& state() { return m_state; }

    // The handlers of commands that other subsystems own. A command whose handler is not set
    // tells the user plainly that it is not available yet.
    struct Commands
    {
        std::function<void()> play, verify, info, exportList;
        std::function<void()> raster, vector, custom, rebuildSettings, maintenance, options;
        std::function<void()> verifyAllRoms, lastRomsReport, verifyAllSamples, lastSamplesReport;
        std::function<void()> verifyFavoriteRoms;
        std::function<void()> whatsChangedRoms, lastWhatsChangedRoms, whatsChangedAll,
            lastWhatsChangedAll;
        std::function<void()> mameDiffSummary, mameDiffMergedSplit, mameDiffFullSplit;
        std::function<void()> rebuildSettingsReport, favoriteListChanges;
        // cmdFind in its three roles: "&Mame.Ini", "&List Bad Sets", "&Print".
        std::function<void()> mameIni, listBadSets, printReport;
        std::function<void()> helpVelmora, helpNewvideo, helpWindows, news, checkForUpdates, about;
        std::function<void()> addFavorite, removeFavorite, deleteRom, deleteSamples;
        std::function<void()> resetPlayHistory;
        std::function<void()> gradientWindow;
        std::function<void(bool checked)> autoRunChanged, recordChanged, playbackChanged;
        // Refresh's database step: compares the size of mame with the stored size and, when
        // MAME changed, rebuilds the database (telling the wait window) and stores the new size.
        // Unset: nothing changed.
        std::function<void(ProgressSink& wait)> refreshDatabase;
        // The game database could not be loaded (`error` is the loader's message): offers to
        // rebuild it; true when a new database is in place and loading may be tried again.
        std::function<bool(const QString& error, ProgressSink& progress)> offerDatabaseRebuild;
        // Runs first when the user leaves the report panel (a game audited in the Uninstalled
        // list that turned out installed moves to the Installed list here).
        std::function<void()> leavingReportPanel;
    };
    Commands& commands() { return m_commands; }

    // Load-sequence steps that belong to the window.
    void prepareReportPanel();
    void setOptionalColumnsPresent(bool categories, bool players);
    void setScreenShotsChecked(bool checked);
    bool screenShotsChecked() const;
    void setFavoritesChecked(bool checked);
    bool favoritesChecked() const;
    // Sets Auto Run through the path of the user's click (the preference is written again).
    void setAutoRunChecked(bool checked);
    // False while the selected game cannot be started (not installed, nothing selected).
    bool autoRunAvailable() const;
    // Empties the three lists (and their counters); used before a reload and by the preferences
    // problem path.
    void clearLists();
    // An audit recorded ROM states: the Roms columns show them, and while games with bad ROMs
    // are hidden the lists follow (once back from a report).
    void romStatesChanged();
    // The set names of the games loaded into the lists.
    std::vector<QByteArray> loadedSetNames() const;
    // Loads the three game lists from the database under the hide filters. False when the load
    // failed: the message was shown and the program is ending.
    bool loadLists(ProgressSink& progress);
    // Brings the game list to the front, disables the other panels, clears the panel-busy flag.
    void showListPanel();
    void applyListAppearance(const Preferences& prefs);
    // Shows a list: caption, menu ticks, commands, count, stored sort and selection.
    void showView(ListKind kind);
    // CheckFilters: "Filters Applied" shows while any hide flag is on.
    void updateFiltersLabel();
    void CheckFilters() { updateFiltersLabel(); }
    void setBannerRunning(bool running);
    bool bannerRunning() const;
    void stopTimers();

    // View state, as the orderly end writes it.
    QString listCaption() const;
    ListViewState listState(ListKind kind) const;
    int windowStateValue() const;
    void applyWindowStateValue(int value);
    // The window's place and size at start: where the user left it (`stored`, the size when not
    // maximised), or on a first start two thirds of the screen, centred. The designed size is
    // the smallest the window may be.
    void placeOnScreen(const QRect& stored);

    // Starts the selected game as the Play command does (Auto Run at start-up).
    void playSelectedGame();

    // The lists and the selected game, for the commands that act on them.
    ListKind currentList() const;
    GameListView* listView(ListKind kind) const;
    GameListModel* listModel(ListKind kind) const;
    int gameCount(ListKind kind) const;
    // The selected game of the list on show, or nothing.
    std::optional<ListedGame> selectedGame() const;
    PictureOwner selectedPictureOwner() const;
    // The same as the launch and the settings editor read it; an empty rom when nothing is
    // selected.
    SelectedGame currentGame() const;
    // New ROM Found by Game Audit in the Uninstalled list: the selected row is kept, leaves the
    // Uninstalled list and joins the Installed list on the return to the lists. Gives the
    // Uninstalled count left, or nothing without a selected row.
    std::optional<int> takeSelectedUninstalledRow();
    void addNewRomToInstalled();
    // A game's play was added to the play history or forgotten: the lists show it.
    void playHistoryChanged();
    // GetSelectedIndex: selects the stored row of the list on show again and gives it the focus
    // (not during start-up, and only while the list frame is enabled).
    void GetSelectedIndex();
    // LoadShot: the screenshot of the selected game, when screenshots are on.
    void LoadShot();
    // Back on the lists after another panel: the selected game is shown as a fresh selection
    // shows it (status panels, Play and the three boxes, screenshot, icon and banner), or the
    // empty state when the list on show has no selected game.
    void showSelectedGameAgain();

    // Status bars: element 0 with the game list, element 1 with the settings editor and long
    // reports. Panels are numbered 1 to 6.
    StatusPanels* statusBarElement(int element) const { return m_statusBars[size_t(element)]; }
    void showStatusBar(int element);
    void showReportStatusBar(bool shown) { showStatusBar(shown ? 1 : 0); }
    QString statusPanel(int panel) const;
    void setStatusPanel(int panel, const QString& text);

    // Panels and the shell operations the other subsystems use.
    QGroupBox* fraList() const;
    QWidget* fraDefaults() const { return m_fraDefaults; }
    // Puts the settings editor in the place of the empty fraDefaults frame.
    void setSettingsPanel(QWidget* panel);
    QGroupBox* fraMaintenance() const { return m_fraMaintenance; }
    QGroupBox* fraVerify() const { return m_fraVerify; }
    QWidget* fraBlank() const { return m_fraBlank; }
    QTextEdit* txtVerify() const { return m_txtVerify; }
    QProgressBar* progressBar() const { return m_progressBar; }
    QPushButton* button(const QString& objectName) const;
    // Puts a panel in front (enabled) and every other one behind (disabled); the panel-busy flag
    // is 1 unless the panel is the game list.
    void bringPanelToFront(QWidget* panel);
    // The report panel in front with its caption; the list-side commands off.
    void showReportPanel(const QString& caption);
    // "Return To &Game List" from the report panel (cmdGameList) and the maintenance panel
    // (cmdGameList2).
    void returnFromReport();
    void returnFromMaintenance();
    void DisableFormButtons();
    void enableGameButtons();
    void enablePlayButtons();
    // cmdFind's role by its caption, with its tip and state.
    void setFindButton(const QString& caption, const QString& tip, bool enabled);
    // A long job turns Exit into "&Cancel" (which only sets the cancel flag) and back.
    void setExitCancels(bool cancels);
    // Long jobs and the settings editor stop both timers and restart the banner afterwards.
    void pauseTimers();
    void resumeTimers();
    void SetGradient();
    void RefreshScroll();
    // The selected game's icon, artwork mark and banner go away (a report takes the window's
    // attention, as the start-up news does); the next selection brings them back.
    void hideGameArt();
    // The icon timer starts again: 500 ms later the selected game's icon, artwork mark and banner
    // come back.
    void restartIconTimer();
    // An update or news request is running: News and Check For Updates stay disabled.
    void setNetworkRequestRunning(bool running);
    // The folders as the Options dialog found them when it last opened (Path Information).
    void setOptionsDialogPaths(const QString& mame, const QString& roms,
                               const QString& additionalRoms);

public slots:
    // One slot per command, named after the system's controls.
    void onPlay();
    void onVerify();
    void onInfo();
    void onExport();
    void onExit();
    void onViewAll();
    void onViewInstalled();
    void onViewUninstalled();
    // Recently Played: the All list, sorted by Last Played, newest first, its top game selected.
    void onViewRecentlyPlayed();
    void onViewFavorites();
    void onViewRefresh();
    void onViewShots();
    void onViewHideBadRoms();
    void onRaster();
    void onVector();
    void onCustom();
    void onRebuildSettings();
    void onMaintenance();
    void onOptions();
    void onFind();
    void onGradient();
    void onPathInformation();
    void onStartUpTime();
    void onBannerClicked();
    void onAutoRunClicked(bool checked);
    void onRecordClicked(bool checked);
    void onPlaybackClicked(bool checked);

signals:
    // The window is closing (the user closed it, Exit, or the session ends).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    void buildFileMenu();
    void buildViewMenu();
    void buildToolsMenu();
    void buildReportsMenu();
    void buildHelpMenu();
    void buildRightClickMenu();
    void buildPanels();
    QWidget* buildRightColumn();
    QWidget* buildButtonRow();
    void buildListFrame();
    void buildReportPanel();
    void buildTimers();
    void connectLists();
    QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                        const std::function<void()>* handler, const QString& title);
    QPushButton* makeButton(const char* name, const char* caption, const char* tip);

    // Menus.
    MenuContext menuContext() const;
    void enableFileMenu();
    void enableViewMenu();
    void enableToolsMenu();
    void enableReportsMenu();
    void enableHelpMenu();
    void showRightClickMenu(ListKind kind, const QPoint& globalPos);

    // Lists and selection.
    GameListView* visibleList() const;
    void setListsVisibleKind(ListKind kind);
    void setViewCommands(ListKind kind);
    // Find as you type: narrows the three lists to the games matching the search box, and keeps
    // the list on show selecting a game it shows.
    void buildSearchBox();
    void applySearch();
    void updateSearchMatches();
    void followSearch();
    void selectForSearch(GameListView* view, int row);
    QString totalGamesText(const GameListView* view) const;
    void showEmptyState();
    void showSelection(ListKind kind, int row);
    void clearAutoRun();
    void applySelectionStatus(ListKind kind, int row);
    void fitListColumns();
    void onListDoubleClicked(ListKind kind);
    void onIconTimer();
    // View > Picture and a click on the picture change the kind of picture shown.
    void onPictureKindChosen(PictureKind kind);
    void onPictureClicked();
    void onBannerTimer();
    void setBannerText(const QString& text);
    void keepCaptionsReadable();
    void applyShotPlacement();

    // Commands.
    void run(const std::function<void()>& handler, const QString& command);
    void refreshLists();
    void showViewByCaption();
    bool loadListsOrEnd(ProgressSink& progress);
    // The ROM states (MainWindowRomStates.cpp).
    void buildRomStates();
    void setLoadedRows();
    void applyRomStateFilter();
    void applyPendingRomFilter();
    QString romStateNoteOf(const ListedGame& game) const;

    AppState& m_state;
    Commands m_commands;
    LoadedLists m_loaded;
    std::vector<QStringList> m_columnTexts; // the widest texts of each column of the loaded lists
    SearchBox* m_txtSearch = nullptr;
    std::unique_ptr<GameSearchIndex> m_searchIndex;
    // Per list: the row selected before a search moved the selection away (-1: none).
    std::array<int, 3> m_rowBeforeSearch{-1, -1, -1};
    int m_newRomGame = -1; // the game taken from the Uninstalled list, by its table index
    std::unique_ptr<RomStatus> m_romStatus;
    bool m_romFilterStale = false; // states changed under a report while bad ROMs are hidden

    GradientBackground* m_background = nullptr;
    QStackedWidget* m_panels = nullptr;
    ListFrame* m_fraList = nullptr;
    GamePictures* m_pictures = nullptr;
    QWidget* m_fraDefaults = nullptr;
    QGroupBox* m_fraMaintenance = nullptr;
    QGroupBox* m_fraVerify = nullptr;
    QWidget* m_fraBlank = nullptr;
    QProgressBar* m_progressBar = nullptr;
    std::array<GameListView*, 3> m_lists{};
    QTextEdit* m_txtVerify = nullptr;
    std::array<StatusPanels*, 2> m_statusBars{};

    QMenu* m_mnuFile = nullptr;
    QMenu* m_mnuView = nullptr;
    QMenu* m_mnuTools = nullptr;
    QMenu* m_mnuReports = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QMenu* m_mnuRightClick = nullptr;
    QAction* m_mnuViewShots = nullptr;
    QAction* m_mnuViewFavorites = nullptr;
    QAction* m_mnuViewHideBadRoms = nullptr;

    QPushButton* m_cmdPlay = nullptr;
    QPushButton* m_cmdVerify = nullptr;
    QPushButton* m_cmdInfo = nullptr;
    QPushButton* m_cmdRaster = nullptr;
    QPushButton* m_cmdVector = nullptr;
    QPushButton* m_cmdFind = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QPushButton* m_cmdGameList = nullptr;
    QPushButton* m_cmdGameList2 = nullptr;
    QCheckBox* m_chkAutoRun = nullptr;
    QCheckBox* m_chkRecord = nullptr;
    QCheckBox* m_chkPlayback = nullptr;
    BannerFrame* m_fraScroll = nullptr;
    ClickableLabel* m_imgMachine = nullptr;
    QLabel* m_lblArtwork = nullptr;
    QLabel* m_iconScreen = nullptr;
    ClickableLabel* m_lblGradient = nullptr;
    ClickableLabel* m_lblDownload = nullptr;

    std::array<QTimer*, 2> m_tmr{};
    bool m_bannerWasRunning = false;
    bool m_pictureProblemShown = false; // a picture's problem is in status panel 2
    bool m_networkBusy = false;
    bool m_closing = false;
    QString m_tempMame, m_tempRoms, m_tempAdditionalRoms;
};

} // namespace velmora
