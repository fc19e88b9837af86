#include "ui/DesktopIdentity.h"

#include <QApplication>

namespace velmora {

QIcon programIcon()
{
    QIcon icon;
    for (const char* size : {"48x48", "128x128", "256x256"})
        icon.addFile(QStringLiteral(":/icons/%1/velmora.png").arg(QLatin1String(size)));
    return icon;
}

void applyDesktopIdentity()
{
    QApplication::setApplicationName(QStringLiteral(VELMORA_APPLICATION_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_DESKTOP_ID));
    QApplication::setWindowIcon(programIcon());
}

} // namespace velmora
