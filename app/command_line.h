#pragma once

#include <optional>

namespace quillory {

// Reads the program's own options (--help, --version) before any window or display is needed.
// Returns the exit status when the program should end at once: 0 after printing the help or the
// version, 2 after an unknown option or argument (the usage goes to standard error). Qt's own
// window options (-platform, -style, ...) are let through for the application to take.
std::optional<int> HandleCommandLine(int argc, char** argv);

}  // namespace quillory
