// renumera-convert: renumbers the old numbers in vCard, CSV and text files.
#include <iostream>
#include <string>
#include <vector>

#include "batch/converter_run.h"
#include "batch/file_access.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  batch::SystemFileAccess files;
  return batch::RunConverter(arguments, files, std::cerr, RENUMERA_VERSION);
}
