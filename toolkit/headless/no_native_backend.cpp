// The native backend of a build that has none: asking for it is answered, with the reason,
// and the headless backend stays available.
#include "toolkit/native_backend.h"

namespace toolkit {

std::unique_ptr<Backend> CreateNativeBackend(std::string* error) {
  if (error != nullptr) *error = "this build has no window system backend";
  return nullptr;
}

}  // namespace toolkit
