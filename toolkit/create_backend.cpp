// The backend of each kind this build has.
#include "toolkit/backend.h"
#include "toolkit/headless/headless_backend.h"
#include "toolkit/native_backend.h"

namespace toolkit {

std::unique_ptr<Backend> CreateBackend(BackendKind kind, std::string* error) {
  switch (kind) {
    case BackendKind::Headless:
      return std::make_unique<headless::HeadlessBackend>();
    case BackendKind::Native:
      return CreateNativeBackend(error);
  }
  return nullptr;
}

}  // namespace toolkit
