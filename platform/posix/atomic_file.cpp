#include "platform/posix/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <utility>

namespace platform::posix {
namespace {

// The kernel's own limit on links followed while resolving one path.
constexpr int kMaxSymlinkHops = 40;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  bool Valid() const { return fd_ >= 0; }
  // Closing reports the last write errors on some file systems, so it is checked.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A hidden name in the same directory, so that the rename stays within one file system.
// The base name is shortened to keep the temporary name within NAME_MAX.
FileDescriptor CreateTemporaryBeside(const std::string& path, std::string* temporary_path) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix =
      DirectoryOf(path) + "/." + BaseNameOf(path).substr(0, 64) + "." + std::to_string(getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary_path = prefix + "-" + std::to_string(counter++) + ".tmp";
    const int fd = ::open(temporary_path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
  }
  return FileDescriptor(-1);
}

void SyncDirectory(const std::string& directory) {
  FileDescriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

}  // namespace

FileContents ReadRegularFile(const std::string& path) {
  FileContents contents{FileContents::Status::kFailed, {}, 0};
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.Valid()) {
    if (errno == ENOENT || errno == ENOTDIR) contents.status = FileContents::Status::kMissing;
    return contents;
  }
  struct stat info;
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return contents;

  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return contents;
    if (got == 0) break;
    if (contents.bytes.size() + static_cast<std::size_t>(got) > kFileSizeLimit) {
      contents.bytes.clear();
      return contents;
    }
    contents.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  contents.status = FileContents::Status::kRead;
  contents.mode = info.st_mode & 07777;
  return contents;
}

std::optional<std::string> FollowSymlinks(std::string path) {
  for (int hop = 0; hop <= kMaxSymlinkHops; ++hop) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT) return path;
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return path;

    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    // A link that changed length between lstat and readlink is read again on the next hop.
    if (length < 0) return std::nullopt;
    if (static_cast<std::size_t>(length) >= target.size()) continue;
    target.resize(static_cast<std::size_t>(length));
    path = target.starts_with('/') ? target : DirectoryOf(path) + "/" + target;
  }
  return std::nullopt;
}

AtomicFileWriter AtomicFileWriter::Begin(const std::string& path, std::optional<mode_t> mode) {
  std::string temporary_path;
  FileDescriptor fd = CreateTemporaryBeside(path, &temporary_path);
  if (!fd.Valid()) return AtomicFileWriter(path, {}, -1, errno);
  if (mode && ::fchmod(fd.Get(), *mode) != 0) {
    const int error = errno;
    ::unlink(temporary_path.c_str());
    return AtomicFileWriter(path, {}, -1, error);
  }
  return AtomicFileWriter(path, std::move(temporary_path), fd.Release(), 0);
}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : path_(std::move(other.path_)),
      temporary_path_(std::move(other.temporary_path_)),
      fd_(std::exchange(other.fd_, -1)),
      error_(other.error_) {}

AtomicFileWriter::~AtomicFileWriter() {
  Abandon();
}

void AtomicFileWriter::Abandon() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(temporary_path_.c_str());
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  errno = 0;
  if (WriteAll(fd_, bytes)) return true;
  error_ = errno != 0 ? errno : EIO;
  Abandon();
  return false;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  FileDescriptor fd(std::exchange(fd_, -1));
  const bool committed =
      ::fsync(fd.Get()) == 0 && fd.Close() && ::rename(temporary_path_.c_str(), path_.c_str()) == 0;
  if (!committed) {
    error_ = errno;
    ::unlink(temporary_path_.c_str());
    return false;
  }
  // The rename itself is made durable too, or a power cut could bring back the old file.
  SyncDirectory(DirectoryOf(path_));
  return true;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::optional<mode_t> mode) {
  AtomicFileWriter writer = AtomicFileWriter::Begin(path, mode);
  return writer.Write(bytes) && writer.Commit();
}

bool MakeDirectories(const std::string& path, mode_t mode) {
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string prefix = path.substr(0, slash);
    if (!prefix.empty() && ::mkdir(prefix.c_str(), mode) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace platform::posix
