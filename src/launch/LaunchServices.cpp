#include "launch/LaunchServices.h"

#include "emulator_settings/BuildIni.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/SettingsFiles.h"
#include "gamedb/ReplacedFile.h"
#include "launch/GameEndPlugin.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace velmora {
namespace {

// The launch report begins with the settings values MAME was not given, MAME's output follows.
void noteLeftOutValues(const QString& report, const QStringList& values)
{
    QByteArray text;
    for (const QString& value : values)
        text += QStringLiteral("Left out of mame.ini, as M.A.M.E. cannot read characters outside "
                               "plain ASCII: %1\r\n")
                    .arg(value)
                    .toUtf8();
    QFile mame(report);
    if (mame.open(QIODevice::ReadOnly))
        text += mame.readAll();
    writeFileReplacing(report, text);
}

} // namespace

LaunchServices launchServicesFor(const Preferences& prefs, const QString& settingsFolder)
{
    return launchServicesFor(prefs, ProgramPaths{QFileInfo(settingsFolder).path()});
}

LaunchServices launchServicesFor(const Preferences& prefs, const ProgramPaths& paths,
                                 std::shared_ptr<PlayHistory> history)
{
    const QString settingsFolder = paths.settingsFolder();
    const QString usageFile = paths.report(kShowUsageFile);
    LaunchServices services;
    // The settings values BuildIni had to leave out, for the launch report.
    auto leftOut = std::make_shared<QStringList>();
    services.settingsFileFor = [settingsFolder](const QString& rom, const QString& displayType) {
        return SettingsFolder(settingsFolder).applicableFile(rom, displayType);
    };
    services.buildIni = [&prefs, usageFile,
                         leftOut](const QString& settingsFile, const QString& rom,
                                  RecordPlayback boxes) -> std::optional<QString> {
        // Read at every launch: the lists of a new MAME come with a new usage file.
        const BuildIniResult result =
            BuildIni(BuildIniRequest{settingsFile, rom, boxes.playback, boxes.record,
                                     MameUsage::fromFile(usageFile)},
                     prefs);
        *leftOut = result.leftOut;
        if (!result.ok)
            return std::nullopt;
        return result.commandString;
    };
    services.createMameIni = [&prefs, usageFile](QString* error) {
        const std::optional<MameUsage> usage = MameUsage::fromFile(usageFile);
        return CreateMAMEIni(prefs, error, usage ? &*usage : nullptr);
    };
    services.exec = [&prefs](const QString& command, WindowStyle style) {
        return ExecCmd(command, style, prefs.folder(DataFolder::MAME));
    };
    services.playOutputFile = paths.report(kPlayOutputFile);
    services.play = [&prefs, paths, usageFile, leftOut,
                     output = services.playOutputFile](const QString& command, WindowStyle style) {
        // A reports folder that cannot take the file costs the report, never the game.
        QDir().mkpath(QFileInfo(output).path());
        const bool keep = writeFileReplacing(output, QByteArray());
        // A MAME with plugins gets Velmora's end plugin, so a log-out lets the game save what
        // it saves on a normal exit.
        const std::optional<MameUsage> usage = MameUsage::fromFile(usageFile);
        std::optional<GameEndPlugin> end;
        if (usage && usage->knows(QStringLiteral("pluginspath")) &&
            usage->knows(QStringLiteral("plugin"))) {
            QString blocked;
            end = writeGameEndPlugin(paths, mamePluginsPath(paths), &blocked);
            if (!blocked.isEmpty()) {
                platform::showMessage(QStringLiteral("The game cannot start: ") + blocked,
                                      QStringLiteral("Play Game"),
                                      platform::MessageIcon::Exclamation);
                return ExecStatus{ExecOutcome::Failed};
            }
        }
        const ExecStatus status = ExecCmdKeepingOutput(
            end ? withGameEndPlugin(command, *end) : command, style, prefs.folder(DataFolder::MAME),
            keep ? output : QString(), end ? end->request : QString());
        if (keep && !leftOut->isEmpty())
            noteLeftOutValues(output, *leftOut);
        return status;
    };
    const QString playStats = paths.setting(kPlayHistoryFile);
    if (!history)
        history = std::make_shared<PlayHistory>(PlayHistory::fromFile(playStats));
    services.gamePlayed = [history, playStats](const QString& rom, qint64 seconds,
                                               const QDateTime& started) {
        history->addPlay(rom, seconds, started);
        QString error;
        if (!history->save(playStats, &error))
            reportNotSaved(playStats, error);
    };
    return services;
}

} // namespace velmora
