#pragma once
// The program's entry: single-instance rule, the Qt seams, the main window and its load sequence.

namespace velmora {

int runApplication(int argc, char* argv[]);

} // namespace velmora
