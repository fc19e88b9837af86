#pragma once
// The main window's load sequence and the orderly end of the program.
//
// The load sequence derives the program folders, reads options.ini (or runs the first-run Options
// dialog), makes sure the game database matches the installed MAME, loads the lists, restores the
// last view and only then lets the window be shown. The subsystems it calls are reached through
// the hooks below, which the application fills in.
#include "app/AppState.h"

#include <QCoreApplication>
#include <QFile>
#include <QObject>
#include <functional>

namespace velmora {

class MainWindow;
class ProgressSink;
class SplashWindow;

class StartUp : public QObject
{
    Q_OBJECT
public:
    StartUp(AppState& state, MainWindow& window, QObject* parent = nullptr);
    ~StartUp() override;

    struct Hooks
    {
        // The first-run Options dialog: fills prefs and writes them to options.ini; false when
        // the user cancelled.
        std::function<bool(Preferences& prefs)> firstRunDialog;
        // Size in bytes of mame in the MAME folder (0 when there is none); the database's own
        // measure when unset.
        std::function<qint32(const QString& mameFolder)> mameSize;
        // Keeps the old lists, asks MAME for new ones, rebuilds the database, checks the
        // favourites and deletes the stale change reports. False when no new database came of it
        // (MAME could not be run, its output was incomplete, the build failed): the stored size
        // stays, so the next start tries again.
        std::function<bool(ProgressSink& progress)> rebuildAfterChange;
        // Asks MAME for its lists and builds the database when a derived file is missing. False
        // when no database came of it (the user was told why).
        std::function<bool(ProgressSink& progress)> firstBuild;
        // After the database step, when MAME was not asked for its lists in this start: tidies
        // what a killed MAME command left and makes the MAME reports that are missing (quick
        // commands).
        std::function<void()> checkMameReports;
        // Fills the emulator-settings choice lists.
        std::function<void()> defineCombos;
        // Puts mame.ini to its path layer alone when it holds anything else (missing, or a game's
        // settings left behind by a crash).
        std::function<void()> createMameIni;
        // The start-up news check, after the window is shown.
        std::function<void()> checkNews;
        // Ends the process's event loop (a test records the call instead).
        std::function<void()> endProcess = [] { QCoreApplication::exit(0); };
        // Deletes a rejected options.ini; false with the reason when it cannot be deleted.
        std::function<bool(const QString& path, QString* why)> removeOptionsFile =
            [](const QString& path, QString* why) {
                QFile file(path);
                if (file.remove())
                    return true;
                *why = file.errorString();
                return false;
            };
    };
    Hooks& hooks() { return m_hooks; }

    // Runs the load sequence. False when the program must end instead of showing its window
    // (first run cancelled, a fatal error).
    bool runLoadSequence();
    // After the window is shown: Auto Run, the second timestamp, the news check.
    void afterShown();

    // Writes the View section, flushes, stops the timers and ends the program. Before the window
    // has been shown (a signal or a log-out during loading or the first-run Options dialog) the
    // start ends as the dialog's Cancel ends it: nothing is written.
    void saveViewAndEnd();
    // The path of a closing window: without saving when the start was aborted.
    void onWindowClosing();
    // A fatal error elsewhere asked the program to end (no view state is written).
    void endWithoutSaving();
    bool ending() const { return m_ending; }

private:
    enum class PrefsOutcome
    {
        Loaded,
        FirstRun,
        Problem,
        Stuck // the rejected file cannot be deleted: the user was told, the start ends
    };
    void makeProgramFolders();
    PrefsOutcome readOptionsFile(SplashWindow& splash);
    bool runFirstRun();
    bool handlePreferencesProblem(SplashWindow& splash);
    bool removeRejectedOptionsFile();
    void validateSortKeys();
    qint32 currentMameSize() const;

    AppState& m_state;
    MainWindow& m_window;
    Hooks m_hooks;
    bool m_ending = false;
    bool m_listsAsked = false;  // MAME was asked for its lists during this start
    bool m_buildFailed = false; // ...and no new database came of it
};

} // namespace velmora
