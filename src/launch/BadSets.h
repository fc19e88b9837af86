#pragma once
// List Bad Sets: the bad sets of an audit report, one per line, under their count. A bad set is a
// line that ends in "is bad" (MAME's "romset pacman [puckman] is bad"); the text is kept in
// reports/temp.txt and the bad lines in reports/bad.txt while they are sorted out, and both files
// are removed afterwards.
#include "app/ProgramPaths.h"

#include <QString>

namespace velmora {

// True when the report names a bad set anywhere (" is bad"): List Bad Sets is then offered.
bool reportHasBadSet(const QString& text);

struct BadSetList
{
    bool ok = false;
    int count = 0;
    // "<count> bad sets found.", CR, CR, the bad lines (CR LF each), CR, "End of report.", CR, CR.
    QString text;
    QString error; // why the working files could not be written, when not ok
};

// `panelText` is the report as the panel shows it (CR LF or LF line ends).
BadSetList ListBadSets(const QString& panelText, const ProgramPaths& paths);

} // namespace velmora
