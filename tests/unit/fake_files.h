// An in-memory file system that stands in for the system's files in native tests: paths compare
// without regard to case, "C:" is always there, and a folder can be made unwritable.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrel::fakefs {

// Empties the file system; the temporary folder becomes C:\Users\me\Temp\ and the program
// folder C:\Tools\Quillbox\Programs, neither of which exists until added.
void Reset();

void SetTempFolder(const std::string& path);
void SetProgramFolder(const std::string& path);

// Adds a folder and any missing parents.
void AddFolder(const std::string& path, bool writable = true);
// Adds a file (its folder must exist), replacing any content.
void AddFile(const std::string& path, const std::string& content);

std::optional<std::string> Content(const std::string& path);
bool Exists(const std::string& path);

// Names of the files and folders directly inside a folder, sorted.
std::vector<std::string> Children(const std::string& folder);

}  // namespace tavrel::fakefs
