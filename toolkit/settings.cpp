#include "toolkit/settings.h"

#include <string>

namespace toolkit {

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
  auto images = platform::LoadIconFile(std::string(path));
  icon_ = images ? std::move(*images) : std::vector<platform::IconImage>{};
  return images.has_value();
}

void ToolkitSettings::SetDefaultApplicationIcon(std::vector<platform::IconImage> images) {
  icon_ = std::move(images);
}

ToolkitSettings& Settings() {
  static ToolkitSettings settings;
  return settings;
}

}  // namespace toolkit
