// The user's choices of programs per document type: the raw lines of QXAdd.dat (programs added
// for a type), QXDel.dat (types without a chooser) and QXDef.dat (a type's default program).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/data_files.h"

namespace tavrel {

// A list of raw lines numbered from 1; slot 0 exists and stays empty, so the last index is the
// number of lines. Lines are split at "|" only when they are looked up.
using ChoiceList = std::vector<std::string>;

ChoiceList& AddChoices();
ChoiceList& DelChoices();
ChoiceList& DefChoices();

// Resets the three lists, in the order Add, Del, Def, to the single empty slot 0.
void ResetUserChoices();

// Fills the lists from the request's QXAdd.dat, QXDel.dat and QXDef.dat, in this order; a file
// that is not there leaves its list as it was. Failures are reported under "GetUserChoices" and
// the next file is read.
void GetUserChoices(const DataFiles& files);

// The lines of a file's content, slot 0 empty. A line ends at CR or CR LF; the last line needs
// none.
ChoiceList SplitChoiceLines(std::string_view content);

}  // namespace tavrel
