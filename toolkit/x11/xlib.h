// Xlib for the files of this backend. X.h defines event types as macros, and `Expose` would
// rewrite the toolkit's MessageKind::Expose; the event type stays available as kExposeEvent.
#pragma once

#include <X11/Xlib.h>

namespace toolkit::x11 {
inline constexpr int kExposeEvent = Expose;
}  // namespace toolkit::x11

#undef Expose
