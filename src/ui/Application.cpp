#include "ui/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace velmora {

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmMain"));
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.show();
    return app.exec();
}

} // namespace velmora
