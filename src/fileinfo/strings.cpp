#include "fileinfo/strings.h"

#include <cstdint>
#include <vector>

#include "base/failure.h"
#include "base/text.h"
#include "errors/reporting.h"
#include "os/os.h"

namespace tavrel {
namespace {

// Joins two parts so that the seam holds exactly one backslash; an empty part joins unchanged.
std::string JoinTwo(std::string first, std::string_view second) {
  if (first.empty() || second.empty()) return first.append(second);
  const bool firstEnds = first.back() == '\\';
  const bool secondBegins = second.front() == '\\';
  if (firstEnds && secondBegins) {
    first.pop_back();
  } else if (!firstEnds && !secondBegins) {
    first.push_back('\\');
  }
  return first.append(second);
}

// A placeholder such as %1 names an argument, not a variable: optional sign, digits with at most
// one decimal point.
bool IsNumber(std::string_view s) {
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (const char c : s) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// One element of a wildcard pattern.
struct PatternItem {
  enum Kind { kLiteral, kAnyOne, kAnyRun, kDigit, kSet } kind = kLiteral;
  char literal = 0;
  bool negated = false;                       // [!...]
  std::vector<std::pair<char, char>> ranges;  // [a-z] gives ('a','z'); [x] gives ('x','x')
};

constexpr std::int32_t kBadPattern = 93;  // "Invalid pattern string"

std::vector<PatternItem> ParsePattern(std::string_view pattern) {
  std::vector<PatternItem> items;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    PatternItem item;
    const char c = pattern[i];
    if (c == '?') {
      item.kind = PatternItem::kAnyOne;
    } else if (c == '*') {
      item.kind = PatternItem::kAnyRun;
    } else if (c == '#') {
      item.kind = PatternItem::kDigit;
    } else if (c == '[') {
      const auto close = pattern.find(']', i + 1);
      if (close == std::string_view::npos) Raise(kBadPattern, "Invalid pattern string");
      item.kind = PatternItem::kSet;
      std::string_view list = pattern.substr(i + 1, close - i - 1);
      if (!list.empty() && list.front() == '!') {
        item.negated = true;
        list.remove_prefix(1);
      }
      for (std::size_t k = 0; k < list.size(); ++k) {
        // A hyphen between two characters makes a range; at either end it stands for itself.
        if (k + 2 < list.size() && list[k + 1] == '-') {
          const auto lo = static_cast<unsigned char>(list[k]);
          const auto hi = static_cast<unsigned char>(list[k + 2]);
          if (lo > hi) Raise(kBadPattern, "Invalid pattern string");
          item.ranges.emplace_back(list[k], list[k + 2]);
          k += 2;
        } else {
          item.ranges.emplace_back(list[k], list[k]);
        }
      }
      i = close;
    } else {
      item.literal = c;
    }
    items.push_back(std::move(item));
  }
  return items;
}

bool InRange(char c, std::pair<char, char> range) {
  const auto lo = static_cast<unsigned char>(range.first);
  const auto hi = static_cast<unsigned char>(range.second);
  const auto in = [&](char x) {
    const auto u = static_cast<unsigned char>(x);
    return u >= lo && u <= hi;
  };
  // Letters compare without regard to case, so either case of c may fall into the range.
  const char upper = text::FoldCase(c);
  const char lower = (upper >= 'A' && upper <= 'Z') ? static_cast<char>(upper + ('a' - 'A')) : c;
  return in(c) || in(upper) || in(lower);
}

bool MatchesOne(const PatternItem& item, char c) {
  switch (item.kind) {
    case PatternItem::kAnyOne:
      return true;
    case PatternItem::kDigit:
      return c >= '0' && c <= '9';
    case PatternItem::kSet: {
      bool in = false;
      for (const auto& range : item.ranges)
        in = in || InRange(c, range);
      return in != item.negated;
    }
    case PatternItem::kLiteral:
      return text::FoldCase(c) == text::FoldCase(item.literal);
    case PatternItem::kAnyRun:
      break;
  }
  return false;
}

// Whether the whole text matches the pattern. State j means "the first j items have matched the
// text read so far"; a run (*) may match nothing, so reaching it also reaches the state after it.
bool IsLike(std::string_view s, const std::vector<PatternItem>& items) {
  const auto close = [&](std::vector<char>& states) {
    for (std::size_t j = 0; j < items.size(); ++j)
      if (states[j] && items[j].kind == PatternItem::kAnyRun) states[j + 1] = 1;
  };
  std::vector<char> reach(items.size() + 1, 0);
  reach[0] = 1;
  close(reach);
  for (const char c : s) {
    std::vector<char> next(items.size() + 1, 0);
    for (std::size_t j = 0; j < items.size(); ++j) {
      if (items[j].kind == PatternItem::kAnyRun) {
        if (reach[j + 1]) next[j + 1] = 1;  // the run goes on absorbing
      } else if (reach[j] && MatchesOne(items[j], c)) {
        next[j + 1] = 1;
      }
    }
    close(next);
    reach.swap(next);
  }
  return reach[items.size()] != 0;
}

}  // namespace

std::string JoinPaths(std::string_view first, std::string_view second,
                      std::initializer_list<std::string_view> more) {
  std::string joined;
  RunReported("JoinPaths", [&] {
    joined = JoinTwo(std::string(first), second);
    // Each seam works on a copy, so a failure leaves what was joined before it.
    for (const auto part : more)
      joined = JoinTwo(joined, part);
  });
  return joined;
}

std::string StripChrs(std::string_view text, std::string_view removeChars, bool removeControl,
                      bool removeNonAscii) {
  std::string kept;
  const bool finished = RunReported("StripChrs", [&] {
    kept.reserve(text.size());
    for (const char c : text) {
      const auto code = static_cast<unsigned char>(c);
      if (removeControl && code < 32) continue;
      if (removeNonAscii && code > 126) continue;
      if (text::ContainsNoCase(removeChars, std::string_view(&c, 1))) continue;
      kept.push_back(c);
    }
  });
  return finished ? kept : std::string();
}

std::string SubstEnvVars(std::string_view text) {
  std::string s(text);
  SkipFailure([&] {
    CallDepthScope depth;
    // 0-based index just past the text already dealt with; only the first word is substituted.
    std::size_t pos = 0;
    for (;;) {
      const auto blank = s.find(' ', pos);
      const auto wordEnd = blank == std::string::npos ? s.size() : blank;
      const auto a = s.find('%', pos);
      if (a == std::string::npos || a > wordEnd) return;
      const auto b = s.find('%', a + 1);
      if (b == std::string::npos || b > wordEnd) return;
      const std::string name = s.substr(a + 1, b - a - 1);
      if (IsNumber(name)) return;
      const std::string value = os::EnvironmentVariable(name);
      if (value.empty()) {
        pos = b + 1;
        continue;
      }
      s = StrReplace(s, "%" + name + "%", value, true);
      pos = a + value.size();
    }
  });
  return s;
}

std::string StrReplace(std::string_view text, std::string_view find, std::string_view replacement,
                       bool ignoreCase) {
  if (find.empty()) return std::string(text);
  std::string result;
  std::size_t from = 0;
  for (;;) {
    const auto at = ignoreCase ? text::FindNoCase(text, find, from) : text.find(find, from);
    if (at == std::string_view::npos) break;
    result.append(text.substr(from, at - from));
    result.append(replacement);
    from = at + find.size();
  }
  result.append(text.substr(from));
  return result;
}

bool StrIsLikeAny(std::string_view text, std::string_view patternList) {
  bool matched = false;
  SkipFailure([&] {
    for (const auto pattern : text::Split(patternList, "||")) {
      if (IsLike(text, ParsePattern(pattern))) {
        matched = true;
        return;
      }
    }
  });
  return matched;
}

}  // namespace tavrel
