#include "request/candidate_rows.h"

#include "base/failure.h"
#include "base/text.h"
#include "data/catalogue_lookup.h"
#include "fileinfo/display_names.h"

namespace tavrel {

const std::optional<ProgramDescription>& DefaultInfo::Program() const {
  if (!obtained_) Raise(errnum::kSubscript);
  return program_;
}

namespace {
// The program of an added line, for its icon: its path, else its short path; a line without
// either still gives a row.
std::string_view ProgramPath(const ChoiceLine& line) {
  for (const auto* path : {&line.program, &line.shortProgram})
    if (*path && !(*path)->empty()) return **path;
  return {};
}

// An empty line has no key at all: it matches no type, so a blank line left in a choice file
// neither stops the search nor joins a group.
bool HasKey(const std::string& line, std::string_view key) {
  const std::optional<std::string_view> lineKey = ParseChoiceLine(line).key;
  return lineKey && text::EqualsNoCase(*lineKey, key);
}
}  // namespace

std::int32_t FindKeyRange(std::string_view key, const ChoiceList& list, std::int32_t& last) {
  last = 0;
  const auto upper = static_cast<std::int32_t>(list.size()) - 1;  // slot 0 is never examined
  for (std::int32_t i = 1; i <= upper; ++i) {
    if (!HasKey(list[i], key)) continue;
    for (std::int32_t j = i + 1; j <= upper; ++j) {
      if (!HasKey(list[j], key)) {
        last = j - 1;
        return i;
      }
    }
    last = upper;
    return i;
  }
  return upper + 1;
}

std::int32_t BuildCandidateRows(const ChoiceList& addChoices, std::int32_t first, std::int32_t last,
                                const DefaultInfo& info, const CatalogueList& catalogue,
                                CandidateList& rows) {
  rows.Clear();
  std::int32_t rowId = 0;
  std::int32_t defaultRowId = 0;
  bool defaultFound = false;
  const auto add = [&](std::string rowText, std::string detail, std::uint32_t colour,
                       std::string_view program) {
    rows.Add(Candidate{rowId, "k" + std::to_string(rowId), std::move(rowText), std::move(detail),
                       colour, std::string(program)});
    ++rowId;
  };

  for (std::int32_t k = first; k <= last; ++k) {
    if (k < 0 || static_cast<std::size_t>(k) >= addChoices.size()) Raise(errnum::kSubscript);
    const ChoiceLine line = ParseChoiceLine(addChoices[k]);
    std::string_view suffix;
    // Only the first added program with the default program's short path is marked.
    if (const auto& windows = info.Program();
        windows && !defaultFound &&
        text::EqualsNoCase(Need(line.shortProgram), windows->shortOfShortPath)) {
      suffix = kDefaultMarker;
      defaultRowId = rowId;
      defaultFound = true;
    }
    const std::int32_t entry = FindCatalogEntry(line, catalogue);
    if (entry < 0) {
      add(std::string(Need(line.displayName)),
          std::string(Need(line.version)) + std::string(suffix), kColourBlack, ProgramPath(line));
    } else {
      const CatalogueEntry& e = catalogue[static_cast<std::size_t>(entry)];
      add(e.CompanyA + " - " + e.ProductA, e.VersionA + std::string(suffix), kColourBlue,
          ProgramPath(line));
    }
  }

  if (const auto& windows = info.Program(); !windows) {
    defaultRowId = rowId;
    add("Windows Default", "No version info.", kColourBlack, {});
  } else if (!defaultFound) {
    defaultRowId = rowId;
    add(windows->display, windows->version + std::string(kDefaultMarker), kColourBlack,
        windows->shortPath);
  }
  return defaultRowId;
}

}  // namespace tavrel
