#include "ui/BringForward.h"

#include <QApplication>

namespace velmora {
namespace {

QWidget* showingInsteadOf(const QWidget& mainWindow)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &mainWindow && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

void bringForward(QWidget& mainWindow)
{
    QWidget* front = &mainWindow;
    if (!mainWindow.isVisible())
        front = showingInsteadOf(mainWindow);
    if (!front)
        return;
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}

} // namespace velmora
