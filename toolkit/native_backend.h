// The native backend of this build. Each native backend library (X11 on Linux) defines it, so
// the factory needs no platform switch of its own.
#pragma once

#include <memory>
#include <string>

#include "toolkit/backend.h"

namespace toolkit {

// Nothing when the window system cannot be reached; `error` then says why in one line.
std::unique_ptr<Backend> CreateNativeBackend(std::string* error);

}  // namespace toolkit
