// The rows of the chooser: the programs the user added for the document's type, in file order,
// then the program Windows itself would use, unless that one is among the added and marked there.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "data/catalogue.h"
#include "data/user_choices.h"
#include "fileinfo/display_names.h"
#include "ui/candidate.h"

namespace tavrel {

// The Windows default program for a request: its description, none (there is none, or obtaining
// it failed), or not obtained at all (the type is one the user wants no chooser for). Reading a
// description that was not obtained fails with 9.
class DefaultInfo {
 public:
  static DefaultInfo NotObtained() { return DefaultInfo(false, std::nullopt); }
  static DefaultInfo Failed() { return DefaultInfo(true, std::nullopt); }
  static DefaultInfo Of(std::optional<ProgramDescription> program) {
    return DefaultInfo(true, std::move(program));
  }

  const std::optional<ProgramDescription>& Program() const;

 private:
  DefaultInfo(bool obtained, std::optional<ProgramDescription> program)
      : obtained_(obtained), program_(std::move(program)) {}
  bool obtained_;
  std::optional<ProgramDescription> program_;
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
