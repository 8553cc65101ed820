// Gives a window's entry fields the look of the platform's visual style: a white background,
// a flat face and an edit-box border drawn after every paint of the field. Attached only
// where visual styles can be used; otherwise every control keeps its classic look.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/visual_style_support.h"
#include "toolkit/window.h"

namespace toolkit {

class VisualStyleAdapter {
 public:
  VisualStyleAdapter() = default;  // detached, with empty lists
  ~VisualStyleAdapter() { Detach(); }
  VisualStyleAdapter(const VisualStyleAdapter&) = delete;
  VisualStyleAdapter& operator=(const VisualStyleAdapter&) = delete;

  // 1: give the window the button-face colour when its client area is erased while it has
  // no background colour of its own.
  uint8_t BSETWNDCOLOR = 0;
  // 1 would colour an application frame; windows of this toolkit have none, so it is kept
  // for the settings' sake and changes nothing.
  uint8_t BSETAPPFRAMECOLOR = 0;
  // The colour BSETWNDCOLOR gives: 0 the button-face colour; other styles leave the window
  // as it is.
  uint8_t COLORSTYLE = 0;

  // Attaches to an open window when `support` says visual styles can be used; false (and
  // still detached) otherwise. `window` must outlive the attachment.
  bool Attach(Window& window, VisualStyleSupport& support);
  // Puts back every drawing replacement and drops the per-control adapters.
  void Detach();
  bool IsAttached() const { return window_ != nullptr; }
  // The numbers of the controls that have a per-control adapter.
  const std::vector<int>& AdaptedControls() const { return adapted_; }

 private:
  void EraseBackground();

  Window* window_ = nullptr;
  std::vector<int> adapted_;
};

}  // namespace toolkit
