// One run of renumera-convert, from its command line to its exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch/file_access.h"

namespace batch {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // a file could not be read, written or converted
inline constexpr int kExitUsage = 2;

// `arguments` exclude the program name. Messages and the summary go to `errors`.
int RunConverter(const std::vector<std::string>& arguments, FileAccess& files, std::ostream& errors,
                 const std::string& version);

}  // namespace batch
