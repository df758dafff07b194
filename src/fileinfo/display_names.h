// The texts the chooser shows for a program: the short company name, the tidied version, the
// description of the program Windows associates with a document and its path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fileinfo/version_info.h"

namespace tavrel {

// The company name without control characters, cut at its first ",", without the usual legal
// and trade suffixes, dots, commas, hyphens and symbols such as "®" and "™" (letters of any script
// stay); fallback when nothing is left.
std::string ShortCompanyName(std::string_view company, std::string_view fallback);

// The version without control and non-ASCII characters, "|" as "/", "," as "." and no blanks.
std::string CompactVersion(std::string_view version);

// How the chooser shows a program Windows associates with a document.
struct ProgramDescription {
  std::string display;           // company " - " description, or company "- " product name
  std::string version;           // the compacted file version; holds at least one "."
  std::string status;            // "OK"
  std::string shortPath;         // the program's short path
  std::string shortOfShortPath;  // the short path of shortPath once more
};

// The description of a program from its version record and short path; none when there is
// neither a description nor a product name, or the version holds no ".". A "|" in a text of the
// program is shown as "/", as in the user's choice lines, where "|" separates fields.
std::optional<ProgramDescription> DescribeProgram(const FileVersionInfo& info,
                                                  const std::string& shortPath,
                                                  const std::string& shortOfShortPath);

// The path of the program associated with a document; empty when there is none.
std::string GetAssociatedProgram(const std::string& document);

// The description of the program associated with a document, as DescribeProgram makes it.
std::optional<ProgramDescription> GetDefaultProgramInfo(const std::string& document);

}  // namespace tavrel
