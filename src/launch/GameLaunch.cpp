#include "launch/GameLaunch.h"

#include "launch/GameFiles.h"
#include "launch/LaunchCommand.h"
#include "launch/RomStatus.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

const QString kPlayGame = QStringLiteral("Play Game");

template <typename... Args, typename F> void call(const F& hook, Args... args)
{
    if (hook)
        hook(args...);
}

void resetMameIni(const LaunchServices& services)
{
    QString error;
    if (services.createMameIni && !services.createMameIni(&error))
        platform::showMessage(QStringLiteral("Error In cmdPlay_Click: ") + error,
                              QStringLiteral("Velmora"), MessageIcon::Critical);
}

// The settings type a game's display type names, in its proper case; empty for LCD, SVG and the
// like, which leave the current type as it was.
QString settingsTypeOf(const QString& displayType)
{
    for (const QLatin1String type : {QLatin1String("Raster"), QLatin1String("Vector")})
        if (displayType.compare(type, Qt::CaseInsensitive) == 0)
            return type;
    return QString();
}

// Playback needs a recording; without one the box is cleared and mame.ini reset.
bool playbackReady(LaunchResult& result, const QString& rom, const Preferences& prefs,
                   const LaunchServices& services, const LaunchHooks& hooks)
{
    if (!result.boxes.playback || QFileInfo(recordingPath(prefs, rom)).isFile())
        return true;
    platform::showMessage(QStringLiteral("Cannot find the .inp file for this game.\r"
                                         "You must record this game first."),
                          QStringLiteral("Playback"), MessageIcon::Information);
    result.boxes.playback = false;
    call(hooks.setBoxes, result.boxes);
    resetMameIni(services);
    result.outcome = LaunchOutcome::NoRecording;
    return false;
}

bool inputFolderUsable(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Record applies to this launch only: the box is cleared at once (BuildIni has already written
// the record line). An existing recording is replaced only when the user says so.
bool recordReady(LaunchResult& result, const QString& rom, const Preferences& prefs,
                 const LaunchServices& services, const LaunchHooks& hooks)
{
    if (!result.boxes.record)
        return true;
    result.boxes.record = false;
    call(hooks.setBoxes, result.boxes);
    const QString input = prefs.folder(DataFolder::Input);
    if (!inputFolderUsable(input)) {
        platform::showMessage(QStringLiteral("Cannot create or write to the Input folder:\r") +
                                  input,
                              QStringLiteral("Record"), MessageIcon::Exclamation);
        resetMameIni(services);
        result.outcome = LaunchOutcome::InputUnusable;
        return false;
    }
    if (!QFileInfo::exists(recordingPath(prefs, rom)))
        return true;
    const MessageAnswer answer = platform::showMessage(
        QStringLiteral("An .inp file for this game already exists.\rDo you want to overwrite it?"),
        QStringLiteral("Record"), MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No);
    if (answer == MessageAnswer::Yes)
        return true;
    resetMameIni(services);
    result.outcome = LaunchOutcome::OverwriteRefused;
    return false;
}

// The last lines MAME printed, from the end of its kept output.
QString lastLines(const QString& outputFile)
{
    constexpr qint64 kTail = 16 * 1024;
    constexpr int kLines = 8;
    QFile file(outputFile);
    if (outputFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QString();
    if (file.size() > kTail)
        file.seek(file.size() - kTail);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.mid(qMax<qsizetype>(0, lines.size() - kLines)).join(u'\r');
}

// A game that MAME could not run (or that ended with an error) says why, in MAME's own words.
void reportFailedGame(const ExecStatus& status, const QString& outputFile)
{
    if (status.outcome != ExecOutcome::Ran || status.endRequested ||
        (!status.crashed && status.exitCode == 0))
        return;
    const QString said = lastLines(outputFile);
    QString text = status.crashed
                       ? QStringLiteral("M.A.M.E. ended abnormally.")
                       : QStringLiteral("M.A.M.E. ended with error %1.").arg(status.exitCode);
    if (!said.isEmpty())
        text += QStringLiteral("  Its last words were:\r\r") + said;
    platform::showMessage(text, kPlayGame, MessageIcon::Exclamation);
}

// A game that ended with an error this soon was refused by MAME (a missing ROM, a bad option):
// it was never played.
constexpr qint64 kRefusedStartMs = 3000;

// Whether MAME's output says it refused the game for missing or wrong files. A busy machine can
// take longer than kRefusedStartMs to find that out.
bool refusedForFiles(const QString& outputFile)
{
    QFile output(outputFile);
    return !outputFile.isEmpty() && output.open(QIODevice::ReadOnly) &&
           launchRefusedForFiles(output.readAll());
}

// Whether a game that ended counts as a play. A playback only shows a recording again; an end
// the program asked for (it is ending) is a play like any other.
bool countsAsPlay(const ExecStatus& status, qint64 msecs, bool playback, const QString& outputFile)
{
    if (playback ||
        (status.outcome != ExecOutcome::Ran && status.outcome != ExecOutcome::Interrupted))
        return false;
    const bool error = !status.endRequested && (status.crashed || status.exitCode != 0);
    return !error || (msecs >= kRefusedStartMs && !refusedForFiles(outputFile));
}

// Steps from the banner stop to the reset of mame.ini: whatever MAME does, the window comes back,
// the hot keys are on again and mame.ini ends in its path layer.
void runMame(LaunchResult& result, Preferences& prefs, const LaunchServices& services,
             const LaunchHooks& hooks)
{
    prefs.scroll = hooks.bannerRunning && hooks.bannerRunning();
    if (prefs.scroll)
        call(hooks.setBannerRunning, false);
    call(hooks.hideWindow);
    if (prefs.disableHotKeys)
        call(hooks.blockHotKeys, true);

    const WindowStyle style = result.boxes.playback ? WindowStyle::Normal : WindowStyle::Minimised;
    const QDateTime started = platform::clock().now();
    ExecStatus status;
    if (services.play)
        status = services.play(result.command, style);
    else if (services.exec)
        status.outcome = services.exec(result.command, style);
    const qint64 msecs = std::max<qint64>(0, started.msecsTo(platform::clock().now()));
    // The play is kept before anything else happens: the program may be ending.
    result.playCounted =
        countsAsPlay(status, msecs, result.boxes.playback, services.playOutputFile);
    if (result.playCounted && services.gamePlayed)
        services.gamePlayed(result.game, (msecs + 500) / 1000, started);

    if (prefs.disableHotKeys)
        call(hooks.blockHotKeys, false);
    call(hooks.showWindow);
    if (result.boxes.playback) {
        result.boxes.playback = false;
        call(hooks.setBoxes, result.boxes);
    }
    if (prefs.scroll)
        call(hooks.setBannerRunning, true);
    call(hooks.loadShot);
    resetMameIni(services);
    result.outcome = LaunchOutcome::Played;
    reportFailedGame(status, services.playOutputFile);
}

} // namespace

LaunchResult launchGame(const LaunchRequest& request, Preferences& prefs,
                        const LaunchServices& services, const LaunchHooks& hooks)
{
    LaunchResult result;
    result.boxes = request.boxes;
    result.game = request.game.rom;
    const SelectedGame& game = request.game;
    call(hooks.restoreSelection);

    // The Uninstalled list never launches; a game of the other lists must still have its ROM
    // archive (one of the Installed list may have been removed since the lists were loaded).
    if (game.list == ListKind::Uninstalled || !romArchiveExists(prefs, game.rom)) {
        platform::showMessage(QStringLiteral("This game is not installed."), kPlayGame,
                              MessageIcon::Information);
        return result;
    }
    if (request.mode == LaunchMode::Play && !mameProgramPresent(prefs)) {
        platform::showMessage(QStringLiteral("Cannot find mame!"), kPlayGame,
                              MessageIcon::Exclamation);
        result.outcome = LaunchOutcome::NoMame;
        return result;
    }

    result.settingsType = settingsTypeOf(game.displayType);
    if (services.settingsFileFor)
        result.settingsFile = services.settingsFileFor(game.rom, game.displayType);
    if (!result.settingsFile.isEmpty() && services.buildIni) {
        const std::optional<QString> other =
            services.buildIni(result.settingsFile, game.rom, result.boxes);
        if (!other) {
            result.outcome = LaunchOutcome::SettingsFailed;
            return result;
        }
        result.otherCommands = *other;
    } else if (request.mode == LaunchMode::Play) {
        // The game runs on the path layer alone, whatever mame.ini held before.
        resetMameIni(services);
    }
    if (request.mode == LaunchMode::PrepareOnly) {
        result.outcome = LaunchOutcome::Prepared;
        return result;
    }

    if (!playbackReady(result, game.rom, prefs, services, hooks) ||
        !recordReady(result, game.rom, prefs, services, hooks))
        return result;
    result.command = launchCommandLine(game.rom, result.otherCommands);
    runMame(result, prefs, services, hooks);
    return result;
}

} // namespace velmora
