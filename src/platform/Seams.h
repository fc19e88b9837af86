#pragma once
// The installed implementations of the platform seams. The program installs the Qt ones at start;
// a test installs fakes. Each accessor returns the installed object or a do-nothing default.
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"

#include <functional>

namespace velmora::platform {

struct Seams
{
    MessageBox* messageBox = nullptr;
    FolderBrowser* folderBrowser = nullptr;
    ColorDialog* colorDialog = nullptr;
    FontDialog* fontDialog = nullptr;
    Printer* printer = nullptr;
    Clock* clock = nullptr;
    Audio* audio = nullptr;
    // Ends the program in an orderly way after a fatal error (timers stopped, main window
    // released). Routines that must end the program call endProgram(); a test may record the call
    // instead.
    std::function<void()> endProgram;
    // The error number (ENOSPC: a full disk) with which the file writer's writes of `target`
    // fail, or 0. The program leaves it unset; a test sets it to try the writers on a full disk
    // where it cannot mount a small file system.
    std::function<int(const QString& target)> writeFault;
};

Seams& seams();

FolderBrowser& folderBrowser();
ColorDialog& colorDialog();
FontDialog& fontDialog();
Printer& printer();
const Clock& clock();
Audio& audio();
void endProgram();
int writeFaultFor(const QString& target);

} // namespace velmora::platform
