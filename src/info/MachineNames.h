#pragma once
// The short names of every machine the game database knows: the games of gameinfo.txt and the
// resource sets (BIOS sets, devices) of resource.txt, together every machine of MAME's list that
// the database took in. The delete commands remove a per-game file or folder only when its name
// is one of these, so a folder pointed at the wrong place (a home folder, the MAME folder) loses
// nothing that MAME did not write there for a game.
#include "app/ProgramPaths.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace velmora {

class MachineNames
{
public:
    MachineNames() = default;
    explicit MachineNames(const QStringList& names);

    // Reads reports/gameinfo.txt and reports/resource.txt; a missing file adds no name.
    static MachineNames fromDatabase(const ProgramPaths& paths);

    // Letter case does not count: the files of a game are found whatever their case.
    bool contains(const QString& name) const { return m_names.contains(name.toLower()); }
    // True for a machine's name and for the name MAME gives a machine run with another BIOS than
    // its default one: the name, "_" and the BIOS number ("neogeo_1").
    bool containsBiosVariant(const QString& name) const;
    bool isEmpty() const { return m_names.isEmpty(); }

private:
    void insert(const QByteArray& name);

    QSet<QString> m_names; // lower case
};

} // namespace velmora
