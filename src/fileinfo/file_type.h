// Breaks a shell command line or a file path into program, arguments and path parts, searching
// the Windows, System and Path directories for a program named without its folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fileinfo/search_folders.h"

namespace tavrel {

struct FileTypeInfo {
  std::string InputText;     // the input without leading and trailing blanks
  std::string ExpandedText;  // after environment substitution, quotes of a blank-free program gone
  bool Quoted = false;
  std::string Arguments;
  std::string FullPath;  // the program path when it begins with a drive or a share
  std::string Drive;     // "C:" or "\\server\share"
  std::string Share;
  std::string DriveLetter;
  std::string Folder;  // "\Docs\"
  std::string FileName;
  std::string Extension;  // without the dot
  std::string BaseName;
};

// Analyses a command line or path, looking for a program named without its folder in folders.
// Never raises: failures are reported under "GetFileType" and give an empty record.
FileTypeInfo GetFileType(const std::string& text, const SearchFolders& folders);

// The analysis behind GetFileType, raising its failures; line holds the number of the statement
// that was running (100, 110, 120 or 130 within the program search, 0 where none is kept).
FileTypeInfo AnalyseFileType(const std::string& text, const SearchFolders& folders,
                             std::int32_t& line);

// Short form of an existing file or folder, empty when it does not exist: the system's existence
// test. The same path always gives the same text.
std::string GetShortPath(const std::string& path);

}  // namespace tavrel
