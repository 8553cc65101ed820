// The request and response codes a thread's windows read and write.
#pragma once

#include <cstdint>

namespace toolkit {

struct ThreadRequestCodes {
  uint8_t request_code = 0;        // read and cleared by a window when it opens
  uint8_t response_code = 0;       // cleared when a window opens, its result when it ends
  int32_t navigation_request = 0;  // kept by reference by an open window
};

// The calling thread's codes, all 0 when the thread starts.
ThreadRequestCodes& ThisThreadRequestCodes();

}  // namespace toolkit
