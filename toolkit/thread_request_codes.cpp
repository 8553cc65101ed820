#include "toolkit/thread_request_codes.h"

namespace toolkit {

ThreadRequestCodes& ThisThreadRequestCodes() {
  thread_local ThreadRequestCodes codes;
  return codes;
}

}  // namespace toolkit
