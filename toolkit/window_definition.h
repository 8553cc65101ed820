// A window as data: its caption, size, font, icon and background, and its controls in
// definition order. Tables of these can be constexpr.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

namespace toolkit {

enum class ControlKind { StaticText, Image, PushButton, EntryField };

// What a control's font changes from the window font; every attribute is optional.
struct FontOverride {
  std::optional<std::string_view> face{};
  std::optional<int> points{};
  std::optional<int> weight{};
  std::optional<int> charset{};
  std::optional<Color> color{};
};

struct WindowFont {
  std::string_view face{};
  int points = 8;
  int weight = 400;
  int charset = kDefaultCharset;
  std::optional<Color> color{};  // none: the system's window-text colour
};

struct ControlDefinition {
  int number = 0;  // 1-based, equal to the control's place in the table
  ControlKind kind = ControlKind::StaticText;
  std::string_view name{};     // for diagnostics only
  Point at{};                  // dialog units, from the client area's top-left corner
  std::optional<Size> size{};  // dialog units; none: the size of the content
  // Static text and push button: the text, in the code page of the control's font. Image:
  // the name of a built-in icon. Entry field: whatever the entry factory reads from it.
  std::string_view content{};
  FontOverride font{};
  bool default_button = false;  // push button: Enter activates it
  bool flat = false;            // push button: flat instead of raised
};

struct WindowDefinition {
  std::string_view caption{};  // in the code page of the window font
  std::string_view class_name{};
  Size client_size{};  // dialog units
  WindowFont font{};
  std::string_view icon{};            // a built-in icon; empty: the default application icon
  std::optional<Color> background{};  // none: the system's window colour
  std::span<const ControlDefinition> controls{};
};

// Makes the control of an entry-field definition when the window opens. Returning nullptr
// makes the window fail to open.
using EntryFactory = std::function<std::unique_ptr<EntryControl>(
    ControlHost& host, const ControlSetup& setup, const ControlDefinition& definition)>;

}  // namespace toolkit
