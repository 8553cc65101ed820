#include "toolkit/settings.h"

#include <fstream>
#include <string>

namespace toolkit {
namespace {

// Icon files of this program are a few hundred kilobytes at most; anything far larger is not
// an icon file and is not read into memory.
constexpr std::streamsize kMaxIconFileBytes = 16 << 20;

}  // namespace

void ToolkitSettings::SetDefaultCharset(int charset) {
  if (charset == kDefaultCharset) return;
  default_charset_ = charset;
}

FontSpec ToolkitSettings::Resolve(FontSpec spec) const {
  if (spec.charset == kDefaultCharset) spec.charset = default_charset_;
  return spec;
}

FontSpec ToolkitSettings::Standard(StandardFont which) const {
  // Both standard fonts are requested with the default character set, so a change of the
  // setting reaches them at once.
  switch (which) {
    case StandardFont::Tips: return Resolve({"Tahoma", 8, 400, kDefaultCharset});
    case StandardFont::Default: return Resolve({"MS Sans Serif", 8, 400, kDefaultCharset});
  }
  return Resolve({});
}

bool ToolkitSettings::SetDefaultApplicationIcon(std::string_view path) {
  icon_.clear();
  std::ifstream file{std::string(path), std::ios::binary};
  if (!file) return false;
  std::vector<unsigned char> bytes;
  char chunk[4096];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    if (static_cast<std::streamsize>(bytes.size()) + file.gcount() > kMaxIconFileBytes) return false;
    bytes.insert(bytes.end(), chunk, chunk + file.gcount());
  }
  auto images = platform::ReadIconFile(bytes);
  if (!images || images->empty()) return false;
  icon_ = std::move(*images);
  return true;
}

void ToolkitSettings::SetDefaultApplicationIcon(std::vector<platform::IconImage> images) {
  icon_ = std::move(images);
}

ToolkitSettings& Settings() {
  static ToolkitSettings settings;
  return settings;
}

}  // namespace toolkit
