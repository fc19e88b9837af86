#pragma once
// What a later start of the program asks of the running one: come to the front.
#include <QWidget>

namespace velmora {

// An already shown main window is restored from minimised and raised. Before the load sequence
// has shown it (the database is being built, the first-run Options dialog is open) or while it is
// hidden for a running game, the main window stays hidden: whatever is showing instead (the
// splash, a dialog, a message box) comes forward.
void bringForward(QWidget& mainWindow);

} // namespace velmora
