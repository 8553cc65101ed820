#include "toolkit/settings.h"

#include <string>

namespace toolkit {
namespace {

// The platform's standard icon size at 96 dpi, the size of a window's class icon.
constexpr int kSystemIconSize = 32;

}  // namespace

void ToolkitSettings::SetDefaultCharset(int charset) {
  if (charset == kDefaultCharset) return;
  default_charset_ = charset;
}

FontSpec ToolkitSettings::Resolve(FontSpec wanted) const {
  if (wanted.charset == kDefaultCharset) wanted.charset = default_charset_;
  return wanted;
}

FontSpec ToolkitSettings::Standard(StandardFont which) const {
  // Both standard fonts are requested with the default character set, so a change of the
  // setting reaches them at once.
  switch (which) {
    case StandardFont::Tips:
      return Resolve({"Tahoma", 8, 400, kDefaultCharset});
    case StandardFont::Default:
      return Resolve({"MS Sans Serif", 8, 400, kDefaultCharset});
  }
  return Resolve({});
}

bool ToolkitSettings::SetDefaultApplicationIcon(std::string_view path) {
  // The icon set before goes first, whether or not the new one loads.
  system_icon_.reset();
  system_icon_ = platform::LoadSystemIcon(std::string(path), kSystemIconSize);
  auto images = platform::LoadIconFile(std::string(path));
  icon_ = images ? std::move(*images) : std::vector<platform::IconImage>{};
  return images.has_value();
}

void ToolkitSettings::SetDefaultApplicationIcon(std::vector<platform::IconImage> images) {
  system_icon_.reset();
  icon_ = std::move(images);
}

ToolkitSettings& Settings() {
  static ToolkitSettings settings;
  return settings;
}

}  // namespace toolkit
