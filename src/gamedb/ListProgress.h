#pragma once
// How far MAME is with a list it writes, shown while the program waits for it. A few times a
// second the output file is looked at: the machines in what MAME added are counted, and the
// progress window shows that count with the seconds gone by and, when an earlier list tells how
// big this one will be, a bar. The seconds move even while MAME writes nothing yet, so the window
// never shows a frozen step.
#include "app/Progress.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

namespace velmora {

class ListProgress : public QObject
{
public:
    enum class Count
    {
        Machines, // the machine list: "12345 machines listed, 8 s"
        Megabytes // any other list: "12 MB listed, 8 s"
    };

    // Watches `file`, which need not exist yet. `expectedBytes` is the size the list will
    // probably reach (an earlier list's); 0 shows no bar.
    ListProgress(const QString& file, qint64 expectedBytes, Count count, ProgressSink& progress);
    // Clears the count and the bar.
    ~ListProgress() override;

    qint64 machines() const { return m_machines; }

private:
    void look();
    void countMachines(const QByteArray& added);

    QFile m_file;
    qint64 m_expected;
    Count m_count;
    ProgressSink& m_progress;
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_machines = 0;
    QByteArray m_tail; // the end of what was read last, where a machine's tag may be cut off
};

} // namespace velmora
