// Where a request's data lie: the per-user work folder in which another component of the product
// may leave the user's choice files, and the data package of the install tree. Paths are UTF-8,
// as the wide file API (os/unicode_files.h) takes them.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The work folder for a temporary folder path: the path up to its last "\", then "ZV".
std::string WorkFolderFor(std::string_view tempFolder);

// The install root of a program folder: the folder above it when its last folder is named
// "Programs" (without regard to case), keeping the "\" that ends the root; else the program
// folder itself.
std::string InstallRootOf(std::string_view programFolder);

// The data package of an install root: the root, "Data", "QXTavrel.dat".
std::string PackagePathIn(std::string_view installRoot);

}  // namespace tavrel
