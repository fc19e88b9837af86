#pragma once
// What's Changed (ROMs Info): the games whose ROM lines differ between the previous and the
// current checksum list (oldcrcinfo.txt and crcinfo.txt), and the games that are new.
//
// A line's game key is the text after its second blank, trimmed; a line that holds a tab (today's
// lists, "crc name<TAB>set<TAB>description") is keyed by the text between its first and second
// tab. A game block is a run of lines with the same key, compared as the lines joined without
// their line ends. Each block of the current list is compared with the first block of that key in
// the previous list (empty when the key is not there) and the game is listed when they differ, in
// the order of the current list. A tab-keyed block whose key was met before (a device's ROMs
// printed again under every machine using it) is passed over. Games only in the previous list are
// not listed.
//
// The previous list is indexed once by key, so the compare takes one pass over each list.
#include "changes/CompareMonitor.h"

#include <string_view>

namespace velmora {

inline constexpr char kRomChangesHeading[] =
    "The following games have been added or their ROMs have changed in this version of M.A.M.E.  "
    "NOTE: This report does not show ROMs that were removed.";

// Compares the current list with the previous one. The report, when a game is listed: the
// heading, three CR LF, "Game ", two CR LF, then one key and CR LF per game.
CompareResult compareRomLists(std::string_view newList, std::string_view oldList,
                              CompareMonitor& monitor);

} // namespace velmora
