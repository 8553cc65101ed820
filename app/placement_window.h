// What the window placement store needs of a window. The main window implements it on the
// toolkit's window; tests implement it with a fake.
#pragma once

#include <cstdint>

namespace app {

// States are numbers, nonzero meaning yes. Positions and sizes are those of the window
// itself, in the units of its definition.
class PlacementWindow {
 public:
  virtual ~PlacementWindow() = default;

  virtual int32_t MaximizedState() const = 0;
  // 0 restores a maximized window, nonzero maximizes it.
  virtual void SetMaximizedState(int32_t state) = 0;
  virtual int32_t MinimizedState() const = 0;
  virtual void SetMinimizedState(int32_t state) = 0;

  virtual int32_t HorizontalPosition() const = 0;
  virtual void SetHorizontalPosition(int32_t x) = 0;
  virtual int32_t VerticalPosition() const = 0;
  virtual void SetVerticalPosition(int32_t y) = 0;
  virtual int32_t Width() const = 0;
  virtual void SetWidth(int32_t width) = 0;
  virtual int32_t Height() const = 0;
  virtual void SetHeight(int32_t height) = 0;

  virtual bool IsResizable() const = 0;
};

}  // namespace app
