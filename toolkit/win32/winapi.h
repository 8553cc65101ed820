// The Windows headers of this backend, included here and nowhere else. windows.h maps the
// names of its A/W function pairs to one of them with macros, and `CreateWindow`, `CreateFont`
// and `DrawText` would rewrite the toolkit's Backend members in whatever is included after it;
// those macros are undone here, and the backend calls the W or A function by its full name.
// With every Windows header behind this one, the order of includes does not matter.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

// clang-format off
#include <windows.h>
// clang-format on

#undef CreateWindow
#undef CreateFont
#undef DrawText
#undef GetMessage
#undef PostMessage
