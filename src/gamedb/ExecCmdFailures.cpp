#include "gamedb/ExecCmdFailures.h"

#include "platform/Seams.h"

#include <cerrno>
#include <cstring>

namespace velmora {

bool isDeviceFailure(int errnoValue)
{
    switch (errnoValue) {
    case EIO:
    case ENODEV:
    case ENXIO:
    case ESTALE:
    case EHOSTDOWN:
        return true;
    default:
        return false;
    }
}

ExecOutcome reportExecFailure(const QString& description)
{
    platform::showMessage(QStringLiteral("Error In ExecCmd: ") + description,
                          QStringLiteral("Velmora"), platform::MessageIcon::Critical);
    platform::endProgram();
    return ExecOutcome::Failed;
}

ExecOutcome reportFolderFailure(int errnoValue, const QString& mameFolder)
{
    if (isDeviceFailure(errnoValue)) {
        platform::showMessage(
            QStringLiteral(
                "There is a problem communicating with the drive M.A.M.E. is on!  Try again."),
            QStringLiteral("Velmora"), platform::MessageIcon::Critical);
        return ExecOutcome::DeviceUnavailable;
    }
    if (mameFolder.isEmpty())
        return reportExecFailure(QStringLiteral("No M.A.M.E. folder is set."));
    return reportExecFailure(
        QStringLiteral("Cannot enter the M.A.M.E. folder \"%1\": %2.")
            .arg(mameFolder, QString::fromLocal8Bit(std::strerror(errnoValue))));
}

} // namespace velmora
