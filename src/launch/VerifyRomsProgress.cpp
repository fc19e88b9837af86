#include "launch/VerifyRomsProgress.h"

#include <algorithm>

namespace velmora {

VerifyRomsProgress::VerifyRomsProgress(const QString& report, std::vector<QByteArray> knownSets)
    : m_file(report), m_known(std::move(knownSets))
{
    std::sort(m_known.begin(), m_known.end());
}

void VerifyRomsProgress::readMore()
{
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly))
        return;
    // The file may be made again by the shell's redirection: read from where we stopped.
    if (m_file.size() < m_read)
        return;
    m_file.seek(m_read);
    const QByteArray bytes = m_file.readAll();
    m_read += bytes.size();
    feed(bytes);
}

void VerifyRomsProgress::feed(QByteArrayView bytes)
{
    m_partial.append(bytes);
    const qsizetype lastEnd = m_partial.lastIndexOf('\n');
    if (lastEnd < 0)
        return;
    const std::vector<RomVerdict> more = romVerdicts(QByteArrayView(m_partial).first(lastEnd + 1));
    m_partial.remove(0, lastEnd + 1);
    if (more.empty())
        return;
    m_verdicts.insert(m_verdicts.end(), more.begin(), more.end());
    const auto at = std::lower_bound(m_known.begin(), m_known.end(), more.back().romset);
    m_position = std::max(m_position, int(at - m_known.begin()));
}

} // namespace velmora
