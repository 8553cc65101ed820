// How Win32 keyboard input becomes the toolkit's keys and typed characters. Pure rules over
// virtual-key codes and UTF-16 units, so they are tested without a window.
//
// Supports: the editing, navigation and dialog keys with their numeric-keypad forms (NumLock
// off), letters for shortcuts by virtual key (which names the key's position in Russian
// layouts as well), the text of WM_CHAR messages with surrogate pairs, control characters
// dropped, and a character the window's code page cannot hold reported as refused.
// Does not yet: function keys other than F4, dead keys of their own (TranslateMessage
// composes them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "toolkit/native_message.h"

namespace toolkit::win32 {

Key KeyOfVirtualKey(unsigned virtual_key);

// The characters a key press typed, from the UTF-16 units of its WM_CHAR messages, in the
// code page: nothing while Ctrl or Alt alone is held (the press is a shortcut; Ctrl with Alt
// is AltGr and types), never a control character. `refused` tells whether a character was
// left out because the code page cannot hold it.
std::string TypedText(std::wstring_view units, uint8_t modifiers, platform::CodePage page,
                      bool* refused);

}  // namespace toolkit::win32
