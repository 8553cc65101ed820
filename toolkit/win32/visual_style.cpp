#include "toolkit/win32/visual_style.h"

#include "toolkit/visual_style_support.h"

namespace toolkit::win32 {
namespace {

// vsstyle.h: the EDIT class's text part and its states.
constexpr int kEditText = 1;
constexpr int kEditTextNormal = 1;
constexpr int kEditTextFocused = 5;
// The border of the edit-text part is one pixel; the toolkit's field border is two, and the
// inner pixel is the field's background, as the part paints it.
constexpr int kFieldBorder = 2;

template <typename Function>
Function Lookup(platform::DynamicLibrary& library, std::string_view name) {
  return reinterpret_cast<Function>(library.Function(name));
}

}  // namespace

VisualStyle::VisualStyle() {
  library_ = platform::LoadDynamicLibrary(kVisualStyleLibrary);
  if (library_ == nullptr) return;
  open_ = Lookup<OpenThemeDataFunction>(*library_, "OpenThemeData");
  close_ = Lookup<CloseThemeDataFunction>(*library_, "CloseThemeData");
  draw_ = Lookup<DrawThemeBackgroundFunction>(*library_, "DrawThemeBackground");
  is_active_ = Lookup<IsThemeActiveFunction>(*library_, "IsThemeActive");
  if (open_ == nullptr || close_ == nullptr || draw_ == nullptr || is_active_ == nullptr) {
    library_.reset();
  }
}

VisualStyle::~VisualStyle() {
  Close();
}

void VisualStyle::Attach(HWND window) {
  Close();
  window_ = window;
}

void VisualStyle::Reset() {
  Close();
}

void VisualStyle::Close() {
  if (theme_ != nullptr) close_(theme_);
  theme_ = nullptr;
  tried_ = false;
}

bool VisualStyle::DrawEditBorder(HDC dc, Rect bounds, bool focused) {
  if (library_ == nullptr || window_ == nullptr || dc == nullptr) return false;
  if (!tried_) {
    tried_ = true;
    // OpenThemeData gives nothing when the user runs without visual styles.
    if (is_active_()) theme_ = open_(window_, L"Edit");
  }
  if (theme_ == nullptr) return false;
  if (bounds.width <= 2 * kFieldBorder || bounds.height <= 2 * kFieldBorder) return false;
  const RECT outer{bounds.x, bounds.y, bounds.x + bounds.width, bounds.y + bounds.height};
  // The part fills its inside too: the field's text there is kept out of the clip.
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, outer.left + kFieldBorder, outer.top + kFieldBorder,
                  outer.right - kFieldBorder, outer.bottom - kFieldBorder);
  const HRESULT drawn =
      draw_(theme_, dc, kEditText, focused ? kEditTextFocused : kEditTextNormal, &outer, nullptr);
  RestoreDC(dc, saved);
  return SUCCEEDED(drawn);
}

}  // namespace toolkit::win32
