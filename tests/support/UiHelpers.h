#pragma once
// Small helpers for driving windows in the UI tests.
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace velmora::testing {

// Counts the paint events a widget receives once installed as its event filter.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A named child control; a missing one ends the test run at once with its name.
template <typename T> T* control(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace velmora::testing
