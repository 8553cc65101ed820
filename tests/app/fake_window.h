// A window for the placement store's tests: plain state, and a log of every change made to
// it, in order, such as "max=0 x=5 y=6 min=0".
#pragma once

#include <functional>
#include <string>

#include "app/placement_window.h"

namespace app {

class FakeWindow : public PlacementWindow {
 public:
  int32_t maximized = 0;
  int32_t minimized = 0;
  int32_t x = 100;
  int32_t y = 50;
  int32_t width = 200;
  int32_t height = 120;
  bool resizable = false;
  std::string changes;
  // Called on every change, to look at the store while it works on the window.
  std::function<void()> on_change;

  int32_t MaximizedState() const override { return maximized; }
  void SetMaximizedState(int32_t state) override { Change(maximized, state, "max"); }
  int32_t MinimizedState() const override { return minimized; }
  void SetMinimizedState(int32_t state) override { Change(minimized, state, "min"); }
  int32_t HorizontalPosition() const override { return x; }
  void SetHorizontalPosition(int32_t value) override { Change(x, value, "x"); }
  int32_t VerticalPosition() const override { return y; }
  void SetVerticalPosition(int32_t value) override { Change(y, value, "y"); }
  int32_t Width() const override { return width; }
  void SetWidth(int32_t value) override { Change(width, value, "w"); }
  int32_t Height() const override { return height; }
  void SetHeight(int32_t value) override { Change(height, value, "h"); }
  bool IsResizable() const override { return resizable; }

 private:
  void Change(int32_t& field, int32_t value, const char* name) {
    field = value;
    if (!changes.empty()) changes += ' ';
    changes += std::string(name) + "=" + std::to_string(value);
    if (on_change) on_change();
  }
};

}  // namespace app
