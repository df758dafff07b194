// The file services of the ignore markers: renaming, deleting and whole-file writes, all on UTF-8
// paths given to the wide API. The Windows build implements them in files_win.cpp; native tests
// link an in-memory file system.
#pragma once

#include <string>

namespace tavrel::files {

// Each of these raises a failure (53 file not found, 58 file already exists, 75 path/file access
// error, 76 path not found) when the system refuses.
void RenameFile(const std::string& from, const std::string& to);  // never replaces a file
void RemoveFile(const std::string& path);

// Creates or truncates the file and writes content; raises when it cannot be written.
void WriteWholeFile(const std::string& path, const std::string& content);

// The folder of the running executable, without a trailing "\"; empty when the system gives none.
std::string ProgramFolder();

}  // namespace tavrel::files
