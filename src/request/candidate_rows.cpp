#include "request/candidate_rows.h"

#include "base/failure.h"
#include "base/text.h"
#include "data/catalogue_lookup.h"
#include "fileinfo/display_names.h"

namespace tavrel {

DefaultInfo DefaultInfo::FromDescription(std::string_view description) {
  std::vector<std::string> fields;
  for (auto piece : text::Split(description, "|"))
    fields.emplace_back(piece);
  return DefaultInfo(true, std::move(fields));
}

std::size_t DefaultInfo::FieldCount() const {
  if (!obtained_) Raise(errnum::kSubscript);
  return fields_.size();
}

const std::string& DefaultInfo::Field(std::size_t i) const {
  if (i >= FieldCount()) Raise(errnum::kSubscript);
  return fields_[i];
}

namespace {
// The program of an added line, for its icon: its path, else its short path; a line without
// either still gives a row.
std::string_view ProgramPath(const std::vector<std::string_view>& fields) {
  for (std::size_t i : {std::size_t{4}, std::size_t{5}})
    if (i < fields.size() && !fields[i].empty()) return fields[i];
  return {};
}

// An empty line has no key at all: it matches no type, so a blank line left in a choice file
// neither stops the search nor joins a group.
bool HasKey(const std::string& line, std::string_view key) {
  return !line.empty() && text::EqualsNoCase(text::Field(line, '|', 0), key);
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
    const auto fields = text::Split(addChoices[k], "|");
    std::string_view suffix;
    // Only the first added program with the default program's short path is marked.
    if (info.FieldCount() > 1 && !defaultFound &&
        text::EqualsNoCase(text::At(fields, 5), info.Field(4))) {
      suffix = kDefaultMarker;
      defaultRowId = rowId;
      defaultFound = true;
    }
    const std::vector<std::string_view> program(
        fields.begin() + std::min<std::size_t>(1, fields.size()), fields.end());
    const std::int32_t entry = FindCatalogEntry(program, catalogue);
    if (entry < 0) {
      add(std::string(text::At(fields, 1)), std::string(text::At(fields, 2)) + std::string(suffix),
          kColourBlack, ProgramPath(fields));
    } else {
      const CatalogueEntry& e = catalogue[static_cast<std::size_t>(entry)];
      add(e.CompanyA + " - " + e.ProductA, e.VersionA + std::string(suffix), kColourBlue,
          ProgramPath(fields));
    }
  }

  if (info.FieldCount() < 2) {
    defaultRowId = rowId;
    add("Windows Default", "No version info.", kColourBlack, {});
  } else if (!defaultFound) {
    defaultRowId = rowId;
    add(info.Field(0), info.Field(1) + std::string(kDefaultMarker), kColourBlack,
        info.FieldCount() > 3 ? std::string_view(info.Field(3)) : std::string_view());
  }
  return defaultRowId;
}

}  // namespace tavrel
