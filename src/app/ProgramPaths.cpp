#include "app/ProgramPaths.h"

#include <QCoreApplication>

namespace velmora {

ProgramPaths ProgramPaths::ofRunningProgram()
{
    QString folder = QCoreApplication::applicationDirPath();
    // A root folder is reported with its separator; every stored folder is kept without one, so the
    // root becomes empty and "/settings" still names the right folder.
    while (folder.endsWith(u'/'))
        folder.chop(1);
    return ProgramPaths{folder};
}

} // namespace velmora
