// Process-wide toolkit settings: the character set of fonts that name none, and the default
// application icon. Changed at start-up, before the first window opens.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/icon_file.h"
#include "platform/system_icon.h"
#include "toolkit/font.h"

namespace toolkit {

enum class StandardFont { Tips, Default };

class ToolkitSettings {
 public:
  // The character set a font request with kDefaultCharset gets. kDefaultCharset itself and
  // the value in force leave the setting unchanged; any other value takes effect at once,
  // for the standard fonts too.
  void SetDefaultCharset(int charset);
  int DefaultCharset() const { return default_charset_; }
  // The request with kDefaultCharset replaced by the default character set.
  FontSpec Resolve(FontSpec wanted) const;

  // The toolkit's two standard 8-point fonts, with their character set resolved.
  FontSpec Standard(StandardFont which) const;

  // Loads the icon file at `path` (relative to the working directory) as the default
  // application icon, replacing the one before. When the file does not load there is no
  // default application icon afterwards, and the result is false.
  bool SetDefaultApplicationIcon(std::string_view path);
  void SetDefaultApplicationIcon(std::vector<platform::IconImage> images);
  // Empty when there is none.
  const std::vector<platform::IconImage>& DefaultApplicationIcon() const { return icon_; }
  // The same file as the operating system loads it itself, where it does (Windows); nullptr
  // elsewhere, when the file does not load, or when the images were given rather than a file.
  const platform::SystemIcon* DefaultApplicationSystemIcon() const { return system_icon_.get(); }

 private:
  int default_charset_ = 0;
  std::vector<platform::IconImage> icon_;
  // Shared, so that the settings stay copyable (tests save and restore them).
  std::shared_ptr<const platform::SystemIcon> system_icon_;
};

// The settings of this process.
ToolkitSettings& Settings();

}  // namespace toolkit
