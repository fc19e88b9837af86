#pragma once
// What a run killed in the middle of writing leaves behind, removed at the next start: the file
// writer's unfinished temporary files (`<file>.velmora-XXXXXX`) beside the files the program
// writes, the favourites list's next version (newfav.txt) and game-end requests. Only names the
// program makes are touched; anything else in those folders stays.
#include "app/Preferences.h"
#include "app/ProgramPaths.h"

namespace velmora {

void removeLeftovers(const ProgramPaths& paths, const Preferences& prefs);

} // namespace velmora
