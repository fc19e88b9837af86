#pragma once
// Connects the main window's commands to the subsystems that carry them out: Refresh's database
// check, the launch and audits, the settings editor and Rebuild Settings, Tools > Options, and
// the Help menu with the gradient window. It also fills the load sequence's hooks into the subsystems (the database build and the
// check for a new MAME, the choice lists).

namespace velmora {

struct AppState;
class MainWindow;
class StartUp;

void wireCommands(MainWindow& window, AppState& state, StartUp& startUp);

} // namespace velmora
