#include "gamedb/ListLayout.h"

#include "gamedb/ElementLine.h"
#include "gamedb/LineReader.h"

namespace velmora {

namespace {
// The header of a machine list (its document type definition) is a few hundred lines; a file
// without an element this far in is no machine list of either layout.
constexpr qsizetype kLookAheadLimit = 4 * 1024 * 1024;

ListLayout layoutOfLine(std::string_view line, bool* decided)
{
    *decided = false;
    const std::size_t open = line.find('<');
    if (open == std::string_view::npos)
        return ListLayout::GameElements;
    const ElementLine element(line.substr(open));
    *decided = element.is("machine") || element.is("game");
    return element.is("machine") ? ListLayout::MachineElements : ListLayout::GameElements;
}
} // namespace

ListLayout detectListLayout(LineReader& lines)
{
    ListLayout layout = ListLayout::GameElements;
    lines.startLookAhead();
    std::string_view line;
    bool decided = false;
    while (!decided && lines.lookAheadBytes() < kLookAheadLimit && lines.next(&line))
        layout = layoutOfLine(line, &decided);
    lines.endLookAhead();
    return decided ? layout : ListLayout::GameElements;
}

} // namespace velmora
