#include "platform/program_arguments.h"

namespace platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  if (argc <= 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace platform
