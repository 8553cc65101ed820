// A private settings directory for one test: XDG_CONFIG_HOME points into a fresh temporary
// directory for the test's lifetime, so that no test reads or writes the real home.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

class TempConfigHome {
 public:
  TempConfigHome() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "renumera-test-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    if (const char* old = ::getenv("XDG_CONFIG_HOME")) saved_ = old;
    ::setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
  }
  TempConfigHome(const TempConfigHome&) = delete;
  TempConfigHome& operator=(const TempConfigHome&) = delete;
  ~TempConfigHome() {
    if (saved_) {
      ::setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
    // Tests take permissions away; give them back so that everything can be removed.
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root_, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      if (!it->is_symlink()) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
      }
    }
    std::filesystem::remove_all(root_, error);
  }

  const std::filesystem::path& Root() const { return root_; }
  // Where a file name without a directory is kept.
  std::filesystem::path SettingsDir() const { return root_ / "renumera"; }

 private:
  std::filesystem::path root_;
  std::optional<std::string> saved_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support
