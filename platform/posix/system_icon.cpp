// No posix window system takes icons from the operating system: X11 windows carry their
// icons as pixels, which the toolkit makes from our own reading of the file.
#include "platform/system_icon.h"

namespace platform {

std::unique_ptr<SystemIcon> LoadSystemIcon(const std::string&, int) {
  return nullptr;
}

}  // namespace platform
