#include "base/text.h"

#include <cstdint>

#include "base/failure.h"

namespace tavrel::text {

char FoldCase(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - ('a' - 'A'));
  return c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
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
