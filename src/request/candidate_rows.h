// The rows of the chooser: the programs the user added for the document's type, in file order,
// then the program Windows itself would use, unless that one is among the added and marked there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/catalogue.h"
#include "data/user_choices.h"
#include "ui/candidate.h"

namespace tavrel {

// The Windows default program's description for a request, split at "|": usable (five fields),
// empty (no fields), failed (one empty field), or not obtained at all (the type is one the user
// wants no chooser for). Reading a description that was not obtained fails with 9.
class DefaultInfo {
 public:
  static DefaultInfo NotObtained() { return DefaultInfo(false, {}); }
  static DefaultInfo Failed() { return DefaultInfo(true, {std::string()}); }
  static DefaultInfo FromDescription(std::string_view description);

  bool Obtained() const { return obtained_; }
  std::size_t FieldCount() const;
  const std::string& Field(std::size_t i) const;

 private:
  DefaultInfo(bool obtained, std::vector<std::string> fields)
      : obtained_(obtained), fields_(std::move(fields)) {}
  bool obtained_;
  std::vector<std::string> fields_;
};

// Finds the group of key in a choice list: the first run of consecutive lines whose field 0
// equals key without regard to case; a later run is not seen. Returns its first index and sets
// last to its last index; the key has lines exactly when first <= last. Without a match it
// returns the last index + 1 with last = 0. An empty line is passed over and ends a run, like a
// line of another key.
std::int32_t FindKeyRange(std::string_view key, const ChoiceList& list, std::int32_t& last);

// Fills rows with the added programs, lines first to last of addChoices, then the Windows
// default row. Returns the row id of the row that stands for the Windows default program.
// Fails with 9 on a line lacking a field it reads, and when info was not obtained.
std::int32_t BuildCandidateRows(const ChoiceList& addChoices, std::int32_t first, std::int32_t last,
                                const DefaultInfo& info, const CatalogueList& catalogue,
                                CandidateList& rows);

}  // namespace tavrel
