#pragma once
// Reads a machine list of the older layout, whose elements are <game ...>, the way that layout is
// defined: one element per line, tab indentation, attributes in MAME's order of that time, values
// picked out at fixed character positions. Game records are written at each driver line; the
// resource sets at the end of the list, from the first "<game runnable=" line on, are copied
// unchanged into resource.txt.
#include "gamedb/DatabaseOutput.h"
#include "gamedb/GameRecord.h"
#include "gamedb/LineReader.h"

#include <string_view>

namespace velmora {

class GameListReader
{
public:
    GameListReader();

    // Reads every line of `lines`. A list without a "<game runnable=" line fails after every game
    // has been written; so does a line whose values are not where the layout puts them.
    ListReadResult read(LineReader& lines, DatabaseOutput& out);

private:
    bool readLine(std::string_view line, DatabaseOutput& out);
    bool readGame(std::string_view line);
    bool readDisplay(std::string_view line);
    bool readDriver(std::string_view line, DatabaseOutput& out);
    static bool isResourceStart(std::string_view line);

    GameRecord m_record;
    // Set by the first display line of a game and cleared when its record is written; a second
    // display line makes the game's Display "Multiple".
    bool m_displaySeen = false;
};

} // namespace velmora
