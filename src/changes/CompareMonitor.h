#pragma once
// How a What's Changed compare talks to the window while it runs: the status text, the progress
// bar, and the pending window events that let the user press Cancel. The compares call
// letEventsRun() often (every game or block, and while they load the lists); an implementation
// decides how often it really lets the window work.
#include <QByteArray>
#include <QString>

namespace velmora {

class CompareMonitor
{
public:
    virtual ~CompareMonitor() = default;
    // Panel 2 of the report status bar; an empty text clears it.
    virtual void setStatus(const QString& text) { Q_UNUSED(text); }
    // The progress bar gets the range 0 to count; its value starts at 0.
    virtual void start(int count) { Q_UNUSED(count); }
    // `value` games have been compared.
    virtual void advance(int value) { Q_UNUSED(value); }
    // Lets pending window events run; true once the user asked to cancel.
    virtual bool letEventsRun() { return false; }
};

// How a compare ended. The report is the whole report text, as saved, when games are listed.
struct CompareResult
{
    enum class Outcome
    {
        Changed,
        Unchanged,
        Cancelled,
        NewListUnusable, // the current list holds nothing to compare
        OldListUnusable  // the previous list holds nothing to compare
    };
    Outcome outcome = Outcome::Unchanged;
    QByteArray report;
};

} // namespace velmora
