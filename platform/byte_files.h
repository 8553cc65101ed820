// Files read and written as plain bytes, for the bulk converter: an input file or standard
// input, standard output, and the atomic replacement of a file in place. Every failure carries
// the system's own reason, ready to be shown after the file's name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The outcome of one read: the bytes read (0 at the end of the input), or the system's reason.
struct ReadOutcome {
  std::size_t bytes = 0;
  std::optional<std::string> failure;
};

class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual ReadOutcome Read(char* buffer, std::size_t capacity) = 0;
  // The size of a regular file, for progress; nothing for a pipe or a terminal.
  virtual std::optional<std::uint64_t> Size() const = 0;
};

struct OpenedInput {
  std::unique_ptr<InputFile> file;  // empty on failure
  std::string failure;
};

// Opens a file for reading. Directories are refused here, with the system's reason, rather
// than on the first read.
OpenedInput OpenInputFile(const std::string& path);
// Standard input in binary mode; it is not closed when the object goes.
std::unique_ptr<InputFile> StandardInput();

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Writes all the bytes; the system's reason when it could not.
  virtual std::optional<std::string> Write(std::string_view bytes) = 0;
};

// Standard output in binary mode.
std::unique_ptr<OutputFile> StandardOutput();

// A new version of an existing regular file, written beside it and put in its place by
// Commit in one step, with the old file's permissions. Until Commit succeeds the old file is
// untouched; a replacement dropped without Commit leaves nothing behind.
class FileReplacement : public OutputFile {
 public:
  virtual std::optional<std::string> Commit() = 0;
};

struct StartedReplacement {
  std::unique_ptr<FileReplacement> replacement;  // empty on failure
  std::string failure;
};

// A symbolic link is followed, so the file it points to is replaced and the link stays.
// Anything but a regular file is refused.
StartedReplacement BeginFileReplacement(const std::string& path);

bool StandardErrorIsTerminal();

}  // namespace platform
