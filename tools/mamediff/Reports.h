#pragma once
// The three reports of mamediff, each a text for people. Every report is empty when it finds no
// change, so an empty mamediff.log means "nothing changed". Lines that begin with "---" start a
// section; the rest of the report does not depend on how a reader lays it out.
#include "SetList.h"

#include <string>

namespace mamediff {

enum class Report
{
    Summary,     // added, removed, renamed and changed sets and what changed in each
    MergedSplit, // the sets whose merged-split ROM set changed (a parent with all its clones)
    FullSplit    // the sets whose full-split ROM set changed (with parent, BIOS and devices)
};

std::string compareLists(const SetList& oldList, const SetList& newList, Report report);

} // namespace mamediff
