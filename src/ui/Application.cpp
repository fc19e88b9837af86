#include "ui/Application.h"

#include "app/AppState.h"
#include "emulator_settings/MameIni.h"
#include "emulator_settings/MamePathLinks.h"
#include "gamedb/ExecCmd.h"
#include "platform/Seams.h"
#include "platform/SingleInstance.h"
#include "platform/qt/QtSeams.h"
#include "ui/BringForward.h"
#include "ui/CommandWiring.h"
#include "ui/DesktopIdentity.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora {
namespace {

int g_signalPipe[2] = {-1, -1};
// How long an ending program waits for a running game to end of its own accord.
constexpr int kRunningCommandGrace = 10000;

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(g_signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP (a closed terminal, a dropped remote session) reach the event loop
// through a socket pair and take the orderly-end path, so the view state survives a logout or a
// kill, and a running game is asked to end and save first.
void routeTerminationSignals(StartUp& startUp)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &startUp);
    QObject::connect(notifier, &QSocketNotifier::activated, &startUp, [&startUp] {
        char byte;
        [[maybe_unused]] auto n = ::read(g_signalPipe[0], &byte, 1);
        // A game still running is asked to end first, so MAME saves what it saves on a normal
        // exit (configuration, NVRAM, autosave); the launch then puts mame.ini back.
        endRunningCommand(kRunningCommandGrace);
        startUp.saveViewAndEnd();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void fillHooks(StartUp& startUp, AppState& state, MainWindow& window)
{
    StartUp::Hooks& hooks = startUp.hooks();
    hooks.firstRunDialog = [&state, &window](Preferences& prefs) {
        const auto chosen = OptionsDialog::ask(prefs, state.paths.optionsIni(),
                                               OptionsDialog::Occasion::FirstRun, &window);
        if (chosen)
            prefs = *chosen;
        return chosen.has_value();
    };
    hooks.createMameIni = [&state] {
        const std::optional<MameUsage> usage =
            MameUsage::fromFile(state.paths.report(kShowUsageFile));
        resetMameIni(state.prefs, nullptr, usage ? &*usage : nullptr);
    };
}

} // namespace

int runApplication(int argc, char* argv[])
{
    const double startTime = platform::clock().secondsSinceMidnight();
    QApplication app(argc, argv);
    applyDesktopIdentity();
    QApplication::setApplicationVersion(programVersion());
    QApplication::setQuitOnLastWindowClosed(false);

    platform::SingleInstance instance;
    if (instance.forwardToRunningInstance())
        return 0;
    instance.listen();
    platform::installQtSeams();
    if (!instance.problem().isEmpty())
        platform::showMessage(instance.problem(), QStringLiteral("Velmora"),
                              platform::MessageIcon::Exclamation);

    AppState state;
    state.startTime = startTime;
    state.paths = ProgramPaths::ofRunningProgram();
    setMamePathLinkFolder(state.paths.setting(QStringLiteral("mamepaths")));
    MainWindow window(state);
    StartUp startUp(state, window);
    fillHooks(startUp, state, window);
    wireCommands(window, state, startUp);
    platform::seams().endProgram = [&startUp] { startUp.endWithoutSaving(); };
    routeTerminationSignals(startUp);
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &window,
                     [&window] { bringForward(window); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &startUp,
                     [&startUp](QSessionManager&) { startUp.saveViewAndEnd(); });

    if (!startUp.runLoadSequence())
        return 0;
    window.show();
    startUp.afterShown();
    if (startUp.ending())
        return 0;
    return app.exec();
}

} // namespace velmora
