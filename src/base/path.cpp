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

std::string QuotedIfBlank(std::string_view path) {
  if (path.find(' ') != std::string_view::npos && path.find('"') == std::string_view::npos)
    return "\"" + std::string(path) + "\"";
  return std::string(path);
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

Parts Split(std::string_view path) {
  constexpr auto kNone = std::string_view::npos;
  Parts parts;
  std::string_view rest = path;
  if (path.size() >= 2 && path.compare(0, 2, "\\\\") == 0) {
    parts.share = true;
    const std::size_t server = path.find('\\', 2);
    if (server != kNone) {
      const std::size_t share = path.find('\\', server + 1);
      parts.root = path.substr(0, share);
      rest = share == kNone ? std::string_view() : path.substr(share);
    }
  } else if (path.size() >= 2 && path[1] == ':') {
    parts.drive = true;
    parts.root = path.substr(0, 2);
    rest = path.substr(2);
  }
  const std::size_t dot = rest.rfind('.');
  const std::size_t lastBackslash = rest.rfind('\\');
  parts.hasExtension = dot != kNone && (lastBackslash == kNone || dot > lastBackslash);
  if (parts.hasExtension) {
    parts.extension = rest.substr(dot + 1);
    rest = rest.substr(0, dot);
  }
  const std::size_t folderEnd = rest.rfind('\\');
  if (folderEnd != kNone) {
    parts.folder = rest.substr(0, folderEnd + 1);
    rest.remove_prefix(folderEnd + 1);
  }
  parts.baseName = rest;
  return parts;
}

}  // namespace tavrel::path
