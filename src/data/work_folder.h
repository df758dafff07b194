// The install tree and the per-user work folder the data package is unpacked into, and the
// clean-up that removes the unpacked files again within the same request.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The work folder of this request: the user's temporary folder with "ZV" appended. Empty until
// PrepareWorkFolder has run, or when the system gave no temporary folder.
std::string& WorkFolder();

// True when the work folder was already there at the start of this request.
bool& WorkFolderExisted();

// True when the work folder held a "*.dat" file at the start of this request: the files found
// there are used as they are and this request leaves them in place.
bool& UnpackedBefore();

// The install root of a program folder: the folder above it when its last folder is named
// "Programs" (without regard to case), keeping the "\" that ends the root; else the program
// folder itself.
std::string InstallRootFor(std::string_view programFolder);

// The work folder for a temporary folder path: the path up to its last "\", then "ZV".
std::string WorkFolderFor(std::string_view tempFolder);

// The install root of the running program (InstallRootFor its program folder).
std::string GetInstallRoot();

// The data package: install root, "Data", "QXTavrel.dat".
std::string GetPackagePath();

// Sets WorkFolder and WorkFolderExisted, and creates the folder when it is missing (a failure to
// create it is ignored).
void PrepareWorkFolder();

// Sets UnpackedBefore: whether the work folder already holds a "*.dat" file. Returns it.
bool FindDataFilesInWorkFolder();

// Deletes the unpacked "*.dat" and "*.xml" files unless they were there before, then removes the
// work folder unless it was there before. Every failure is ignored.
void CleanWorkFolder();

// Removes the work folder unless it existed before this request; a failure is ignored.
void RemoveWorkFolder();

}  // namespace tavrel
