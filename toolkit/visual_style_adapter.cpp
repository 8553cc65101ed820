#include "toolkit/visual_style_adapter.h"

#include "toolkit/edges.h"
#include "toolkit/system_colors.h"

namespace toolkit {
namespace {

// The border colours of an edit box in the platform's standard visual style.
constexpr Color kEditBorder{122, 122, 122};
constexpr Color kEditBorderFocused{0, 120, 215};
constexpr Color kEditBackground{255, 255, 255};

}  // namespace

bool VisualStyleAdapter::Attach(Window& window, VisualStyleSupport& support) {
  if (IsAttached() || !window.IsOpen() || !support.CanUseVisualStyles()) return false;
  window_ = &window;
  for (int number = 1; number <= window.ControlCount(); ++number) {
    if (window.EntryAt(number) == nullptr) continue;
    // No control of a window definition has a background of its own, so every field gets
    // the edit box's white.
    window.SetControlBackground(number, kEditBackground);
    // The field's classic sunken edge is two pixels wide: the outer pixel becomes the
    // style's border and the inner one the field's background, which leaves it flat.
    window.SetPaintOverlay(number, [&window](Canvas& canvas, Control& control) {
      const Rect bounds = control.Bounds();
      const bool focused = window.HasFocus(control.Number());
      if (canvas.DrawStyledEditBorder(bounds, focused)) return;
      DrawFrame(canvas, bounds, focused ? kEditBorderFocused : kEditBorder);
      DrawFrame(canvas, Inset(bounds, 1), control.Background());
    });
    if (adapted_.empty()) window.SetEraseHook([this] { EraseBackground(); });
    adapted_.push_back(number);
  }
  return true;
}

void VisualStyleAdapter::Detach() {
  if (!IsAttached()) return;
  for (const int number : adapted_) window_->SetPaintOverlay(number, {});
  if (!adapted_.empty()) window_->SetEraseHook({});
  adapted_.clear();
  window_ = nullptr;
}

void VisualStyleAdapter::EraseBackground() {
  if (BSETWNDCOLOR == 0 || window_->HasOwnBackground()) return;
  if (COLORSTYLE == 0) window_->SetBackgroundColor(kButtonFace);
}

}  // namespace toolkit
