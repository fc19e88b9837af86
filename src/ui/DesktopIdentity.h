#pragma once
// Velmora's name on the desktop. The application name becomes the class of every window and the
// desktop file name ties the windows to the installed desktop entry, so the desktop shows
// Velmora's icon and groups its windows; the window icon is the same picture the entry names.
#include <QIcon>

namespace velmora {

// Sets the application name, the desktop file name and the window icon; call once the
// QApplication exists.
void applyDesktopIdentity();
QIcon programIcon();

} // namespace velmora
