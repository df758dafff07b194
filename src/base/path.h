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

// The file name: what follows the last "\", "/" or drive colon (the whole path when none).
std::string_view FileName(std::string_view path);

// What precedes the file name, ending in its "\", "/" or colon; empty when there is none.
std::string_view Parent(std::string_view path);

// The folder holding the file name, as a folder is named: the parent without the "\" or "/"
// that ends it ("C:\Tools\x.exe" gives "C:\Tools", "C:\x.exe" gives "C:").
std::string_view Folder(std::string_view path);

// The root a path starts from: a drive ("C:") or a server ("\\server"); empty for any other.
std::string_view Root(std::string_view path);

}  // namespace tavrel::path
