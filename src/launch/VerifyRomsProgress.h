#pragma once
// Verify All ROMs while MAME works: its report is read as MAME writes it, each set it answers
// for is counted and its verdict kept, so the window can show how far MAME has got and a Cancel
// keeps what was answered. MAME answers in the order of the set names, so the last set named
// tells how far through the known sets it is.
#include "launch/RomStatus.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

namespace velmora {

class VerifyRomsProgress
{
public:
    // `report` is the file MAME writes; `knownSets` every set name MAME may answer for, in any
    // order (none: the position is unknown).
    VerifyRomsProgress(const QString& report, std::vector<QByteArray> knownSets);

    // Reads what MAME has added to the report since the last call (whole lines only).
    void readMore();
    // Feeds output directly (readMore() uses it).
    void feed(QByteArrayView bytes);

    int answered() const { return int(m_verdicts.size()); }
    const std::vector<RomVerdict>& verdicts() const { return m_verdicts; }
    // How many of the known sets sort before the last one MAME named, and how many are known.
    int position() const { return m_position; }
    int knownCount() const { return int(m_known.size()); }

private:
    QFile m_file;
    qint64 m_read = 0;
    QByteArray m_partial; // a line MAME has not finished yet
    std::vector<QByteArray> m_known;
    std::vector<RomVerdict> m_verdicts;
    int m_position = 0;
};

} // namespace velmora
