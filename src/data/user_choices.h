// The user's choices of programs per document type: the raw lines of QXAdd.dat (programs added
// for a type), QXDel.dat (types without a chooser) and QXDef.dat (a type's default program).
#pragma once

#include <string>
#include <vector>

namespace tavrel {

// A list of raw lines numbered from 1; slot 0 exists and stays empty, so the last index is the
// number of lines. Lines are split at "|" only when they are looked up.
using ChoiceList = std::vector<std::string>;

ChoiceList& AddChoices();
ChoiceList& DelChoices();
ChoiceList& DefChoices();

// Resets the three lists, in the order Add, Del, Def, to the single empty slot 0.
void ResetUserChoices();

// Paths of the three files in the work folder; empty when there is no work folder.
std::string GetAddFilePath();
std::string GetDelFilePath();
std::string GetDefFilePath();

// Reads QXAdd.dat, QXDel.dat and QXDef.dat from the work folder into their lists. Failures are
// reported under "GetUserChoices" and the next file is read.
void GetUserChoices();

// Reads one file into the list its name selects by the last 7 characters ("Add.dat", "Del.dat",
// "Def.dat", without regard to case); any other path reads nothing. A line ends at CR or CR LF;
// the last line needs none. A file that cannot be opened leaves the list as it was. Never raises.
void ReadChoiceFile(const std::string& path);

// The lines of a file's content as ReadChoiceFile stores them, slot 0 empty.
ChoiceList SplitChoiceLines(const std::string& content);

}  // namespace tavrel
