// The 8-bit code pages the program's texts live in, and their conversion to and from Unicode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class CodePage { Windows1251, Windows1252, Oem866 };

// The code page of a font character set: 204 (Cyrillic) is Windows-1251, 255 (OEM) is 866,
// every other set (0, Western, among them) is Windows-1252.
CodePage CodePageOfCharset(int charset);

// Every byte has a code point; 0x98 of Windows-1251 and the five unassigned bytes of
// Windows-1252 map to the C1 control of the same value, so any byte string round-trips.
char32_t ToUnicode(CodePage page, unsigned char byte);
// The byte of a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> FromUnicode(CodePage page, char32_t code_point);

std::string ToUtf8(CodePage page, std::string_view bytes);

// Decodes UTF-8 (malformed sequences count as unrepresentable characters) and encodes it in
// the code page. Characters the code page cannot hold are dropped; `dropped`, when given,
// tells whether any were.
std::string FromUtf8(CodePage page, std::string_view utf8, bool* dropped = nullptr);

// Byte-wise conversion between two code pages (for the OEM flag of the locale settings);
// a byte without a counterpart becomes '?'.
std::string Recode(CodePage from, CodePage to, std::string_view bytes);

}  // namespace platform
