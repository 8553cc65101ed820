// The toolkit window as the placement store sees it: the outer top-left corner on the screen
// and the client size, in the window's dialog units, and its minimized state. The window is
// never resizable or maximizable, so its size and maximized state are reported and never
// changed.
#pragma once

#include "app/placement_window.h"
#include "toolkit/window.h"

namespace window {

class PlacementAdapter final : public app::PlacementWindow {
 public:
  // `window` must outlive the adapter.
  explicit PlacementAdapter(toolkit::Window& window) : window_(window) {}

  int32_t MaximizedState() const override;
  void SetMaximizedState(int32_t state) override;
  int32_t MinimizedState() const override;
  void SetMinimizedState(int32_t state) override;
  int32_t HorizontalPosition() const override;
  void SetHorizontalPosition(int32_t x) override;
  int32_t VerticalPosition() const override;
  void SetVerticalPosition(int32_t y) override;
  int32_t Width() const override;
  void SetWidth(int32_t width) override;
  int32_t Height() const override;
  void SetHeight(int32_t height) override;
  bool IsResizable() const override;

 private:
  toolkit::Window& window_;
};

}  // namespace window
