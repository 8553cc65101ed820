// The files a run of the converter reads and writes, behind one interface so that tests can
// put failing files in the place of real ones.
#pragma once

#include <memory>
#include <string>

#include "platform/byte_files.h"

namespace batch {

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  virtual platform::OpenedInput OpenInput(const std::string& path) = 0;
  virtual std::unique_ptr<platform::InputFile> StandardInput() = 0;
  virtual platform::OutputFile& StandardOutput() = 0;
  virtual platform::StartedReplacement BeginReplacement(const std::string& path) = 0;
  virtual bool StandardErrorIsTerminal() = 0;
};

// The real files of the system.
class SystemFileAccess final : public FileAccess {
 public:
  platform::OpenedInput OpenInput(const std::string& path) override {
    return platform::OpenInputFile(path);
  }
  std::unique_ptr<platform::InputFile> StandardInput() override {
    return platform::StandardInput();
  }
  platform::OutputFile& StandardOutput() override { return *standard_output_; }
  platform::StartedReplacement BeginReplacement(const std::string& path) override {
    return platform::BeginFileReplacement(path);
  }
  bool StandardErrorIsTerminal() override { return platform::StandardErrorIsTerminal(); }

 private:
  std::unique_ptr<platform::OutputFile> standard_output_ = platform::StandardOutput();
};

}  // namespace batch
