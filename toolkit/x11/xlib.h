// The X headers of this backend, included here and nowhere else. X.h defines event types as
// macros, and `Expose` would rewrite the toolkit's MessageKind::Expose in whatever is included
// after it; the event type stays available as kExposeEvent. With every X header behind this
// one, the order of includes does not matter.
#pragma once

// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <X11/Xft/Xft.h>
#include <X11/extensions/Xrender.h>
#include <X11/extensions/Xrandr.h>
// clang-format on

namespace toolkit::x11 {
inline constexpr int kExposeEvent = Expose;
}  // namespace toolkit::x11

#undef Expose
