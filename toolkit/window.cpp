// Building, closing and painting the window, and the services it offers its controls.
#include "toolkit/window.h"

#include <cassert>

#include "toolkit/icons.h"
#include "toolkit/push_button.h"
#include "toolkit/reachable_position.h"
#include "toolkit/settings.h"
#include "toolkit/static_controls.h"
#include "toolkit/system_colors.h"

namespace toolkit {

Window::Window(Backend& backend, const WindowDefinition& definition, EntryFactory entry_factory)
    : backend_(backend), definition_(definition), entry_factory_(std::move(entry_factory)) {}

Window::~Window() {
  Close();
}

bool Window::Open() {
  if (open_) return true;
  background_ = definition_.background;
  window_font_ = FontFor({});
  if (window_font_ == 0) {
    Close();
    return false;
  }
  units_ = DialogUnits(ComputeBaseUnits(backend_.TextWidth(window_font_, kAverageWidthSample),
                                        backend_.GetFontMetrics(window_font_).height));
  FontSpec window_charset;
  window_charset.charset = definition_.font.charset;
  code_page_ = platform::CodePageOfCharset(Settings().Resolve(window_charset).charset);

  NativeWindowSpec wanted;
  wanted.client_size = units_.ToPixels(definition_.client_size);
  wanted.caption = std::string(definition_.caption);
  wanted.code_page = code_page_;
  wanted.icons = WindowIconImages(definition_.icon);
  if (definition_.icon.empty() || !IconResource(definition_.icon)) {
    wanted.system_icon = Settings().DefaultApplicationSystemIcon();
  }
  wanted.background = BackgroundColor();
  wanted.class_name = std::string(definition_.class_name);
  if (!backend_.CreateWindow(wanted)) {
    Close();
    return false;
  }
  native_window_ = true;

  for (const ControlDefinition& control : definition_.controls) {
    if (!CreateControl(control)) {
      Close();
      return false;
    }
  }
  open_ = true;
  UpdateDefaultLook();
  InvalidateAll();
  events_.push_back({WindowEvent::Kind::Opened});
  backend_.ShowWindow();
  return true;
}

void Window::Close() {
  // Controls go first, and out of controls_, so that one that calls its host while it is
  // destroyed finds an empty window rather than a half-destroyed one.
  std::vector<ControlSlot> closing;
  closing.swap(controls_);
  closing.clear();
  for (const auto& [wanted, handle] : fonts_) backend_.DestroyFont(handle);
  fonts_.clear();
  window_font_ = 0;
  if (native_window_) backend_.DestroyWindow();
  native_window_ = false;
  events_.clear();
  focus_ = capture_ = default_button_ = -1;
  active_ = false;
  open_ = false;
}

FontHandle Window::FontFor(const FontOverride& override) {
  const WindowFont& base = definition_.font;
  const FontSpec wanted = Settings().Resolve({
      .face = std::string(override.face.value_or(base.face)),
      .points = override.points.value_or(base.points),
      .weight = override.weight.value_or(base.weight),
      .charset = override.charset.value_or(base.charset),
  });
  for (const auto& [known, handle] : fonts_) {
    if (known == wanted) return handle;
  }
  const FontHandle handle = backend_.CreateFont(wanted);
  // A control font the window system cannot make falls back to the window font.
  if (handle == 0) return window_font_;
  fonts_.emplace_back(wanted, handle);
  return handle;
}

std::optional<Color> Window::ColorFor(const FontOverride& override) const {
  return override.color ? override.color : definition_.font.color;
}

bool Window::CreateControl(const ControlDefinition& definition) {
  const int number = ControlCount() + 1;
  assert(definition.number == number && "control numbers follow the definition order");

  ControlSetup setup;
  setup.number = number;
  setup.font = FontFor(definition.font);
  setup.text_color = ColorFor(definition.font).value_or(kWindowText);
  setup.background = BackgroundColor();

  std::optional<platform::IconImage> image;
  if (definition.kind == ControlKind::Image) {
    image = IconResourceImage(definition.content, kStandardIconSize);
  }
  Size size;
  if (definition.size) {
    size = units_.ToPixels(*definition.size);
  } else if (definition.kind == ControlKind::Image) {
    if (image) size = {image->width, image->height};
  } else {
    size = {backend_.TextWidth(setup.font, definition.content),
            backend_.GetFontMetrics(setup.font).height};
  }
  const Point at = units_.ToPixels(definition.at);
  setup.bounds = {at.x, at.y, size.width, size.height};

  ControlSlot slot;
  slot.kind = definition.kind;
  switch (definition.kind) {
    case ControlKind::StaticText:
      slot.control = std::make_unique<StaticText>(*this, setup, definition.content);
      break;
    case ControlKind::Image:
      slot.control = std::make_unique<ImageControl>(*this, setup, std::move(image));
      break;
    case ControlKind::PushButton:
      slot.control =
          std::make_unique<PushButton>(*this, setup, definition.content, definition.flat);
      if (definition.default_button) default_button_ = number - 1;
      break;
    case ControlKind::EntryField:
      assert(entry_factory_ && "a window with entry fields needs an entry factory");
      if (entry_factory_) slot.control = entry_factory_(*this, setup, definition);
      break;
  }
  if (slot.control == nullptr) return false;
  controls_.push_back(std::move(slot));
  return true;
}

Rect Window::ClientRect() const {
  const Size size = units_.ToPixels(definition_.client_size);
  return {0, 0, size.width, size.height};
}

Control* Window::ControlAt(int control_number) {
  if (control_number < 1 || control_number > ControlCount()) return nullptr;
  return controls_[control_number - 1].control.get();
}

EntryControl* Window::EntryAt(int control_number) {
  Control* control = ControlAt(control_number);
  if (control == nullptr || controls_[control_number - 1].kind != ControlKind::EntryField) {
    return nullptr;
  }
  return static_cast<EntryControl*>(control);
}

bool Window::HasFocus(int control_number) const {
  return active_ && focus_ >= 0 && focus_ + 1 == control_number;
}

void Window::PostAccepted(int control_number) {
  events_.push_back({WindowEvent::Kind::Accepted, control_number});
}

void Window::PostCloseRequest() {
  events_.push_back({WindowEvent::Kind::CloseRequest});
}

std::optional<WindowEvent> Window::TakeEvent() {
  if (events_.empty()) return std::nullopt;
  const WindowEvent event = events_.front();
  events_.pop_front();
  return event;
}

void Window::RefreshAll() {
  for (ControlSlot& slot : controls_) slot.control->Refresh();
}

void Window::InvalidateAll() {
  erase_pending_ = true;
}

void Window::Invalidate(Control& control) {
  const int index = control.Number() - 1;
  if (index >= 0 && index < ControlCount() && controls_[index].control.get() == &control) {
    controls_[index].invalid = true;
  }
}

void Window::PaintPending() {
  if (!open_) return;
  bool any = erase_pending_;
  for (const ControlSlot& slot : controls_) any = any || slot.invalid;
  if (!any) return;

  backend_.BeginPaint();
  Canvas canvas(backend_);
  if (erase_pending_) {
    if (erase_hook_) erase_hook_();
    erase_pending_ = false;
    canvas.FillRect(ClientRect(), BackgroundColor());
    for (ControlSlot& slot : controls_) slot.invalid = true;
  }
  // Each control paints all of its bounds, so that a control drawn again on its own needs
  // no erasing beneath it.
  for (ControlSlot& slot : controls_) {
    if (slot.invalid) PaintControl(canvas, slot);
  }
  backend_.EndPaint();
}

void Window::PaintControl(Canvas& canvas, ControlSlot& slot) {
  slot.invalid = false;
  slot.control->Paint(canvas);
  if (slot.overlay) slot.overlay(canvas, *slot.control);
}

void Window::SetBackBuffer(bool enabled) {
  backend_.SetBackBuffer(enabled);
}

Color Window::BackgroundColor() const {
  return background_.value_or(kWindowColor);
}

void Window::SetBackgroundColor(Color color) {
  background_ = color;
  for (ControlSlot& slot : controls_) {
    if (!slot.own_background) slot.control->SetBackground(color);
  }
  InvalidateAll();
}

void Window::SetControlBackground(int control_number, Color color) {
  Control* control = ControlAt(control_number);
  if (control == nullptr) return;
  controls_[control_number - 1].own_background = true;
  control->SetBackground(color);
  Invalidate(*control);
}

void Window::SetPaintOverlay(int control_number, PaintOverlay overlay) {
  Control* control = ControlAt(control_number);
  if (control == nullptr) return;
  controls_[control_number - 1].overlay = std::move(overlay);
  Invalidate(*control);
}

Point Window::PositionDlu() {
  if (!open_) return {};
  return units_.FromPixels(backend_.GetOuterPosition());
}

void Window::SetPositionDlu(Point position) {
  if (open_) backend_.SetOuterPosition(units_.ToPixels(position));
}

void Window::SetHorizontalPositionDlu(int x) {
  if (!open_) return;
  const Point outer = backend_.GetOuterPosition();
  backend_.SetOuterPosition({units_.ToPixelsX(x), outer.y});
}

void Window::SetVerticalPositionDlu(int y) {
  if (!open_) return;
  const Point outer = backend_.GetOuterPosition();
  backend_.SetOuterPosition({outer.x, units_.ToPixelsY(y)});
}

void Window::KeepReachable() {
  if (!open_) return;
  const Point outer = backend_.GetOuterPosition();
  // The frame's borders are the window system's: the client size stands for the frame's,
  // which is a few pixels larger, so that the grip is at most that much wider on the left.
  const Size client = units_.ToPixels(definition_.client_size);
  const Point reachable = ReachablePosition(backend_.MonitorWorkAreas(),
                                            {outer.x, outer.y, client.width, client.height});
  if (reachable != outer) backend_.SetOuterPosition(reachable);
}

bool Window::IsMinimized() {
  return open_ && backend_.IsMinimized();
}

void Window::SetMinimized(bool minimized) {
  if (open_) backend_.SetMinimized(minimized);
}

void Window::SetClipboardText(std::string_view text) {
  backend_.SetClipboardText(platform::ToUtf8(code_page_, text));
}

std::optional<std::string> Window::GetClipboardText() {
  const auto utf8 = backend_.GetClipboardText();
  if (!utf8) return std::nullopt;
  return platform::FromUtf8(code_page_, *utf8);
}

int Window::TextWidth(FontHandle font, std::string_view text) {
  return backend_.TextWidth(font, text);
}

FontMetrics Window::Metrics(FontHandle font) {
  return backend_.GetFontMetrics(font);
}

}  // namespace toolkit
