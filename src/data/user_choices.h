// The user's choices of programs per document type: the raw lines of QXAdd.dat (programs added
// for a type), QXDel.dat (types without a chooser) and QXDef.dat (a type's default program), and
// the fields of one such line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_files.h"

namespace tavrel {

// A list of raw lines numbered from 1; slot 0 exists and stays empty, so the last index is the
// number of lines. Lines are split at "|" only when they are looked up.
using ChoiceList = std::vector<std::string>;

// The three lists of one request; a file that is not there leaves its list empty (slot 0 only).
struct UserChoices {
  ChoiceList add = ChoiceList(1);  // QXAdd.dat
  ChoiceList del = ChoiceList(1);  // QXDel.dat
  ChoiceList def = ChoiceList(1);  // QXDef.dat
};

// One choice line split at "|" into its fields, each a view into the line; a field the line does
// not have is nullopt (an empty line has none at all, not even a key).
struct ChoiceLine {
  std::optional<std::string_view> key;           // "." + extension, or "*" for "Open With..."
  std::optional<std::string_view> displayName;   // company " - " product
  std::optional<std::string_view> version;       // the program's version text
  std::optional<std::string_view> status;        // a status word, not read
  std::optional<std::string_view> program;       // the path of the program to start
  std::optional<std::string_view> shortProgram;  // its short (8.3) path
};

[[nodiscard]] ChoiceLine ParseChoiceLine(std::string_view line);

// The text of a field a reader needs; a field the line lacks fails with 9 (subscript out of
// range), which ends the request that reads it.
std::string_view Need(const std::optional<std::string_view>& field);

// Reads the request's QXAdd.dat, QXDel.dat and QXDef.dat, in this order, decoded from the
// system's ANSI code page into UTF-8; a file that is not there leaves its list empty. Failures are
// reported under "GetUserChoices" and the next file is read.
[[nodiscard]] UserChoices GetUserChoices(const DataFiles& files);

// The lines of a file's content, slot 0 empty. A line ends at CR or CR LF; the last line needs
// none.
ChoiceList SplitChoiceLines(std::string_view content);

}  // namespace tavrel
