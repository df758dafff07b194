#include "data/user_choices.h"

#include <string_view>
#include <utility>

#include "errors/reporting.h"

namespace tavrel {
namespace {

// Lists grow by this many lines at a time and are trimmed to their size after reading.
constexpr std::size_t kGrowthStep = 1000;

ChoiceList& ListFor(int which) {
  static ChoiceList lists[3] = {ChoiceList(1), ChoiceList(1), ChoiceList(1)};
  return lists[which];
}

}  // namespace

ChoiceList& AddChoices() {
  return ListFor(0);
}
ChoiceList& DelChoices() {
  return ListFor(1);
}
ChoiceList& DefChoices() {
  return ListFor(2);
}

void ResetUserChoices() {
  AddChoices().assign(1, std::string());
  DelChoices().assign(1, std::string());
  DefChoices().assign(1, std::string());
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

void GetUserChoices(const DataFiles& files) {
  CallDepthScope depth;
  const std::pair<const std::optional<std::string>*, ChoiceList*> sources[] = {
      {&files.add, &AddChoices()}, {&files.del, &DelChoices()}, {&files.def, &DefChoices()}};
  // Each file is one statement: a failure is reported and the next file is read.
  for (const auto& [content, list] : sources) {
    try {
      if (*content) *list = SplitChoiceLines(**content);
    } catch (...) {
      CatchIntoPending();
      ReportFailure("GetUserChoices");
    }
  }
}

}  // namespace tavrel
