#include "window/placement_adapter.h"

namespace window {

int32_t PlacementAdapter::MaximizedState() const {
  return window_.IsMaximized() ? 1 : 0;
}

void PlacementAdapter::SetMaximizedState(int32_t state) {
  window_.SetMaximized(state != 0);
}

int32_t PlacementAdapter::MinimizedState() const {
  return window_.IsMinimized() ? 1 : 0;
}

void PlacementAdapter::SetMinimizedState(int32_t state) {
  window_.SetMinimized(state != 0);
}

int32_t PlacementAdapter::HorizontalPosition() const {
  return window_.PositionDlu().x;
}

void PlacementAdapter::SetHorizontalPosition(int32_t x) {
  window_.SetHorizontalPositionDlu(x);
}

int32_t PlacementAdapter::VerticalPosition() const {
  return window_.PositionDlu().y;
}

void PlacementAdapter::SetVerticalPosition(int32_t y) {
  window_.SetVerticalPositionDlu(y);
}

int32_t PlacementAdapter::Width() const {
  return window_.SizeDlu().width;
}

// The window keeps the size of its definition.
void PlacementAdapter::SetWidth(int32_t) {}

int32_t PlacementAdapter::Height() const {
  return window_.SizeDlu().height;
}

void PlacementAdapter::SetHeight(int32_t) {}

bool PlacementAdapter::IsResizable() const {
  return window_.IsResizable();
}

}  // namespace window
