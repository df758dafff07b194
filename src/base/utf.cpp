#include "base/utf.h"

namespace tavrel::utf {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The code point of the UTF-16 text at i, moving i past it; kInvalidByte for a surrogate without
// its partner.
char32_t NextOf(std::u16string_view text, std::size_t& i) {
  const char16_t c = text[i++];
  if (IsHigh(c) && i < text.size() && IsLow(text[i]))
    return 0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[i++]} - 0xDC00);
  if (IsHigh(c) || IsLow(c)) return kInvalidByte;
  return c;
}

}  // namespace

bool IsAscii(std::string_view text) noexcept {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsValidUtf16(std::u16string_view text) noexcept {
  for (std::size_t i = 0; i < text.size();)
    if (NextOf(text, i) == kInvalidByte) return false;
  return true;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextOf(text, i);
    AppendUtf8(out, c == kInvalidByte ? kReplacement : c);
  }
  return out;
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    char32_t c = DecodeAt(text, i, length);
    i += length;
    if (c >= kInvalidByte) c = kReplacement;
    if (c >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  const auto byte = [&](char32_t b) { out.push_back(static_cast<char>(b)); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

char32_t DecodeAt(std::string_view text, std::size_t at, std::size_t& length) noexcept {
  const auto lead = static_cast<unsigned char>(text[at]);
  length = 1;
  if (lead < 0x80) return lead;
  // The sequence's length, the bits of its lead byte, and the least code point it may stand for
  // (a longer form than needed is invalid, as are surrogates and values past U+10FFFF).
  std::size_t need = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return kInvalidByte + lead;
  }
  if (text.size() - at < need) return kInvalidByte + lead;
  for (std::size_t k = 1; k < need; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return kInvalidByte + lead;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kInvalidByte + lead;
  length = need;
  return c;
}

}  // namespace tavrel::utf
