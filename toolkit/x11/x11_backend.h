// The X11 implementation of toolkit::Backend: Xlib, Xft and fontconfig.
#pragma once

#include <memory>
#include <string>

#include "toolkit/backend.h"

namespace toolkit::x11 {

// Nothing when the X display cannot be reached; `error` then says why in one line.
std::unique_ptr<Backend> CreateX11Backend(std::string* error);

}  // namespace toolkit::x11
