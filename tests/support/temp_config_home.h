// A private settings directory for one test: the variable that places the settings of a bare
// INI file name (XDG_CONFIG_HOME on posix, APPDATA on Windows) points into a fresh temporary
// directory for the test's lifetime, so that no test reads or writes the real home.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace testing_support {

// What differs between the systems (tests/support/posix, tests/support/win32).
struct SettingsHomeRules {
  const char* variable;  // names the folder that holds the program's settings folder
  const char* folder;    // the program's settings folder inside it
};
const SettingsHomeRules& ThisSystemSettingsHome();
std::optional<std::string> GetEnvironment(const char* name);
void SetEnvironment(const char* name, const std::optional<std::string>& value);

class TempConfigHome {
 public:
  TempConfigHome() {
    std::random_device seed;
    std::mt19937 random(seed());
    // create_directory is false for a name that is already taken: try the next.
    do {
      root_ =
          std::filesystem::temp_directory_path() / ("renumera-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(root_));
    saved_ = GetEnvironment(Rules().variable);
    SetEnvironment(Rules().variable, root_.string());
  }
  TempConfigHome(const TempConfigHome&) = delete;
  TempConfigHome& operator=(const TempConfigHome&) = delete;
  ~TempConfigHome() {
    SetEnvironment(Rules().variable, saved_);
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
  std::filesystem::path SettingsDir() const { return root_ / Rules().folder; }

 private:
  static const SettingsHomeRules& Rules() { return ThisSystemSettingsHome(); }

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
