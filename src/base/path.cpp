#include "base/path.h"

namespace tavrel::path {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace

std::string Join(std::string_view first, std::string_view second) {
  std::string joined(first);
  if (first.empty() || second.empty()) return joined.append(second);
  const bool firstEnds = first.back() == '\\';
  const bool secondBegins = second.front() == '\\';
  if (firstEnds && secondBegins) {
    joined.pop_back();
  } else if (!firstEnds && !secondBegins) {
    joined.push_back('\\');
  }
  return joined.append(second);
}

std::string_view FileName(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view Parent(std::string_view path) {
  return path.substr(0, path.size() - FileName(path).size());
}

std::string_view Folder(std::string_view path) {
  std::string_view parent = Parent(path);
  if (!parent.empty() && IsSeparator(parent.back())) parent.remove_suffix(1);
  return parent;
}

std::string_view Root(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.compare(0, 2, "\\\\") == 0) return path.substr(0, path.find('\\', 2));
  return {};
}

}  // namespace tavrel::path
