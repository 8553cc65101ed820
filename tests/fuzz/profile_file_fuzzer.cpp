// The INI file side: one write or delete through the private-profile service on a file of any
// bytes, with one of its system calls failing as the input chooses. The replacement must be
// atomic: at every system call the file holds either its old bytes or the complete new ones;
// afterwards it holds the new bytes exactly when the call reports success, the old ones
// otherwise, and no temporary file is left beside it.
//
// The input: the number of the wrapped call to fail (0: none), how it fails, a byte of flags
// (bit 0: the file exists, bit 1: delete instead of write), then the section, the key and the
// value, each a line ended by LF, then the file's bytes.
#include <dirent.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"
#include "platform/private_profile.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" {
int __real_open(const char* path, int flags, ...);
ssize_t __real_write(int fd, const void* data, size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __real_fchmod(int fd, mode_t mode);
int __real_mkdir(const char* path, mode_t mode);
}

namespace {

using fuzz::Require;

constexpr std::string_view kFileName = "Renumera.INI";

// The plan of one operation: which wrapped call fails and how, and the two states the file may
// be in meanwhile.
struct Plan {
  bool armed = false;
  int calls = 0;
  int fail_at = 0;
  unsigned char how = 0;
  std::string directory;
  std::string path;
  std::optional<std::string> old_bytes;  // nothing: no file
  std::string new_bytes;
};
Plan plan;

std::optional<std::string> ReadFile(const std::string& path) {
  const int fd = __real_open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
  __real_close(fd);
  return bytes;
}

std::vector<std::string> DirectoryEntries(const std::string& directory) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(directory.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
  }
  return names;
}

// Every wrapped call of the operation first checks the file, then says whether it fails, with
// what errno, and (for a write) after how many bytes.
struct Failure {
  bool fails = false;
  int error = 0;
};

Failure Intercept() {
  if (!plan.armed) return {};
  const std::optional<std::string> now = ReadFile(plan.path);
  Require(now == plan.old_bytes || now == plan.new_bytes,
          "at every moment the file is either the old one or the complete new one");
  if (++plan.calls != plan.fail_at) return {};
  static constexpr int kErrors[] = {EIO, ENOSPC, EINTR, EEXIST, EACCES, EDQUOT, EROFS, EPERM};
  return {true, kErrors[plan.how % std::size(kErrors)]};
}

}  // namespace

extern "C" {

int __wrap_open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    va_list args;
    va_start(args, flags);
    mode = va_arg(args, mode_t);
    va_end(args);
  }
  if (const Failure failure = Intercept(); failure.fails) {
    errno = failure.error;
    return -1;
  }
  return __real_open(path, flags, mode);
}

ssize_t __wrap_write(int fd, const void* data, size_t size) {
  if (const Failure failure = Intercept(); failure.fails) {
    // Some failures come after part of the data was written: a short write first.
    if ((plan.how & 0x80) != 0 && size > 1) return __real_write(fd, data, size / 2);
    if ((plan.how & 0x40) != 0) return 0;
    errno = failure.error;
    return -1;
  }
  return __real_write(fd, data, size);
}

int __wrap_fsync(int fd) {
  if (const Failure failure = Intercept(); failure.fails) {
    errno = failure.error;
    return -1;
  }
  return __real_fsync(fd);
}

int __wrap_close(int fd) {
  if (const Failure failure = Intercept(); failure.fails) {
    // Linux releases the descriptor even when close reports an error.
    __real_close(fd);
    errno = failure.error;
    return -1;
  }
  return __real_close(fd);
}

int __wrap_rename(const char* from, const char* to) {
  if (const Failure failure = Intercept(); failure.fails) {
    errno = failure.error;
    return -1;
  }
  return __real_rename(from, to);
}

int __wrap_fchmod(int fd, mode_t mode) {
  if (const Failure failure = Intercept(); failure.fails) {
    errno = failure.error;
    return -1;
  }
  return __real_fchmod(fd, mode);
}

int __wrap_mkdir(const char* path, mode_t mode) {
  if (const Failure failure = Intercept(); failure.fails) {
    errno = failure.error;
    return -1;
  }
  return __real_mkdir(path, mode);
}

int LLVMFuzzerInitialize(int*, char***) {
  static std::string root = std::string(::getenv("TMPDIR") ? ::getenv("TMPDIR") : "/tmp") +
                            "/renumera-profile-fuzz-XXXXXX";
  Require(::mkdtemp(root.data()) != nullptr, "a temporary settings directory can be made");
  ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
  plan.directory = root + "/renumera";
  plan.path = plan.directory + "/" + std::string(kFileName);
  std::atexit([] {
    ::unlink(plan.path.c_str());
    ::rmdir(plan.directory.c_str());
    ::rmdir(root.c_str());
  });
  return 0;
}

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.size() < 3) return 0;
  const int fail_at = static_cast<unsigned char>(input[0]) % 16;
  const auto how = static_cast<unsigned char>(input[1]);
  const bool has_file = (input[2] & 1) != 0;
  const bool deletes = (input[2] & 2) != 0;
  input.remove_prefix(3);
  const auto line = [&input] {
    const std::size_t end = input.find('\n');
    const std::string_view taken = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return std::string(taken);
  };
  const std::string section = line();
  const std::string key = line();
  const std::string value = line();
  const std::string bytes(input);

  // Each run starts from its own file, or none (with or without the settings directory).
  ::unlink(plan.path.c_str());
  if (has_file || (how & 0x20) != 0) __real_mkdir(plan.directory.c_str(), 0700);
  if (has_file) {
    const int fd = __real_open(plan.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0 &&
                __real_write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
            "the starting file can be written");
    __real_close(fd);
  }

  // What a successful edit leaves, worked out on the document in memory.
  std::optional<platform::IniDocument> document =
      platform::IniDocument::Parse(has_file ? std::string_view(bytes) : std::string_view());
  std::optional<std::string> expected;
  bool edit_fails = !document.has_value();
  if (document) {
    const platform::EditResult result =
        deletes ? document->Delete(section, key) : document->Write(section, key, value);
    edit_fails = result == platform::EditResult::kRefused;
    if (result == platform::EditResult::kChanged) expected = document->Serialize();
  }

  plan.old_bytes = has_file ? std::optional<std::string>(bytes) : std::nullopt;
  plan.new_bytes = expected.value_or(bytes);
  plan.calls = 0;
  plan.fail_at = fail_at;
  plan.how = how;
  plan.armed = true;
  const bool done = deletes ? platform::DeleteProfileKey(section, key, kFileName)
                            : platform::WriteProfileString(section, key, value, kFileName);
  plan.armed = false;

  const std::optional<std::string> now = ReadFile(plan.path);
  if (edit_fails) {
    Require(!done, "an edit the file cannot hold fails");
  }
  if (done && expected) {
    Require(now == expected, "a successful edit leaves the complete new file");
  } else {
    Require(now == plan.old_bytes, "a failed or empty edit leaves the file as it was");
  }
  if (!done && !edit_fails) {
    Require(fail_at != 0 && plan.calls >= fail_at, "an edit fails only when a system call does");
  }
  for (const std::string& name : DirectoryEntries(plan.directory)) {
    Require(name == kFileName, "no temporary file is left beside the file");
  }
  return 0;
}

}  // extern "C"
