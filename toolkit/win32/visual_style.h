// The edit-box border of the platform's visual style, drawn by the visual-styles library
// itself (OpenThemeData "Edit", DrawThemeBackground), loaded at run time so that the program
// also starts where the library is missing.
//
// Supports: the normal and the focused state of the edit-text part, the theme opened again
// after WM_THEMECHANGED. Where the library or the theme is missing, Draw reports false and the
// toolkit draws its own border.
#pragma once

#include <memory>

#include "platform/dynamic_library.h"
#include "toolkit/geometry.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

class VisualStyle {
 public:
  VisualStyle();
  ~VisualStyle();
  VisualStyle(const VisualStyle&) = delete;
  VisualStyle& operator=(const VisualStyle&) = delete;

  // The window whose theme data is opened; nullptr closes it.
  void Attach(HWND window);
  // The theme changed: the data is opened again when next drawn.
  void Reset();
  // Draws the two-pixel border of `bounds` and leaves the inside alone; false when there is
  // no theme to draw it with.
  bool DrawEditBorder(HDC dc, Rect bounds, bool focused);

 private:
  using ThemeHandle = void*;
  using OpenThemeDataFunction = ThemeHandle(WINAPI*)(HWND, LPCWSTR);
  using CloseThemeDataFunction = HRESULT(WINAPI*)(ThemeHandle);
  using DrawThemeBackgroundFunction = HRESULT(WINAPI*)(ThemeHandle, HDC, int, int, const RECT*,
                                                       const RECT*);
  using IsThemeActiveFunction = BOOL(WINAPI*)();

  void Close();

  std::unique_ptr<platform::DynamicLibrary> library_;
  OpenThemeDataFunction open_ = nullptr;
  CloseThemeDataFunction close_ = nullptr;
  DrawThemeBackgroundFunction draw_ = nullptr;
  IsThemeActiveFunction is_active_ = nullptr;
  HWND window_ = nullptr;
  ThemeHandle theme_ = nullptr;
  bool tried_ = false;
};

}  // namespace toolkit::win32
