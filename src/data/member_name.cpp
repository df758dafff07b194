#include "data/member_name.h"

#include <array>

#include "base/text.h"

namespace tavrel::package {
namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

std::optional<std::string> Skip(std::string* reason, const char* why) {
  if (reason) *reason = why;
  return std::nullopt;
}

// Names Windows maps to devices in every folder, with or without an extension.
bool IsDeviceName(std::string_view name) {
  const std::size_t dot = name.find('.');
  const std::string_view stem = text::TrimTrailingBlanks(name.substr(0, dot));
  static constexpr std::array<std::string_view, 6> kFixed = {"CON", "PRN",    "AUX",
                                                             "NUL", "CONIN$", "CONOUT$"};
  for (const std::string_view device : kFixed) {
    if (text::EqualsNoCase(stem, device)) return true;
  }
  if (stem.size() == 4 && (text::EqualsNoCase(stem.substr(0, 3), "COM") ||
                           text::EqualsNoCase(stem.substr(0, 3), "LPT"))) {
    const char digit = stem[3];
    return digit >= '0' && digit <= '9';
  }
  return false;
}

}  // namespace

std::optional<std::string> ExtractedName(std::string_view memberName, std::string* reason) {
  if (memberName.empty()) return Skip(reason, "empty name");
  for (const char c : memberName) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32) return Skip(reason, "control character in name");
    if (code > 126) return Skip(reason, "name outside ASCII");
  }
  if (IsSeparator(memberName.front())) return Skip(reason, "absolute or UNC path");
  if (memberName.size() >= 2 && memberName[1] == ':') return Skip(reason, "drive letter");

  // Every part of the path is looked at, so that "a/../b" is refused rather than flattened.
  std::string_view base;
  std::size_t from = 0;
  for (;;) {
    std::size_t end = from;
    while (end < memberName.size() && !IsSeparator(memberName[end]))
      ++end;
    const std::string_view part = memberName.substr(from, end - from);
    if (part == "..") return Skip(reason, "parent folder in path");
    base = part;
    if (end == memberName.size()) break;
    from = end + 1;
  }
  if (base.empty()) return Skip(reason, "folder entry");
  if (base == ".") return Skip(reason, "folder entry");
  for (const char c : base) {
    if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
      return Skip(reason, "character Windows forbids in file names");
    }
  }
  if (base.back() == '.' || base.back() == ' ') return Skip(reason, "name ends in dot or blank");
  if (base.size() > kMaxMemberNameLength) return Skip(reason, "name too long");
  if (IsDeviceName(base)) return Skip(reason, "device name");
  return std::string(base);
}

}  // namespace tavrel::package
