#include "data/user_choices.h"

#include <string_view>
#include <utility>

#include "base/failure.h"
#include "base/utf.h"
#include "errors/reporting.h"
#include "os/ansi.h"

namespace tavrel {
namespace {

// Lists grow by this many lines at a time and are trimmed to their size after reading.
constexpr std::size_t kGrowthStep = 1000;

}  // namespace

ChoiceLine ParseChoiceLine(std::string_view line) {
  ChoiceLine fields;
  std::optional<std::string_view>* const slots[] = {&fields.key,     &fields.displayName,
                                                    &fields.version, &fields.status,
                                                    &fields.program, &fields.shortProgram};
  if (line.empty()) return fields;
  std::size_t start = 0;
  for (auto* slot : slots) {
    const std::size_t end = line.find('|', start);
    *slot = line.substr(start, end == std::string_view::npos ? end : end - start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

std::string_view Need(const std::optional<std::string_view>& field) {
  if (!field) Raise(errnum::kSubscript);
  return *field;
}

ChoiceList SplitChoiceLines(std::string_view content) {
  ChoiceList lines;
  std::size_t capacity = kGrowthStep;
  lines.reserve(capacity + 1);
  lines.emplace_back();  // slot 0
  std::size_t pos = 0;
  while (pos < content.size()) {
    if (lines.size() > capacity) {
      capacity += kGrowthStep;
      lines.reserve(capacity + 1);
    }
    // A line ends at CR, and a LF right after it belongs to the same line end. A LF on its own
    // is part of the line.
    auto end = content.find('\r', pos);
    if (end == std::string_view::npos) end = content.size();
    lines.emplace_back(content.substr(pos, end - pos));
    pos = end + 1;
    if (pos < content.size() && content[pos] == '\n') ++pos;
  }
  lines.shrink_to_fit();
  return lines;
}

UserChoices GetUserChoices(const DataFiles& files) {
  CallDepthScope depth;
  UserChoices choices;
  const std::pair<const std::optional<std::string>*, ChoiceList*> sources[] = {
      {&files.add, &choices.add}, {&files.del, &choices.del}, {&files.def, &choices.def}};
  // Each file is one statement: a failure is reported and the next file is read.
  for (const auto& [content, list] : sources) {
    try {
      // The files are in the system's ANSI code page; most hold only ASCII, which is UTF-8 too.
      if (*content && utf::IsAscii(**content))
        *list = SplitChoiceLines(**content);
      else if (*content)
        *list = SplitChoiceLines(os::Utf8FromAnsi(**content));
    } catch (...) {
      CatchIntoPending();
      ReportFailure("GetUserChoices");
    }
  }
  return choices;
}

}  // namespace tavrel
