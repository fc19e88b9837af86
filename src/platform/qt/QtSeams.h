#pragma once
// The program's own implementations of the platform seams, on Qt's dialogs, printer and windows.

namespace velmora::platform {

// Installs the Qt message box, folder browser, colour and font dialogs, printer and audio.
void installQtSeams();

} // namespace velmora::platform
