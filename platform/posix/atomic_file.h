// Reading a small regular file whole, and replacing one so that a crash, a kill or a full disk
// at any moment leaves either the complete old file or the complete new one.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform::posix {

// A larger file counts as unreadable instead of being taken into memory whole.
inline constexpr std::size_t kFileSizeLimit = std::size_t{16} << 20;

struct FileContents {
  enum class Status {
    kRead,
    kMissing,  // nothing at the path: a write may create it
    kFailed,   // something is there but cannot be read as a file: a write must not replace it
  };
  Status status;
  std::string bytes;
  mode_t mode = 0;  // permission bits, when read
};

// Only regular files are read; a directory, a FIFO or a device reads as kFailed without
// blocking.
FileContents ReadRegularFile(const std::string& path);

// The file a write to `path` must replace: the path itself, or the end of its chain of
// symbolic links, which need not exist yet. Nothing for a loop or an unreadable link.
std::optional<std::string> FollowSymlinks(std::string path);

// A replacement of `path` written piece by piece into a new file beside it, flushed to the
// disk and renamed over `path` by Commit. Until then, and whenever a step fails, `path` is as it
// was; a writer destroyed without a successful Commit removes its temporary file. Error() is the
// errno of the step that failed.
class AtomicFileWriter {
 public:
  // `mode` gives the permission bits; without it the new file gets 0666 less the umask.
  static AtomicFileWriter Begin(const std::string& path, std::optional<mode_t> mode);
  AtomicFileWriter(AtomicFileWriter&& other) noexcept;
  AtomicFileWriter& operator=(AtomicFileWriter&&) = delete;
  ~AtomicFileWriter();

  bool Valid() const { return fd_ >= 0; }
  bool Write(std::string_view bytes);
  bool Commit();
  int Error() const { return error_; }

 private:
  AtomicFileWriter(std::string path, std::string temporary_path, int fd, int error)
      : path_(std::move(path)),
        temporary_path_(std::move(temporary_path)),
        fd_(fd),
        error_(error) {}
  void Abandon();

  std::string path_;
  std::string temporary_path_;
  int fd_;
  int error_;
};

// Writes the bytes into a new file beside `path`, flushes it to the disk and renames it over
// `path`, through AtomicFileWriter.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::optional<mode_t> mode);

// Creates the directory and its missing parents, each with `mode`.
bool MakeDirectories(const std::string& path, mode_t mode);

}  // namespace platform::posix
