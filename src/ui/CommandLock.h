#pragma once
// Holds back the main window's commands while a long job runs (a What's Changed compare, a game
// audit, an all-sets audit, a MAMEDiff report): the menu bar's menus and every button, box and
// label of the window that starts something are disabled while the lock lives, and each gets back
// the state it had when the lock was taken. Exit is left as the job sets it (a compare makes it
// its Cancel button). Take the lock once the job's panel is in place, so that what comes back is
// that panel's state.
//
// Controls are found by their object names under the window, as the controllers find theirs.
#include <QPointer>
#include <QWidget>

#include <vector>

class QAction;

namespace velmora {

class CommandLock
{
public:
    explicit CommandLock(QWidget& window);
    ~CommandLock();
    CommandLock(const CommandLock&) = delete;
    CommandLock& operator=(const CommandLock&) = delete;

    // Whether a lock is held: answers from the web site wait until it is released.
    static bool held();

private:
    std::vector<std::pair<QPointer<QWidget>, bool>> m_widgets;
    std::vector<std::pair<QPointer<QAction>, bool>> m_menus;
};

} // namespace velmora
