#include "ui/LaunchController.h"

#include "app/IniFile.h"
#include "changes/FavoritesList.h"
#include "gamedb/MameCommands.h"
#include "gamedb/ReplacedFile.h"
#include "launch/BadSets.h"
#include "launch/GameAudit.h"
#include "launch/GameFiles.h"
#include "launch/MameIniViewer.h"
#include "launch/ReportText.h"
#include "launch/VerifyRomsProgress.h"
#include "lists/RomArchives.h"
#include "platform/Seams.h"
#include "ui/CommandLock.h"
#include "ui/ReportPanel.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTimer>

namespace velmora {
namespace {

// How often the progress window reads MAME's report while Verify All ROMs runs.
constexpr int kVerifyPollMs = 250;

template <typename T> T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

bool isChecked(QWidget& window, const char* name)
{
    const auto* box = child<QCheckBox>(window, name);
    return box && box->isChecked();
}

// Sets a box without raising its click handler.
void setChecked(QWidget& window, const char* name, bool checked)
{
    if (auto* box = child<QCheckBox>(window, name)) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

template <typename F, typename... Args> void call(const F& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

} // namespace

LaunchController::LaunchController(QMainWindow& window, AppState& state, LaunchWindowHooks hooks,
                                   LaunchServices services, QObject* parent)
    : QObject(parent), m_window(window), m_state(state), m_hooks(std::move(hooks)),
      m_services(std::move(services)), m_panel(std::make_unique<ReportPanel>(&window))
{
}

LaunchController::~LaunchController() = default;

RecordPlayback LaunchController::boxes() const
{
    return RecordPlayback{isChecked(m_window, "chkRecord"), isChecked(m_window, "chkPlayback")};
}

void LaunchController::setBoxes(RecordPlayback boxes)
{
    setChecked(m_window, "chkRecord", boxes.record);
    setChecked(m_window, "chkPlayback", boxes.playback);
}

LaunchHooks LaunchController::launchHooks()
{
    QTimer* banner = child<QTimer>(m_window, "Tmr[0]");
    LaunchHooks hooks;
    hooks.restoreSelection = m_hooks.getSelectedIndex;
    hooks.bannerRunning = [banner] { return banner && banner->isActive(); };
    hooks.setBannerRunning = [banner](bool running) {
        if (banner && running)
            banner->start();
        else if (banner)
            banner->stop();
    };
    hooks.hideWindow = [this] { m_window.hide(); };
    hooks.showWindow = [this] { m_window.show(); };
    hooks.blockHotKeys = m_hooks.blockHotKeys;
    hooks.setBoxes = [this](RecordPlayback b) { setBoxes(b); };
    hooks.loadShot = m_hooks.loadShot;
    return hooks;
}

void LaunchController::noteSettingsType(const QString& type)
{
    if (!type.isEmpty())
        call(m_hooks.setSettingsType, type);
}

void LaunchController::cmdPlay_Click()
{
    const SelectedGame game = m_hooks.selectedGame ? m_hooks.selectedGame() : SelectedGame{};
    m_commandString.clear();
    const LaunchResult result = launchGame(LaunchRequest{game, boxes(), LaunchMode::Play},
                                           m_state.prefs, m_services, launchHooks());
    noteSettingsType(result.settingsType);
    m_commandString = result.otherCommands;
    if (result.playCounted)
        call(m_hooks.playHistoryChanged);
    // MAME refused the game for missing or wrong files: the set is recorded as bad.
    if (result.outcome == LaunchOutcome::Played && !m_services.playOutputFile.isEmpty()) {
        QFile output(m_services.playOutputFile);
        if (output.open(QIODevice::ReadOnly) && launchRefusedForFiles(output.readAll()))
            recordRomStates({{game.rom.toUtf8(), RomState::Bad}});
    }
}

void LaunchController::recordRomStates(const std::vector<RomVerdict>& verdicts, bool wholeAudit)
{
    if (!m_state.romStatus)
        return;
    const QDate today = platform::clock().now().date();
    m_state.romStatus->record(verdicts, today);
    if (wholeAudit) {
        const RomArchiveIndex archives(m_state.prefs.folder(DataFolder::ROMs),
                                       m_state.prefs.folder(DataFolder::AdditionalROMs));
        m_state.romStatus->recordUnnamedAsNotFound(archives.setNames(), verdicts, today);
    }
    QString error;
    if (!m_state.romStatus->save(&error))
        reportNotSaved(m_state.paths.report(kRomStatusFile), error);
    call(m_hooks.romStatesChanged);
}

void LaunchController::autoRunAtStartUp()
{
    setChecked(m_window, "chkAutoRun", true);
    chkAutoRun_Click();
    cmdPlay_Click();
}

void LaunchController::chkRecord_Click()
{
    if (isChecked(m_window, "chkRecord"))
        setChecked(m_window, "chkPlayback", false);
    call(m_hooks.getSelectedIndex);
}

void LaunchController::chkPlayback_Click()
{
    if (isChecked(m_window, "chkPlayback"))
        setChecked(m_window, "chkRecord", false);
    call(m_hooks.getSelectedIndex);
}

void LaunchController::chkAutoRun_Click()
{
    m_state.prefs.autoRun = isChecked(m_window, "chkAutoRun");
    writeAutoRun(m_state.paths.optionsIni(), m_state.prefs.autoRun);
    FlushIni(m_state.paths.optionsIni());
    if (!m_state.startupInProgress)
        call(m_hooks.getSelectedIndex);
}

void LaunchController::cmdFind_Click()
{
    switch (m_panel->findRole()) {
    case FindRole::ListBadSets:
        listBadSets();
        return;
    case FindRole::Print:
        printReport();
        return;
    case FindRole::MameIni:
        break;
    }
    showMameIni();
}

void LaunchController::showMameIni()
{
    const SelectedGame game = m_hooks.selectedGame ? m_hooks.selectedGame() : SelectedGame{};
    const auto status = [this](int panel) {
        return m_hooks.statusText ? m_hooks.statusText(panel) : QString();
    };
    const auto showText = [this](const QString& text) {
        m_panel->setFindEnabled(false);
        m_state.panelBusy = 1;
        call(m_hooks.disableFormButtons);
        m_panel->bringToFront(QStringLiteral("Mame.Ini"));
        m_panel->setText(text);
    };
    const std::optional<LaunchResult> prepared =
        viewMameIni(game, boxes(), MameIniStatus{!game.rom.isEmpty(), status(6)}, m_state.prefs,
                    m_services, launchHooks(), showText);
    if (prepared) {
        noteSettingsType(prepared->settingsType);
        m_panel->focusGameList();
    }
    m_commandString.clear();
}

void LaunchController::listBadSets()
{
    const BadSetList bad = ListBadSets(m_panel->text(), m_state.paths);
    if (!bad.ok) {
        platform::showMessage(QStringLiteral("Error In cmdFind_Click: ") + bad.error,
                              QStringLiteral("Velmora"), platform::MessageIcon::Critical);
        return;
    }
    m_panel->setCaption(QStringLiteral("List Bad Sets"));
    m_panel->setText(bad.text);
    m_panel->setFindRole(FindRole::Print);
    m_panel->focusGameList();
}

void LaunchController::printReport()
{
    velmora::printReport(*m_panel);
}

bool LaunchController::mamePresent(const QString& title) const
{
    if (mameProgramPresent(m_state.prefs))
        return true;
    platform::showMessage(QStringLiteral("Cannot find mame!"), title,
                          platform::MessageIcon::Exclamation);
    return false;
}

void LaunchController::takeNewRom(const SelectedGame& game)
{
    // A game copied into a ROM folder since the lists were built: it leaves the Uninstalled list
    // now and joins the Installed list when the user returns to the lists.
    if (game.list != ListKind::Uninstalled || !romArchiveExists(m_state.prefs, game.rom) ||
        !m_hooks.takeSelectedUninstalledRow)
        return;
    const std::optional<int> left = m_hooks.takeSelectedUninstalledRow();
    if (!left)
        return;
    m_newRomFound = true;
    call(m_hooks.setStatusText, 1, QStringLiteral("Total Games: %1").arg(*left));
    call(m_hooks.setStatusText, 6, QStringLiteral("New ROM Found"));
}

void LaunchController::cmdVerify_Click()
{
    const QString caption = QStringLiteral("Game Audit");
    const SelectedGame game = m_hooks.selectedGame ? m_hooks.selectedGame() : SelectedGame{};
    if (game.rom.isEmpty() || !mamePresent(caption))
        return;
    const WaitCursor wait;
    m_panel->bringToFront(caption);
    m_panel->setLeaveButtonsEnabled(false);
    m_panel->setFindEnabled(false);
    m_state.panelBusy = 1;
    call(m_hooks.disableFormButtons);
    takeNewRom(game);

    const GameAuditReport report = [&] {
        const CommandLock lock(m_window);
        return runGameAudit(game.rom, m_state.paths, m_services.exec);
    }();
    recordRomStates(romVerdicts(report.text.toUtf8()));
    m_panel->setText(report.text);
    m_panel->setBold(report.romsHeading, kRomsHeading.size());
    m_panel->setBold(report.samplesHeading, kSamplesHeading.size());
    m_window.show();
    m_panel->setLeaveButtonsEnabled(true);
    m_panel->focusGameList();
}

void LaunchController::prepareAuditPanel(const QString& caption)
{
    call(m_hooks.showReportStatusBar, true);
    if (m_hooks.hideGameArt) {
        m_hooks.hideGameArt();
    } else {
        if (QTimer* icon = child<QTimer>(m_window, "Tmr[1]"))
            icon->stop();
        for (const char* name : {"IconScreen", "lblArtwork"})
            if (QWidget* w = child<QWidget>(m_window, name))
                w->hide();
    }
    m_panel->bringToFront(caption);
    m_state.panelBusy = 1;
    call(m_hooks.disableFormButtons);
}

void LaunchController::showSetReport(const QString& text)
{
    m_panel->setText(text);
    if (reportHasBadSet(text)) {
        m_panel->setFindEnabled(true);
        m_panel->setFindRole(FindRole::ListBadSets);
    }
}

void LaunchController::restoreFromMinimised(bool wasMaximised)
{
    if (wasMaximised)
        m_window.showMaximized();
    else
        m_window.showNormal();
}

void LaunchController::verifyAllSets(SetKind kind)
{
    const SetAuditKind& k = setAuditKind(kind);
    if (!mamePresent(k.verifyCaption) || !confirmSetAudit())
        return;
    const WaitCursor wait;
    prepareAuditPanel(k.verifyCaption);
    m_panel->setLeaveButtonsEnabled(false);
    m_window.repaint();

    QString text;
    if (kind == SetKind::Roms) {
        // The progress window shows MAME at work, so the window stays where it is.
        const CommandLock lock(m_window);
        text = verifyAllRoms();
    } else {
        const bool wasMaximised = m_window.isMaximized();
        m_window.showMinimized();
        {
            const CommandLock lock(m_window);
            text = runSetAudit(kind, m_state.paths, m_services.exec);
        }
        restoreFromMinimised(wasMaximised);
    }

    showSetReport(text);
    m_panel->setLeaveButtonsEnabled(true);
    m_window.show();
    m_panel->focusGameList();
    m_panel->setText(MoveSummary(text, k.summary));
    m_panel->bringToFront(k.verifyCaption);
}

QString LaunchController::verifyAllRoms()
{
    QDir().mkpath(m_state.paths.reportsFolder());
    const QString report = m_state.paths.report(setAuditKind(SetKind::Roms).reportFile);
    QFile::remove(report);
    VerifyRomsProgress progress(report, m_hooks.knownSets ? m_hooks.knownSets()
                                                          : std::vector<QByteArray>());
    QProgressDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("dlgVerifyRoms"));
    dialog.setWindowTitle(setAuditKind(SetKind::Roms).verifyCaption);
    dialog.setCancelButtonText(QStringLiteral("&Cancel"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setRange(0, progress.knownCount());
    const auto update = [&] {
        progress.readMore();
        dialog.setValue(std::min(progress.position(), progress.knownCount()));
        dialog.setLabelText(
            QStringLiteral("M.A.M.E. has answered for %1 sets.").arg(progress.answered()));
    };
    update();
    dialog.show();

    BackgroundCommand command(MameCommands::verifyAllRoms(report),
                              m_state.prefs.folder(DataFolder::MAME));
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, update);
    connect(&command, &BackgroundCommand::ended, &loop, &QEventLoop::quit);
    connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        command.stop();
        loop.quit();
    });
    poll.start(kVerifyPollMs);
    if (command.isRunning())
        loop.exec();
    poll.stop();
    update();
    const bool cancelled = dialog.wasCanceled();
    dialog.close();

    const QString text = readReportText(report);
    // A whole audit ends in MAME's summary; a cancelled or cut-short one leaves the sets it did
    // not get to as they were.
    if (cancelled)
        recordRomStates(progress.verdicts());
    else
        recordRomStates(romVerdicts(text.toUtf8()), text.contains(QLatin1String("romsets found")));
    return text;
}

void LaunchController::mnuReportsVerifyFavoriteRoms_Click()
{
    const QString caption = QStringLiteral("Verify Favorite ROMs");
    const std::vector<QByteArray> sets = favoriteRomSets(FavoritesFiles::under(m_state.paths).list);
    if (sets.empty()) {
        platform::showMessage(QStringLiteral("You do not have a favorites list.  "),
                              QStringLiteral("Favorite Games"), platform::MessageIcon::Information);
        return;
    }
    if (!mamePresent(caption))
        return;
    const WaitCursor wait;
    prepareAuditPanel(caption);
    m_panel->setLeaveButtonsEnabled(false);
    m_panel->setText(QString());

    QProgressDialog dialog(&m_window);
    dialog.setObjectName(QStringLiteral("dlgVerifyFavoriteRoms"));
    dialog.setWindowTitle(caption);
    dialog.setCancelButtonText(QStringLiteral("&Cancel"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setRange(0, int(sets.size()));
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.show();
    QString text;
    std::vector<RomVerdict> verdicts;
    {
        const CommandLock lock(m_window);
        for (size_t i = 0; i < sets.size() && !dialog.wasCanceled(); ++i) {
            const QString rom = QString::fromUtf8(sets[i]);
            dialog.setLabelText(
                QStringLiteral("Checking %1 (%2 of %3)...").arg(rom).arg(i + 1).arg(sets.size()));
            dialog.setValue(int(i));
            QCoreApplication::processEvents();
            const QStringList lines = runRomVerify(rom, m_state.paths, m_services.exec);
            for (const QString& line : lines)
                text += line + QStringLiteral("\r\n");
            const std::vector<RomVerdict> found = romVerdicts(lines.join(u'\n').toUtf8());
            verdicts.insert(verdicts.end(), found.begin(), found.end());
            QCoreApplication::processEvents();
        }
    }
    dialog.close();
    recordRomStates(verdicts);
    m_panel->setText(text);
    m_panel->setLeaveButtonsEnabled(true);
    m_window.show();
    m_panel->focusGameList();
}

void LaunchController::showLastReport(SetKind kind)
{
    const SetAuditKind& k = setAuditKind(kind);
    const std::optional<QString> text = lastSetReport(kind, m_state.paths);
    if (!text)
        return;
    prepareAuditPanel(k.lastCaption);
    showSetReport(*text);
    m_panel->focusGameList();
    m_panel->bringToFront(k.lastCaption);
}

void LaunchController::returnToGameList()
{
    if (m_newRomFound) {
        call(m_hooks.addNewRomToInstalled);
        m_newRomFound = false;
    }
    m_panel->setFindRole(FindRole::MameIni);
    m_panel->setFindEnabled(true);
}

} // namespace velmora
