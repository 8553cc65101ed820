// The command-line arguments of a console program, after its name. On Windows they are taken
// in UTF-16 from the system and given in UTF-8, so no ANSI code page can lose a file name.
#pragma once

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace platform
