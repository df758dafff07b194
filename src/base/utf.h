// UTF-8 and UTF-16. The program keeps its texts in UTF-8; the system's wide API takes UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel::utf {

// Whether every byte is ASCII: such text reads the same in UTF-8 and in every ANSI code page.
bool IsAscii(std::string_view text) noexcept;

// Whether the text is valid UTF-16: every high surrogate is followed by a low one, and no low
// surrogate stands alone.
bool IsValidUtf16(std::u16string_view text) noexcept;

// UTF-8 of UTF-16 text; a surrogate without its partner becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

// UTF-16 of UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Code points read from a byte that starts no valid UTF-8 sequence: kInvalidByte + the byte,
// outside Unicode, so that such a byte still compares only with itself.
inline constexpr char32_t kInvalidByte = 0x110000;

// The code point starting at text[at], and in length the bytes it takes (at least 1).
char32_t DecodeAt(std::string_view text, std::size_t at, std::size_t& length) noexcept;

}  // namespace tavrel::utf
