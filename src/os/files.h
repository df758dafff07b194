// The file services of the ignore markers: existence tests, renaming, deleting, wildcard search
// and whole-file reads and writes, all on ANSI paths. The
// Windows build implements them in files_win.cpp; native tests link an in-memory file system.
#pragma once

#include <string>
#include <vector>

namespace tavrel::files {

// An existing file that is not a folder (hidden and system files count as well).
bool IsFile(const std::string& path);

// Each of these raises a failure (53 file not found, 58 file already exists, 75 path/file access
// error, 76 path not found) when the system refuses.
void RenameFile(const std::string& from, const std::string& to);  // never replaces a file
void RemoveFile(const std::string& path);

// Names (without folder) of the files in folder matching a wildcard pattern such as "*.dat".
std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern);

// The whole content of a file, bytes as stored; raises 53 when it cannot be opened.
std::string ReadWholeFile(const std::string& path);

// Creates or truncates the file and writes content; raises when it cannot be written.
void WriteWholeFile(const std::string& path, const std::string& content);

// The folder of the running executable, without a trailing "\".
std::string ProgramFolder();

}  // namespace tavrel::files
