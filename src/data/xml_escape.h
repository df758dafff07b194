// The escape form of the catalogue's attribute values: runs of characters that XML cannot carry
// as they are (control characters, characters above 127, < > & ' ") are written as "{[~",
// two upper-case hexadecimal digits per character, then "~]}".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

// The conversion mode that turns plain text into the escape form; every other mode decodes.
inline constexpr std::int32_t kCvtEncode = 12;
// A mode that decodes.
inline constexpr std::int32_t kCvtDecode = 8;

// Converts between plain text and the escape form. Never throws: a failure is reported under
// "CvtForXmlParser" and the text built so far is returned.
std::string CvtForXmlParser(std::string_view text, std::int32_t mode);

// Decodes the escape form of a catalogue value read as UTF-8 into UTF-8: the escaped runs hold
// bytes in the system's ANSI code page. Never throws: a failure is reported under
// "CvtForXmlParser" and the text built so far is returned.
std::string DecodeAnsiEscapes(std::string_view utf8);

}  // namespace tavrel
