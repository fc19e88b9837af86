#pragma once
// How the command runner answers a MAME folder it cannot enter. An I/O failure of the folder's
// device (a network share or removable drive that went away) is worth trying again; any other
// failure (missing folder, not a folder, no permission) is fatal for the program.
#include "gamedb/ExecCmd.h"

#include <QString>

namespace velmora {

// True for the errno values of a device that does not answer: EIO, ENODEV, ENXIO, ESTALE,
// EHOSTDOWN.
bool isDeviceFailure(int errnoValue);

// Shows the message for a failed entry into `mameFolder` and returns the outcome: the "try again"
// message and DeviceUnavailable for a device failure; otherwise "Error In ExecCmd: " with a
// description, the end of the program, and Failed.
ExecOutcome reportFolderFailure(int errnoValue, const QString& mameFolder);

// Shows "Error In ExecCmd: " + description, ends the program and returns Failed.
ExecOutcome reportExecFailure(const QString& description);

} // namespace velmora
