#include "base/text.h"

#include <cstdint>

#include "base/failure.h"
#include "base/utf.h"

namespace tavrel::text {

char FoldCase(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - ('a' - 'A'));
  return c;
}

namespace {

// Ranges of lower-case letters whose upper-case partners lie a fixed distance below them.
struct Shifted {
  char32_t first, last, distance;
};
constexpr Shifted kShifted[] = {
    {0x00E0, 0x00FE, 0x20},    // Latin-1: à..þ (÷ is excluded below)
    {0x03AC, 0x03AC, 0x26},    // ά
    {0x03AD, 0x03AF, 0x25},    // έ ή ί
    {0x03B1, 0x03C1, 0x20},    // α..ρ
    {0x03C2, 0x03C2, 0x1F},    // final ς is Σ
    {0x03C3, 0x03CB, 0x20},    // σ..ϋ
    {0x03CC, 0x03CC, 0x40},    // ό
    {0x03CD, 0x03CE, 0x3F},    // ύ ώ
    {0x0430, 0x044F, 0x20},    // а..я
    {0x0450, 0x045F, 0x50},    // ѐ..џ
    {0x04CF, 0x04CF, 0x0F},    // ӏ
    {0x0561, 0x0586, 0x30},    // Armenian
    {0xFF41, 0xFF5A, 0x20},    // full-width a..z
    {0x10428, 0x1044F, 0x28},  // Deseret
};

// Ranges of letters in pairs, the upper-case one first.
struct Paired {
  char32_t first, last;
};
constexpr Paired kPaired[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
    {0x01CD, 0x01DC}, {0x01DE, 0x01EF}, {0x01F8, 0x021F}, {0x0222, 0x0233}, {0x0246, 0x024F},
    {0x03D8, 0x03EF}, {0x0460, 0x0481}, {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F},
    {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},
};

}  // namespace

char32_t FoldCodePoint(char32_t c) noexcept {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 0x20 : c;
  if (c == 0x00F7) return c;       // ÷ is no letter
  if (c == 0x00FF) return 0x0178;  // ÿ
  for (const Shifted& range : kShifted)
    if (c >= range.first && c <= range.last) return c - range.distance;
  for (const Paired& range : kPaired)
    if (c >= range.first && c <= range.last) return c - ((c - range.first) & 1);
  return c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  // Folding keeps every letter's length, so texts of different lengths never match.
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if ((x | y) < 0x80) {
      if (FoldCase(a[i]) != FoldCase(b[i])) return false;
      ++i;
      continue;
    }
    std::size_t lengthA = 0;
    std::size_t lengthB = 0;
    if (FoldCodePoint(utf::DecodeAt(a, i, lengthA)) !=
            FoldCodePoint(utf::DecodeAt(b, i, lengthB)) ||
        lengthA != lengthB)
      return false;
    i += lengthA;
  }
  return true;
}

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from) noexcept {
  if (from > hay.size() || needle.size() > hay.size() - from) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= hay.size(); ++i)
    if (EqualsNoCase(hay.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}

std::vector<std::string_view> Split(std::string_view s, std::string_view separator) {
  std::vector<std::string_view> pieces;
  if (s.empty()) return pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = s.find(separator, start)) != std::string_view::npos;) {
    pieces.push_back(s.substr(start, at - start));
    start = at + separator.size();
  }
  pieces.push_back(s.substr(start));
  return pieces;
}

std::string_view TrimBlanks(std::string_view s) noexcept {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string_view TrimTrailingBlanks(std::string_view s) noexcept {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

std::string WrapWords(std::string_view text, int width) {
  std::string wrapped;
  std::int64_t lineLength = 0;
  for (const auto word : Split(text, " ")) {
    const auto n = static_cast<std::int64_t>(word.size());
    const auto cr = word.find('\r');
    if (cr != std::string_view::npos) {
      // The word carries its own line break: the line goes on with the word from the break on.
      lineLength = n - static_cast<std::int64_t>(cr);
    } else if (lineLength == 0) {
      lineLength = n;
    } else if (lineLength + 1 + n > width) {
      wrapped += "\r\n";
      lineLength = n + 1;
    } else {
      lineLength += n + 1;
    }
    wrapped.append(word);
    wrapped.push_back(' ');
  }
  return wrapped;
}

std::string_view At(const std::vector<std::string_view>& pieces, std::size_t i) {
  if (i >= pieces.size()) Raise(errnum::kSubscript);
  return pieces[i];
}

std::string_view Field(std::string_view s, char separator, std::size_t i) {
  if (s.empty()) Raise(errnum::kSubscript);
  std::size_t start = 0;
  for (; i > 0; --i) {
    const auto at = s.find(separator, start);
    if (at == std::string_view::npos) Raise(errnum::kSubscript);
    start = at + 1;
  }
  return s.substr(start, s.find(separator, start) - start);
}

}  // namespace tavrel::text
