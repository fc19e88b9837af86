#pragma once
// The two layouts of MAME's machine list that the database builder reads.
#include "gamedb/LineReader.h"

namespace velmora {

enum class ListLayout
{
    // The older layout: <game ...> elements at fixed positions, resource sets at the end.
    GameElements,
    // Today's layout: <machine ...> elements, resources marked by attributes.
    MachineElements
};

// Decides from the list itself: the first element line that is a <machine> or a <game> names the
// layout. A list with neither (empty, or not a machine list) is read as the older layout, whose
// reader then reports what is missing. The lines looked at are read again afterwards.
ListLayout detectListLayout(LineReader& lines);

} // namespace velmora
