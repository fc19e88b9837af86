#include "gamedb/ListProgress.h"

#include <QByteArrayView>

#include <algorithm>

namespace velmora {
namespace {

constexpr int kLookEveryMs = 250;
// At most this much is read at one look, so a look never holds the window up for long.
constexpr qint64 kMostPerLook = 16 * 1024 * 1024;
// Every machine of a list opens with one of these (today's layout, then the older one); the
// same text in a description is written as "&lt;machine ".
constexpr QByteArrayView kMachineTags[] = {"<machine ", "<game "};
constexpr qsizetype kLongestTag = 9;

} // namespace

ListProgress::ListProgress(const QString& file, qint64 expectedBytes, Count count,
                           ProgressSink& progress)
    : m_file(file), m_expected(expectedBytes), m_count(count), m_progress(progress)
{
    m_clock.start();
    connect(&m_timer, &QTimer::timeout, this, &ListProgress::look);
    m_timer.start(kLookEveryMs);
    look();
}

ListProgress::~ListProgress()
{
    m_progress.setProgress(0, 0);
    m_progress.setCount(QString());
}

void ListProgress::look()
{
    if (!m_file.isOpen())
        m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    qint64 size = 0;
    if (m_file.isOpen()) {
        const QByteArray added = m_file.read(kMostPerLook);
        if (m_count == Count::Machines)
            countMachines(added);
        size = m_file.pos();
    }
    const qint64 seconds = m_clock.elapsed() / 1000;
    m_progress.setCount(
        m_count == Count::Machines
            ? QStringLiteral("%1 machines listed, %2 s").arg(m_machines).arg(seconds)
            : QStringLiteral("%1 MB listed, %2 s").arg(size / (1024 * 1024)).arg(seconds));
    if (m_expected > 0)
        m_progress.setProgress(std::min(size, m_expected), m_expected);
    m_progress.repaint();
}

void ListProgress::countMachines(const QByteArray& added)
{
    if (added.isEmpty())
        return;
    const QByteArray text = m_tail + added;
    for (const QByteArrayView tag : kMachineTags) {
        // A tag that lay wholly in the kept tail was counted at the last look.
        for (qsizetype at = text.indexOf(tag); at >= 0; at = text.indexOf(tag, at + 1))
            if (at + tag.size() > m_tail.size())
                ++m_machines;
    }
    m_tail = text.right(kLongestTag - 1);
}

} // namespace velmora
