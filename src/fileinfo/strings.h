// Small text operations used everywhere: joining paths, removing characters,
// environment substitution in a command line, replacing, and wildcard matching.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavrel {

// Joins path parts as path::Join does, seam by seam. Reports failures under "JoinPaths" and
// returns what was joined.
std::string JoinPaths(std::string_view first, std::string_view second,
                      std::initializer_list<std::string_view> more = {});

// Copies text without the characters in removeChars (without regard to case), without control
// characters (below 32) when removeControl, without characters above 126 when removeNonAscii.
std::string StripChrs(std::string_view text, std::string_view removeChars, bool removeControl,
                      bool removeNonAscii);

// Replaces the environment references found in the first word of a command line; each such
// reference is replaced wherever it occurs in the whole line. A reference that appears only after
// the first word stays as it is.
std::string SubstEnvVars(std::string_view text);

// Replaces every occurrence of find; an inserted replacement is never searched again.
std::string StrReplace(std::string_view text, std::string_view find, std::string_view replacement,
                       bool ignoreCase);

// True when text matches one of the "||"-separated wildcard patterns (? * # [list] [!list]).
bool StrIsLikeAny(std::string_view text, std::string_view patternList);

}  // namespace tavrel
