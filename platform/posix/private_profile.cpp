// The private-profile service on POSIX systems, on our own INI engine. A write reads the whole
// file, edits one line and replaces the file atomically; a file that exists but cannot be read
// is never replaced, so that an unreadable file does not turn into one holding a single key.
#include "platform/private_profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "platform/code_page.h"
#include "platform/ini_document.h"
#include "platform/posix/atomic_file.h"

namespace platform {
namespace {

using posix::FileContents;

struct Location {
  std::string path;
  std::string directory_to_create;  // the settings directory, for a name without a directory
};

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

// The XDG base directory rules: $XDG_CONFIG_HOME when it is an absolute path, otherwise
// .config in the home directory.
std::optional<std::string> SettingsDirectory() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); IsAbsolute(config)) {
    return std::string(config) + "/renumera";
  }
  const char* home = std::getenv("HOME");
  if (!IsAbsolute(home)) {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (!IsAbsolute(home)) return std::nullopt;
  return std::string(home) + "/.config/renumera";
}

std::optional<Location> Locate(std::string_view file_name) {
  if (file_name.empty() || file_name.find('\0') != std::string_view::npos) return std::nullopt;
  std::string name = ToUtf8(CodePage::Windows1251, file_name);
  if (name.find('/') != std::string::npos) return Location{std::move(name), {}};
  std::optional<std::string> directory = SettingsDirectory();
  if (!directory) return std::nullopt;
  return Location{*directory + "/" + name, *directory};
}

IniDocument EmptyDocument() {
  return *IniDocument::Parse({});
}

template <typename Edit>
bool EditProfile(std::string_view file_name, Edit edit) {
  const std::optional<Location> location = Locate(file_name);
  if (!location) return false;
  // Through a symbolic link the file it points to is replaced, not the link.
  const std::optional<std::string> target = posix::FollowSymlinks(location->path);
  if (!target) return false;
  const FileContents file = posix::ReadRegularFile(*target);
  if (file.status == FileContents::Status::kFailed) return false;
  std::optional<IniDocument> document = IniDocument::Parse(file.bytes);
  if (!document) return false;

  switch (edit(*document)) {
    case EditResult::kRefused:
      return false;
    case EditResult::kUnchanged:
      return true;
    case EditResult::kChanged:
      break;
  }
  if (!location->directory_to_create.empty() &&
      !posix::MakeDirectories(location->directory_to_create, 0700)) {
    return false;
  }
  const std::optional<mode_t> mode =
      file.status == FileContents::Status::kRead ? std::optional<mode_t>(file.mode) : std::nullopt;
  return posix::ReplaceFileAtomically(*target, document->Serialize(), mode);
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view default_value, std::string_view file_name) {
  std::optional<IniDocument> document;
  if (const std::optional<Location> location = Locate(file_name)) {
    const FileContents file = posix::ReadRegularFile(location->path);
    if (file.status == FileContents::Status::kRead) document = IniDocument::Parse(file.bytes);
  }
  return (document ? *document : EmptyDocument()).Read(section, key, default_value);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file_name) {
  return EditProfile(file_name,
                     [&](IniDocument& document) { return document.Write(section, key, value); });
}

bool DeleteProfileKey(std::string_view section, std::string_view key, std::string_view file_name) {
  return EditProfile(file_name,
                     [&](IniDocument& document) { return document.Delete(section, key); });
}

}  // namespace platform
