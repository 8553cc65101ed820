#include "toolkit/win32/painter.h"

#include <string>

#include "toolkit/win32/icon_handles.h"
#include "toolkit/win32/wide_text.h"

namespace toolkit::win32 {
namespace {

COLORREF ColorRefOf(Color color) {
  return RGB(color.r, color.g, color.b);
}

}  // namespace

Painter::~Painter() {
  Attach(nullptr, {});
}

void Painter::Attach(HWND window, Size size) {
  if (window_dc_ != nullptr) End();
  ReleaseBuffer();
  window_ = window;
  size_ = size;
  style_.Attach(window);
}

void Painter::SetBackBuffer(bool enabled) {
  back_buffer_ = enabled;
  if (!enabled) ReleaseBuffer();
}

void Painter::ReleaseBuffer() {
  if (buffer_dc_ != nullptr) {
    SelectObject(buffer_dc_, buffer_original_);
    DeleteDC(buffer_dc_);
  }
  if (buffer_ != nullptr) DeleteObject(buffer_);
  buffer_dc_ = nullptr;
  buffer_ = nullptr;
  buffer_original_ = nullptr;
}

void Painter::Begin() {
  if (window_ == nullptr || window_dc_ != nullptr) return;
  window_dc_ = GetDC(window_);
  if (window_dc_ == nullptr) return;
  target_ = window_dc_;
  if (back_buffer_ && buffer_dc_ == nullptr) {
    buffer_dc_ = CreateCompatibleDC(window_dc_);
    buffer_ = CreateCompatibleBitmap(window_dc_, size_.width, size_.height);
    if (buffer_dc_ != nullptr && buffer_ != nullptr) {
      buffer_original_ = SelectObject(buffer_dc_, buffer_);
    } else {
      ReleaseBuffer();  // drawn straight to the window instead
    }
  }
  if (back_buffer_ && buffer_dc_ != nullptr) target_ = buffer_dc_;
  SetBkMode(target_, TRANSPARENT);
  SetTextAlign(target_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
}

void Painter::End() {
  if (window_dc_ == nullptr) return;
  if (target_ == buffer_dc_) {
    BitBlt(window_dc_, 0, 0, size_.width, size_.height, buffer_dc_, 0, 0, SRCCOPY);
  }
  ReleaseDC(window_, window_dc_);
  window_dc_ = nullptr;
  target_ = nullptr;
}

void Painter::FillRect(Rect rect, Color color) {
  if (target_ == nullptr || rect.width <= 0 || rect.height <= 0) return;
  const RECT area{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  SetDCBrushColor(target_, ColorRefOf(color));
  ::FillRect(target_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Painter::DrawText(FontHandle font, Point top_left, std::string_view text, Color color) {
  const LoadedFont* loaded = fonts_.Find(font);
  if (target_ == nullptr || loaded == nullptr || text.empty()) return;
  const std::wstring wide = WideOf(loaded->code_page, text);
  const HGDIOBJ original = SelectObject(target_, loaded->handle);
  SetTextColor(target_, ColorRefOf(color));
  ExtTextOutW(target_, top_left.x, top_left.y, 0, nullptr, wide.data(),
              static_cast<UINT>(wide.size()), nullptr);
  SelectObject(target_, original);
}

void Painter::DrawIcon(const platform::IconImage& image, Point top_left) {
  if (target_ == nullptr) return;
  // Made for each paint: a window shows two small images, and a handle kept per image would
  // outlive the image it was made from.
  HICON icon = IconHandleOf(image);
  if (icon == nullptr) return;
  DrawIconEx(target_, top_left.x, top_left.y, icon, image.width, image.height, 0, nullptr,
             DI_NORMAL);
  DestroyIcon(icon);
}

bool Painter::DrawEditBorder(Rect bounds, bool focused) {
  return target_ != nullptr && style_.DrawEditBorder(target_, bounds, focused);
}

}  // namespace toolkit::win32
