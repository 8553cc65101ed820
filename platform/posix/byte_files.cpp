#include "platform/byte_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/atomic_file.h"

namespace platform {
namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

class PosixInput final : public InputFile {
 public:
  PosixInput(int fd, bool owned) : fd_(fd), owned_(owned) {}
  ~PosixInput() override {
    if (owned_) ::close(fd_);
  }

  ReadOutcome Read(char* buffer, std::size_t capacity) override {
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, capacity);
      if (got >= 0) return {static_cast<std::size_t>(got), std::nullopt};
      if (errno != EINTR) return {0, Reason(errno)};
    }
  }

  std::optional<std::uint64_t> Size() const override {
    struct stat info;
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

 private:
  int fd_;
  bool owned_;
};

std::optional<std::string> WriteAllTo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return Reason(errno);
    if (written == 0) return Reason(EIO);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

class PosixStandardOutput final : public OutputFile {
 public:
  std::optional<std::string> Write(std::string_view bytes) override {
    return WriteAllTo(STDOUT_FILENO, bytes);
  }
};

class PosixReplacement final : public FileReplacement {
 public:
  explicit PosixReplacement(posix::AtomicFileWriter writer) : writer_(std::move(writer)) {}

  std::optional<std::string> Write(std::string_view bytes) override {
    if (writer_.Write(bytes)) return std::nullopt;
    return Reason(writer_.Error());
  }
  std::optional<std::string> Commit() override {
    if (writer_.Commit()) return std::nullopt;
    return Reason(writer_.Error());
  }

 private:
  posix::AtomicFileWriter writer_;
};

}  // namespace

OpenedInput OpenInputFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {nullptr, Reason(errno)};
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    return {nullptr, Reason(error)};
  }
  return {std::make_unique<PosixInput>(fd, true), {}};
}

std::unique_ptr<InputFile> StandardInput() {
  return std::make_unique<PosixInput>(STDIN_FILENO, false);
}

std::unique_ptr<OutputFile> StandardOutput() {
  return std::make_unique<PosixStandardOutput>();
}

StartedReplacement BeginFileReplacement(const std::string& path) {
  const std::optional<std::string> target = posix::FollowSymlinks(path);
  if (!target) return {nullptr, Reason(ELOOP)};
  struct stat info;
  if (::stat(target->c_str(), &info) != 0) return {nullptr, Reason(errno)};
  if (!S_ISREG(info.st_mode)) {
    return {nullptr, S_ISDIR(info.st_mode) ? Reason(EISDIR) : "not a regular file"};
  }
  posix::AtomicFileWriter writer =
      posix::AtomicFileWriter::Begin(*target, static_cast<mode_t>(info.st_mode & 07777));
  if (!writer.Valid()) return {nullptr, Reason(writer.Error())};
  return {std::make_unique<PosixReplacement>(std::move(writer)), {}};
}

bool StandardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace platform
