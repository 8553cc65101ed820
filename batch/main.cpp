// renumera-convert: renumbers the old numbers in vCard, CSV and text files.
#include <iostream>
#include <string>
#include <vector>

#include "batch/converter_run.h"
#include "batch/file_access.h"
#include "platform/program_arguments.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
  batch::SystemFileAccess files;
  return batch::RunConverter(arguments, files, std::cerr, RENUMERA_VERSION);
}
