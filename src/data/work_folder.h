// Where a request's data lie: the per-user work folder in which another component of the product
// may leave the user's choice files, and the data package of the install tree. Paths are UTF-8,
// as the wide file API (platform/unicode_files.h) takes them.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// text without ending when text ends with it (compared without regard to case), else text.
std::string StripSuffix(std::string_view text, std::string_view ending);

// The work folder for a temporary folder path: the path up to its last "\", then "ZV".
std::string WorkFolderFor(std::string_view tempFolder);

// The install root: the program folder without a trailing "Programs" (without regard to case).
std::string InstallRootOf(std::string_view programFolder);

// The data package of an install root: the root, "Data", "QXTavrel.dat".
std::string PackagePathIn(std::string_view installRoot);

}  // namespace tavrel
