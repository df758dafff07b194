#include "request/request_lines.h"

#include "base/text.h"

namespace tavrel {

RequestLines::RequestLines(std::string_view rsParams) : lines_(text::Split(rsParams, "\r\n")) {}

std::string_view RequestLines::Line(std::size_t index) const {
  return text::At(lines_, index);
}

bool HasRequestVerb(std::string_view verbLine) {
  for (std::string_view verb : text::Split("open, new, play", ", "))
    if (text::ContainsNoCase(verbLine, verb)) return true;
  return false;
}

bool IsOpenWith(std::string_view verbLine) {
  const auto at = text::FindNoCase(verbLine, "open");
  if (at == std::string_view::npos) return false;
  const auto tail = text::TrimTrailingBlanks(verbLine.substr(at));
  return text::EqualsNoCase(tail, "openas") || text::EqualsNoCase(tail, "Open With...");
}

bool SaysLaunched(std::string_view statusLine) {
  return text::ContainsNoCase(statusLine, "Launched");
}

std::string TypeKey(std::string_view extension, bool openWith) {
  if (openWith) return "*";
  std::string key = ".";
  key += extension;
  return key;
}

bool IsExecutableTypeKey(std::string_view typeKey) {
  return text::EqualsNoCase(typeKey, ".exe") || text::EqualsNoCase(typeKey, ".dll") ||
         text::EqualsNoCase(typeKey, ".vxd");
}

}  // namespace tavrel
