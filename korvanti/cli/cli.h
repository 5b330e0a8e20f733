// korvanti-cli: the menu's commands as arguments, applied left to right on
// the program's own data, then the report printed.
#pragma once
#include <ostream>

namespace korvanti {

// Returns the exit status: 0, 1 when a message was shown (on `err`, one line
// each), 2 for a bad command line (nothing run).
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace korvanti
