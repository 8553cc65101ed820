// The private-profile service on Windows, on GetPrivateProfileStringA and
// WritePrivateProfileStringA.
//
// A bare file name would make those functions use the Windows directory, which a standard user
// of current Windows cannot write: the settings would silently never be saved. Such a name
// therefore lives in the user's application data folder, %APPDATA%\Renumera, created by the
// first write. While that file does not exist yet, reads fall back to a file of the same name
// in the Windows directory, where an older installation kept it; the first change copies that
// file over, so that none of its other values are lost. Writes never go to the Windows
// directory.
#include "platform/private_profile.h"

#include <shlobj.h>
#include <windows.h>
// windows.h names the system's win.ini function WriteProfileString, a macro that would rename
// ours.
#undef WriteProfileString

#include <optional>

#include "platform/ini_document.h"

namespace platform {
namespace {

constexpr char kApplicationFolder[] = "Renumera";

// A name with a directory or a drive is used as given.
bool HasDirectory(std::string_view file_name) {
  return file_name.find_first_of("\\/:") != std::string_view::npos;
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// %APPDATA% when the environment names an absolute folder, so that it can be redirected as on
// every Windows program; otherwise the folder the shell keeps for it.
std::optional<std::string> ApplicationDataFolder() {
  char buffer[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("APPDATA", buffer, MAX_PATH);
  if (length > 2 && length < MAX_PATH &&
      (buffer[1] == ':' || (buffer[0] == '\\' && buffer[1] == '\\'))) {
    return std::string(buffer, length);
  }
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
    return std::string(buffer);
  }
  return std::nullopt;
}

std::optional<std::string> WindowsDirectoryFile(std::string_view file_name) {
  char buffer[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return std::string(buffer, length) + "\\" + std::string(file_name);
}

struct Location {
  std::string path;
  std::string folder_to_create;       // the application's folder, for a bare name
  std::optional<std::string> legacy;  // the same name in the Windows directory, for a bare name
};

std::optional<Location> Locate(std::string_view file_name) {
  if (file_name.empty() || file_name.find('\0') != std::string_view::npos) return std::nullopt;
  if (HasDirectory(file_name)) return Location{std::string(file_name), {}, std::nullopt};
  const std::optional<std::string> data = ApplicationDataFolder();
  if (!data) return std::nullopt;
  std::string folder = *data + "\\" + kApplicationFolder;
  std::string path = folder + "\\" + std::string(file_name);
  return Location{std::move(path), std::move(folder), WindowsDirectoryFile(file_name)};
}

// The file reads come from: the per-user file, or while it does not exist the old one.
const std::string& ReadPath(const Location& location) {
  if (location.legacy && !IsFile(location.path) && IsFile(*location.legacy)) {
    return *location.legacy;
  }
  return location.path;
}

std::string ReadFrom(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view default_value) {
  char buffer[kProfileValueLimit + 1];
  const DWORD length = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(default_value).c_str(),
      buffer, sizeof buffer, path.c_str());
  return std::string(buffer, length);
}

// Makes the per-user file ready for a change: its folder exists, and an old file in the
// Windows directory has been carried over.
bool PrepareForChange(const Location& location) {
  if (location.folder_to_create.empty() || IsFile(location.path)) return true;
  if (!CreateDirectoryA(location.folder_to_create.c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS) {
    return false;
  }
  if (location.legacy && IsFile(*location.legacy)) {
    return CopyFileA(location.legacy->c_str(), location.path.c_str(), TRUE) ||
           GetLastError() == ERROR_FILE_EXISTS;
  }
  return true;
}

// What the file format can hold, by the rules of our own INI engine: the system functions
// would write a line break into the file and so change other keys.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  return IniDocument::Parse({})->Write(section, key, value) != EditResult::kRefused;
}

bool IsAskable(std::string_view section, std::string_view key) {
  return !section.empty() && !key.empty() && section.find('\0') == std::string_view::npos &&
         key.find('\0') == std::string_view::npos;
}

// Whether the key is in the file reads come from. A missing key gives the default, so two
// different defaults both coming back mean the key is missing.
bool HoldsKey(const Location& location, std::string_view section, std::string_view key) {
  const std::string& path = ReadPath(location);
  return IsFile(path) && (ReadFrom(path, section, key, "\x01") != "\x01" ||
                          ReadFrom(path, section, key, "\x02") != "\x02");
}

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view default_value, std::string_view file_name) {
  const std::optional<Location> location = Locate(file_name);
  if (!location || !IsAskable(section, key)) {
    // The default, as the system functions give it for a missing key.
    return IniDocument::Parse({})->Read("-", "-", default_value);
  }
  return ReadFrom(ReadPath(*location), section, key,
                  default_value.substr(0, default_value.find('\0')));
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file_name) {
  const std::optional<Location> location = Locate(file_name);
  if (!location || !IsWritable(section, key, value)) return false;
  if (HoldsKey(*location, section, key) &&
      ReadFrom(ReadPath(*location), section, key, {}) == value) {
    return true;
  }
  if (!PrepareForChange(*location)) return false;
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), location->path.c_str()) != 0;
}

bool DeleteProfileKey(std::string_view section, std::string_view key, std::string_view file_name) {
  const std::optional<Location> location = Locate(file_name);
  if (!location) return false;
  if (!IsAskable(section, key) || !HoldsKey(*location, section, key)) return true;
  if (!PrepareForChange(*location)) return false;
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), nullptr,
                                    location->path.c_str()) != 0;
}

}  // namespace platform
