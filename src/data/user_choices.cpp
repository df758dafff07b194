#include "data/user_choices.h"

#include <string_view>

#include "data/work_folder.h"
#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "fileinfo/text.h"
#include "platform/files.h"

namespace tavrel {
namespace {

// Lists grow by this many lines at a time and are trimmed to their size after reading.
constexpr std::size_t kGrowthStep = 1000;

ChoiceList& ListFor(int which) {
  static ChoiceList lists[3] = {ChoiceList(1), ChoiceList(1), ChoiceList(1)};
  return lists[which];
}

// The list a path's last 7 characters select, or none.
ChoiceList* SelectList(std::string_view path) {
  if (path.size() < 7) return nullptr;
  const auto tail = path.substr(path.size() - 7);
  if (text::EqualsNoCase(tail, "Add.dat")) return &AddChoices();
  if (text::EqualsNoCase(tail, "Del.dat")) return &DelChoices();
  if (text::EqualsNoCase(tail, "Def.dat")) return &DefChoices();
  return nullptr;
}

std::string InWorkFolder(std::string_view name) {
  return WorkFolder().empty() ? std::string() : JoinPaths(WorkFolder(), name);
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

std::string GetAddFilePath() {
  return InWorkFolder("QXAdd.dat");
}
std::string GetDelFilePath() {
  return InWorkFolder("QXDel.dat");
}
std::string GetDefFilePath() {
  return InWorkFolder("QXDef.dat");
}

ChoiceList SplitChoiceLines(const std::string& content) {
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
    if (end == std::string::npos) end = content.size();
    lines.emplace_back(content, pos, end - pos);
    pos = end + 1;
    if (pos < content.size() && content[pos] == '\n') ++pos;
  }
  lines.shrink_to_fit();
  return lines;
}

void ReadChoiceFile(const std::string& path) {
  SkipFailure([&] {
    ChoiceList* list = SelectList(path);
    if (!list) return;
    const std::string content = files::ReadWholeFile(path);
    *list = SplitChoiceLines(content);
  });
}

void GetUserChoices() {
  CallDepthScope depth;
  // Each file is one statement: a failure is reported and the next file is read.
  for (auto path : {&GetAddFilePath, &GetDelFilePath, &GetDefFilePath}) {
    try {
      ReadChoiceFile(path());
    } catch (...) {
      CatchIntoPending();
      ReportFailure("GetUserChoices");
    }
  }
}

}  // namespace tavrel
