#include "ui/StartUp.h"

#include "app/FolderTests.h"
#include "app/IniFile.h"
#include "app/Leftovers.h"
#include "gamedb/ListFiles.h"
#include "platform/OptionalFile.h"
#include "platform/Seams.h"
#include "ui/MainWindow.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

namespace velmora {
namespace {

using platform::MessageIcon;

// Sort keys 17 and 18 are the category and player columns.
constexpr int kCategorySortKey = 17;
constexpr int kPlayersSortKey = 18;
constexpr int kClientHeight = 426;

const QString kRecreateMessage =
    QStringLiteral("The options.ini file must be recreated with this version of Velmora.");
const QString kProblemMessage =
    QStringLiteral("Problem in options.ini file.  Velmora will now create a new one.");
const QString kCannotDeleteMessage = QStringLiteral(
    "Velmora cannot delete its options.ini file to create a new one:\r\r%1\r%2\r\r"
    "Make the file and its settings folder writable, or delete the file, and start Velmora "
    "again.  Velmora will now end.");

} // namespace

StartUp::StartUp(AppState& state, MainWindow& window, QObject* parent)
    : QObject(parent), m_state(state), m_window(window)
{
    connect(&m_window, &MainWindow::closing, this, &StartUp::onWindowClosing);
}

StartUp::~StartUp() = default;

bool StartUp::runLoadSequence()
{
    m_state.startupInProgress = true;
    m_window.resize(m_window.width(), kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_window.move(screen->availableGeometry().center() - m_window.rect().center());
    m_window.prepareReportPanel();

    const ProgramPaths& paths = m_state.paths;
    // Only plain files count: a FIFO or a device of that name is never opened.
    m_state.categoriesPresent =
        platform::isRegularFile(paths.readOnlyFile(QStringLiteral("catver.ini")));
    m_state.playersPresent =
        platform::isRegularFile(paths.readOnlyFile(QStringLiteral("nplayers.ini")));
    m_window.setOptionalColumnsPresent(m_state.categoriesPresent, m_state.playersPresent);

    makeProgramFolders();

    SplashWindow splash(m_state.paths.readOnlyFile(QStringLiteral("splash.jpg")));
    for (;;) {
        const PrefsOutcome outcome = readOptionsFile(splash);
        if (outcome == PrefsOutcome::Problem && handlePreferencesProblem(splash))
            continue;
        if (outcome == PrefsOutcome::Problem || outcome == PrefsOutcome::Stuck) {
            m_state.startAborted = true;
            m_state.startupInProgress = false;
            return false;
        }
        if (outcome == PrefsOutcome::FirstRun && !runFirstRun())
            return false;
        break;
    }
    if (m_ending)
        return false;

    removeLeftovers(m_state.paths, m_state.prefs);
    const QString optionsIni = m_state.paths.optionsIni();
    writeStartupMiscellaneous(optionsIni, m_state.prefs);
    FlushIni(optionsIni);

    splash.show();
    splash.repaint();
    // MAME is asked for its lists at most once per start: after a rebuild that did not succeed
    // the next start tries again.
    if (derivedFilesMissing(m_state.paths) && m_hooks.firstBuild && !m_listsAsked) {
        m_listsAsked = true;
        m_buildFailed = !m_hooks.firstBuild(splash);
    }
    if (m_ending)
        return false;
    // Without a database there is nothing to show, and the user has been told why already.
    if (m_buildFailed && !QFileInfo::exists(m_state.paths.report(QStringLiteral("gameinfo.txt")))) {
        m_state.startAborted = true;
        endWithoutSaving();
        return false;
    }
    if (m_hooks.checkMameReports && !m_listsAsked)
        m_hooks.checkMameReports();

    if (!m_window.loadLists(splash) || m_ending)
        return false;
    if (m_hooks.defineCombos)
        m_hooks.defineCombos();
    m_window.showListPanel();

    if (m_hooks.createMameIni)
        m_hooks.createMameIni();

    m_window.placeOnScreen(m_state.prefs.windowGeometry);
    m_window.applyListAppearance(m_state.prefs);
    m_window.showView(listKindFromCaption(m_state.prefs.gameView));
    m_window.updateFiltersLabel();
    m_window.setBannerRunning(m_state.prefs.scroll);

    splash.close();
    m_state.startupInProgress = false;
    return !m_ending;
}

void StartUp::makeProgramFolders()
{
    // A settings or reports path that exists as a file is an access error the program lives with:
    // it keeps loading, and writes to it simply fail.
    m_state.paths.makeProgramFolder();
    QDir().mkpath(m_state.paths.settingsFolder());
    QDir().mkpath(m_state.paths.reportsFolder());
}

StartUp::PrefsOutcome StartUp::readOptionsFile(SplashWindow& splash)
{
    const QString optionsIni = m_state.paths.optionsIni();
    if (!QFileInfo(optionsIni).isFile())
        return PrefsOutcome::FirstRun;

    const std::optional<int> version = readVersionNumber(optionsIni);
    if (!version)
        return PrefsOutcome::Problem;
    if (*version < kOldestAcceptedVersion) {
        platform::showMessage(kRecreateMessage, QStringLiteral("Velmora"),
                              MessageIcon::Information);
        return removeRejectedOptionsFile() ? PrefsOutcome::FirstRun : PrefsOutcome::Stuck;
    }

    Preferences prefs;
    QString error;
    if (!readPreferences(optionsIni, &prefs, &error))
        return PrefsOutcome::Problem;
    m_state.prefs = prefs;
    validateSortKeys();
    m_window.applyWindowStateValue(m_state.prefs.windowState);

    // Without mame in the MAME folder its size cannot be read: the preferences are not usable
    // and the first-run dialog asks for the folder again.
    if (!QFileInfo::exists(mameProgramPath(m_state.prefs.folder(DataFolder::MAME))))
        return PrefsOutcome::Problem;
    m_state.currentMameSize = currentMameSize();
    const qint32 stored = m_state.prefs.mameSize;
    if (stored != 0 && stored != m_state.currentMameSize) {
        splash.show();
        splash.setMessage(QStringLiteral("New version of M.A.M.E. detected!"));
        splash.repaint();
        m_listsAsked = bool(m_hooks.rebuildAfterChange);
        const bool rebuilt = !m_hooks.rebuildAfterChange || m_hooks.rebuildAfterChange(splash);
        if (rebuilt)
            m_state.prefs.mameSize = m_state.currentMameSize;
        m_buildFailed = !rebuilt;
    }
    m_window.setScreenShotsChecked(m_state.prefs.screenShots);
    m_window.setFavoritesChecked(m_state.prefs.favorites);
    return PrefsOutcome::Loaded;
}

bool StartUp::runFirstRun()
{
    m_state.prefs = firstRunPreferences();
    const bool accepted = m_hooks.firstRunDialog && m_hooks.firstRunDialog(m_state.prefs);
    // Without a machine list the next steps build the database from scratch.
    QFile::remove(m_state.paths.report(QStringLiteral("listxml.txt")));
    if (!accepted) {
        m_state.startAborted = true;
        m_state.startupInProgress = false;
        return false;
    }
    m_state.currentMameSize = currentMameSize();
    m_state.prefs.mameSize = m_state.currentMameSize;
    return true;
}

// False when the damaged file cannot be deleted: asking again would only find it again.
bool StartUp::handlePreferencesProblem(SplashWindow& splash)
{
    if (!removeRejectedOptionsFile())
        return false;
    platform::showMessage(kProblemMessage, QStringLiteral("Velmora"), MessageIcon::None);
    m_window.clearLists();
    splash.setCount(QString());
    m_state.prefs.folders = {};
    return true;
}

// A rejected options.ini that stays in place would be rejected again at every pass of the
// preferences loop (and at every start): the user is told once which file and why, and the start
// ends.
bool StartUp::removeRejectedOptionsFile()
{
    const QString optionsIni = m_state.paths.optionsIni();
    QString why;
    if (!m_hooks.removeOptionsFile || m_hooks.removeOptionsFile(optionsIni, &why))
        return true;
    platform::showMessage(kCannotDeleteMessage.arg(QDir::toNativeSeparators(optionsIni), why),
                          QStringLiteral("Velmora"), MessageIcon::Critical);
    return false;
}

void StartUp::validateSortKeys()
{
    for (ListViewState* list :
         {&m_state.prefs.all, &m_state.prefs.installed, &m_state.prefs.uninstalled}) {
        if ((list->sortKey == kCategorySortKey && !m_state.categoriesPresent) ||
            (list->sortKey == kPlayersSortKey && !m_state.playersPresent)) {
            list->sortKey = 0;
            list->sortOrder = 0;
        }
    }
}

qint32 StartUp::currentMameSize() const
{
    const QString mameFolder = m_state.prefs.folder(DataFolder::MAME);
    return m_hooks.mameSize ? m_hooks.mameSize(mameFolder) : velmora::currentMameSize(mameFolder);
}

void StartUp::afterShown()
{
    // The remembered game starts only when it still can; otherwise Auto Run is cleared.
    if (m_state.prefs.autoRun) {
        const bool available = m_window.autoRunAvailable();
        m_window.setAutoRunChecked(available);
        if (available)
            m_window.playSelectedGame();
    }
    m_state.endTime = platform::clock().secondsSinceMidnight();
    if (m_hooks.checkNews)
        m_hooks.checkNews();
}

void StartUp::saveViewAndEnd()
{
    if (m_ending)
        return;
    if (m_state.startupInProgress) {
        m_state.startAborted = true;
        endWithoutSaving();
        return;
    }
    m_ending = true;
    const QString optionsIni = m_state.paths.optionsIni();
    Preferences& prefs = m_state.prefs;
    prefs.gameView = m_window.listCaption();
    prefs.screenShots = m_window.screenShotsChecked();
    prefs.favorites = m_window.favoritesChecked();
    prefs.windowState = m_window.windowStateValue();
    prefs.windowGeometry = m_window.normalGeometry();
    prefs.all = m_window.listState(ListKind::All);
    prefs.installed = m_window.listState(ListKind::Installed);
    prefs.uninstalled = m_window.listState(ListKind::Uninstalled);
    writeView(optionsIni, prefs);
    FlushIni(optionsIni);
    m_window.stopTimers();
    if (m_hooks.endProcess)
        m_hooks.endProcess();
}

void StartUp::onWindowClosing()
{
    if (m_state.startAborted) {
        endWithoutSaving();
        return;
    }
    saveViewAndEnd();
}

void StartUp::endWithoutSaving()
{
    m_ending = true;
    m_window.stopTimers();
    if (m_hooks.endProcess)
        m_hooks.endProcess();
}

} // namespace velmora
