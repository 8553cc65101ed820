// Icons that the operating system itself loads from an icon file, for a window system that
// shows such icons in the caption and the task bar (Windows). Where the system has no such
// service the answer is nothing, and the toolkit draws from our own reading of the file.
#pragma once

#include <memory>
#include <string>

namespace platform {

class SystemIcon {
 public:
  virtual ~SystemIcon() = default;  // releases the icon
  // The system's handle of the icon (an HICON on Windows), owned by this object.
  virtual void* Handle() const = 0;
};

// The icon of the file at `path` (Windows-1251) closest to `size` x `size` pixels, or nothing
// when the system has no such service or the file is no icon file it can read.
std::unique_ptr<SystemIcon> LoadSystemIcon(const std::string& path, int size);

}  // namespace platform
