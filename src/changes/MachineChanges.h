#pragma once
// What's Changed (All Info): every game added, removed or changed in any way between the previous
// and the current machine list (oldlistxml.txt and listxml.txt), with its name and description.
//
// The lists are compared as text chunks. A list's header is the text before its first game
// element ("<game n", or "<machine n" in today's lists, found from the seventh character on). A
// chunk runs from one game element to the next; once no "<game n" is left, chunks end at
// "<game r" elements, and the last chunk carries the closing text of the file. A chunk of the
// current list is unchanged when its exact text occurs anywhere in what is left of the previous
// list; that occurrence is then taken out of it (an old chunk that merely starts with the text
// loses that much and keeps the rest). Unmatched chunks are listed as name, tab, description.
// What is left of the previous list is then cut into chunks in the same way and each name, tab,
// description that does not already occur in the listed text is listed too: the removed games
// and the old form of the changed ones (a changed description is therefore listed twice).
//
// The previous list is indexed once by the first line of each of its game elements, so each
// chunk of the current list costs a look-up and one comparison; only odd texts (chunks without a
// line end, elements glued together by what was taken out) fall back to a plain search.
#include "changes/CompareMonitor.h"

#include <string_view>

namespace velmora {

inline constexpr char kMachineChangesHeading[] =
    "These games and/or resources have changed in this version of M.A.M.E.  A change does not "
    "necessarily mean the ROM will have to be replaced.  It can be a simple change such as a "
    "release year or even a change in the listxml.txt format.";

// Compares the current list with the previous one. The report, when a game is listed: the
// heading, three CR LF, "ROM", tab, "Description", two CR LF, then one line per game.
CompareResult compareMachineLists(std::string_view newList, std::string_view oldList,
                                  CompareMonitor& monitor);

} // namespace velmora
