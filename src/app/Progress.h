#pragma once
// Where a long job reports its progress: the splash window during start-up, the wait window
// afterwards. The core only sees this interface; the windows implement it.
#include <QString>

namespace velmora {

class ProgressSink
{
public:
    virtual ~ProgressSink() = default;
    // lblMessage: the current step ("Creating gameinfo.txt...").
    virtual void setMessage(const QString& message) = 0;
    // lblText (wait window only): the longer explanation of what is happening.
    virtual void setText(const QString& text) { Q_UNUSED(text); }
    // lblCount: the running count of games, shown as text; empty clears it.
    virtual void setCount(const QString& count) = 0;
    // The progress bar: `value` of `maximum` done; a maximum of 0 hides the bar (nothing tells
    // how long the step takes).
    virtual void setProgress(qint64 value, qint64 maximum)
    {
        Q_UNUSED(value);
        Q_UNUSED(maximum);
    }
    // Lets the window repaint (at most about 30 times a second is enough).
    virtual void repaint() {}
};

// A sink that shows nothing, for callers without a window.
class NullProgress : public ProgressSink
{
public:
    void setMessage(const QString&) override {}
    void setCount(const QString&) override {}
};

} // namespace velmora
