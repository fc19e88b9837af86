#include "launch/MameIniViewer.h"

#include "launch/ReportText.h"
#include "platform/Seams.h"

#include <QFileInfo>

namespace velmora {
namespace {

using platform::MessageIcon;

const QString kTitle = QStringLiteral("Mame.Ini");

bool installedGameSelected(const MameIniStatus& status)
{
    return status.gameShown && status.settings != QLatin1String("Not Installed");
}

QString mameIniFile(const Preferences& prefs)
{
    return prefs.folder(DataFolder::Ini) + QStringLiteral("/mame.ini");
}

void tellAboutContents(const QString& text, const QString& otherCommands)
{
    if (text.count(QLatin1String("\r\n")) < kCompleteMameIniLines)
        platform::showMessage(QStringLiteral("The mame.ini is incomplete because you have not made "
                                             "any option changes.  M.A.M.E. defaults will be "
                                             "used."),
                              kTitle, MessageIcon::Information);
    if (!otherCommands.isEmpty())
        platform::showMessage(QStringLiteral("The following other commands will run as "
                                             "command-line options and override the settings in "
                                             "the mame.ini.\r\r") +
                                  otherCommands,
                              QStringLiteral("Other Commands"), MessageIcon::Information);
}

} // namespace

std::optional<LaunchResult> viewMameIni(const SelectedGame& game, RecordPlayback boxes,
                                        const MameIniStatus& status, Preferences& prefs,
                                        const LaunchServices& services, const LaunchHooks& hooks,
                                        const std::function<void(const QString& text)>& showText)
{
    if (!installedGameSelected(status)) {
        platform::showMessage(QStringLiteral("An installed game must first be selected!"), kTitle,
                              MessageIcon::Exclamation);
        if (hooks.restoreSelection)
            hooks.restoreSelection();
        return std::nullopt;
    }
    if (!QFileInfo(mameIniFile(prefs)).isFile()) {
        platform::showMessage(QStringLiteral("Cannot find mame.ini!"), kTitle,
                              MessageIcon::Exclamation);
        return std::nullopt;
    }
    const LaunchResult prepared =
        launchGame(LaunchRequest{game, boxes, LaunchMode::PrepareOnly}, prefs, services, hooks);
    if (prepared.outcome != LaunchOutcome::Prepared)
        return std::nullopt;

    const QString text = readReportText(mameIniFile(prefs));
    if (showText)
        showText(text);
    tellAboutContents(text, prepared.otherCommands);

    QString error;
    if (services.createMameIni && !services.createMameIni(&error))
        platform::showMessage(QStringLiteral("Error In cmdFind_Click: ") + error,
                              QStringLiteral("Velmora"), MessageIcon::Critical);
    return prepared;
}

} // namespace velmora
