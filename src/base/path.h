// Pure helpers for Windows paths held as narrow text (ANSI or UTF-8): joining, and taking a path
// apart into its root, its folder and its file name. They look at the text only; nothing asks
// the file system.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::path {

// Joins two parts with exactly one backslash at the seam; an empty part joins the other
// unchanged, and nothing else is normalised.
std::string Join(std::string_view first, std::string_view second);

// The path as one argument of a command line: in double quotes when it holds a blank and no
// quote, else as it is.
std::string QuotedIfBlank(std::string_view path);

// The file name: what follows the last "\", "/" or drive colon (the whole path when none).
std::string_view FileName(std::string_view path);

// What precedes the file name, ending in its "\", "/" or colon; empty when there is none.
std::string_view Parent(std::string_view path);

// The folder holding the file name, as a folder is named: the parent without the "\" or "/"
// that ends it ("C:\Tools\x.exe" gives "C:\Tools", "C:\x.exe" gives "C:").
std::string_view Folder(std::string_view path);

// The root a path starts from: a drive ("C:") or a server ("\\server"); empty for any other.
std::string_view Root(std::string_view path);

// A program path taken apart as a command line names it: only "\" separates folders.
struct Parts {
  bool drive = false;          // the path begins with a drive letter and colon
  bool share = false;          // the path begins with "\\"
  std::string_view root;       // "C:" or "\\server\share"; empty for a server alone
  std::string_view folder;     // after the root, up to and with the last "\": "\Docs\"
  std::string_view baseName;   // the last part without its extension
  std::string_view extension;  // after the last dot of the last part, without the dot
  bool hasExtension = false;   // the last part holds a dot (one that ends it too)
};
Parts Split(std::string_view path);

}  // namespace tavrel::path
