// Texts between the toolkit's 8-bit code pages, UTF-8 and the UTF-16 of the W functions.
//
// Supports: the explicit code pages 1251, 1252 and 866 (never CP_ACP, whose code page is the
// user's, so Cyrillic comes out right on a system of any ANSI code page), UTF-8 both ways,
// one typed character refused when the code page cannot hold it (no best-fit mapping).
// Does not: code pages other than the toolkit's three.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace toolkit::win32 {

// The Windows code page number of a toolkit code page.
unsigned WindowsCodePage(platform::CodePage page);

std::wstring WideOf(platform::CodePage page, std::string_view bytes);
std::wstring WideOfUtf8(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf8OfWide(std::wstring_view wide);

// The byte of one character (one UTF-16 unit, or a surrogate pair) in the code page; nothing
// when the code page has no such character, also where a similar-looking one exists.
std::optional<unsigned char> ByteOfCharacter(platform::CodePage page, std::wstring_view character);

}  // namespace toolkit::win32
