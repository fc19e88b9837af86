#pragma once
// The hourglass pointer while a long step runs on the window's thread; the normal pointer comes
// back when the step's scope ends, whichever way it ends.
#include <QApplication>

namespace velmora {

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace velmora
