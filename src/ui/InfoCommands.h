#pragma once
// The main window's commands of game information and maintenance: Game Information (cmdInfo,
// File > Game Information), File > Export List, Tools > Maintenance..., and the lists' pop-up
// commands Delete ROM and Delete Samples. wireInfo() builds the Maintenance screen into the
// window's fraMaintenance frame and sets the five handlers of MainWindow::Commands.

namespace velmora {

struct AppState;
class MainWindow;

void wireInfo(MainWindow& window, AppState& state);

// Game Information for the selected game on the report panel.
void showGameInformation(MainWindow& window, const AppState& state);

} // namespace velmora
