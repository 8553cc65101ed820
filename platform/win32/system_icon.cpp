// Icons loaded by LoadImageA with LR_LOADFROMFILE. The file is first read by our own bounded
// icon reader: a file that it refuses (truncated, or with entries that point outside it) is
// never handed to the system, so a broken file is simply no icon.
#include "platform/system_icon.h"

#include <windows.h>

#include "platform/icon_file.h"

namespace platform {
namespace {

class WindowsIcon final : public SystemIcon {
 public:
  explicit WindowsIcon(HICON icon) : icon_(icon) {}
  ~WindowsIcon() override { DestroyIcon(icon_); }
  WindowsIcon(const WindowsIcon&) = delete;
  WindowsIcon& operator=(const WindowsIcon&) = delete;

  void* Handle() const override { return icon_; }

 private:
  HICON icon_;
};

}  // namespace

std::unique_ptr<SystemIcon> LoadSystemIcon(const std::string& path, int size) {
  if (size <= 0 || path.find('\0') != std::string::npos || !LoadIconFile(path)) return nullptr;
  // Not LR_SHARED: the system would keep one icon per file name whatever size is asked for,
  // and a shared icon must not be destroyed.
  HANDLE icon = LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
  if (icon == nullptr) return nullptr;
  return std::make_unique<WindowsIcon>(static_cast<HICON>(icon));
}

}  // namespace platform
