#include "fileinfo/file_type.h"

#include <array>
#include <optional>
#include <string_view>

#include "base/path.h"
#include "base/text.h"
#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "os/os.h"

namespace tavrel {
namespace {

constexpr std::size_t kNone = std::string::npos;

// Extensions tried, in this order, for a program named without one.
constexpr std::array<std::string_view, 3> kProgramExtensions = {".bat", ".com", ".exe"};

// A network path ("\\") or a drive letter and colon: such a name is never looked up in the
// search directories.
constexpr std::string_view kAbsolutePatterns = R"(\\||[a-zA-Z]:)";

// A file as typed counts when it exists and is neither a folder nor a system file; read-only,
// hidden and archive files count. Raises when the path cannot be tested at all.
bool IsProgramFile(const std::string& path) {
  return os::IsFile(path, os::kAttrSystem);
}

// The candidate joined to the first search directory that holds it: the Windows directory, the
// System directory, then the non-empty Path entries. A candidate without an extension is tried
// with each program extension in turn.
std::optional<std::string> FindInSearchDirs(const std::string& candidate, bool hasExtension,
                                            const SearchFolders& folders) {
  std::vector<std::string> dirs{folders.WindowsDir, folders.SystemDir};
  const auto& pathDirs = folders.PathDirs;
  for (std::size_t k = 1; k < pathDirs.size(); ++k)
    if (!pathDirs[k].empty()) dirs.push_back(pathDirs[k]);
  for (const auto& dir : dirs) {
    const std::string joined = JoinPaths(dir, candidate);
    if (hasExtension) {
      if (!GetShortPath(joined).empty()) return joined;
      continue;
    }
    for (const auto extension : kProgramExtensions) {
      std::string withExtension = joined + std::string(extension);
      if (!GetShortPath(withExtension).empty()) return withExtension;
    }
  }
  return std::nullopt;
}

struct SearchHit {
  std::string path;        // the file as typed, or joined to a search directory
  std::size_t length = 0;  // length of the candidate that was found
  bool inSearchDir = false;
};

// Tries ever shorter leading parts of the line, cut at blanks, first as typed and then in the
// search directories, so that a longer candidate anywhere wins over a shorter one.
std::optional<SearchHit> SearchProgram(const std::string& line, const SearchFolders& folders,
                                       std::int32_t& statement) {
  std::size_t length = line.size();
  for (;;) {
    statement = 0;
    const std::string candidate = line.substr(0, length);
    const auto dot = candidate.rfind('.');
    statement = 100;
    const auto backslash = candidate.rfind('\\');
    statement = 110;
    // A dot inside a folder name, or right after the last backslash, is no extension.
    const std::size_t dotPos = dot == kNone ? 0 : dot + 1;
    const std::size_t backslashPos = backslash == kNone ? 0 : backslash + 1;
    const bool hasExtension = dotPos > backslashPos + 1;
    statement = 120;
    if (IsProgramFile(candidate)) return SearchHit{candidate, length, false};
    statement = 130;
    if (!StrIsLikeAny(candidate.substr(0, 2), kAbsolutePatterns)) {
      if (auto found = FindInSearchDirs(candidate, hasExtension, folders))
        return SearchHit{std::move(*found), length, true};
    }
    // Cut at the last blank before the candidate's end; a cut that would leave fewer than two
    // characters ends the search.
    if (length <= 1) return std::nullopt;
    const auto blank = line.rfind(' ', length - 1);
    if (blank == kNone || blank <= 1) return std::nullopt;
    length = blank;
  }
}

// Breaks the program path into drive or share, folder, base name and extension.
void SplitPath(std::string p, FileTypeInfo& info) {
  // A placeholder such as %1 names no file.
  if (p.size() >= 2 && p[0] == '%' && p[1] >= '0' && p[1] <= '9') p.clear();
  const path::Parts parts = path::Split(p);
  if (parts.drive || parts.share) info.FullPath = p;
  info.Drive = parts.root;
  if (parts.share) info.Share = parts.root;
  if (parts.drive) info.DriveLetter = parts.root.substr(0, 1);
  info.Folder = parts.folder;
  info.BaseName = parts.baseName;
  info.Extension = parts.extension;
  info.FileName = parts.hasExtension ? info.BaseName + "." + info.Extension : info.BaseName;
}

}  // namespace

FileTypeInfo AnalyseFileType(const std::string& input, const SearchFolders& folders,
                             std::int32_t& line) {
  line = 0;
  FileTypeInfo info;
  std::string s(text::TrimBlanks(input));
  info.InputText = s;
  s = SubstEnvVars(s);
  info.ExpandedText = s;
  info.Quoted = !s.empty() && s.front() == '"';
  if (info.Quoted) {
    s.erase(0, 1);
    const auto closing = s.find('"');
    if (closing != kNone) {
      info.Arguments = s.substr(closing + 1);
      s.erase(closing);
    }
    // A quoted program without blanks needs no quotes: the search then runs on the plain line.
    if (s.find(' ') == kNone)
      info.ExpandedText = StrReplace(info.ExpandedText, '"' + s + '"', s, true);
  }

  std::string program;
  if (info.ExpandedText.empty() || (info.Quoted && s.find(' ') != kNone)) {
    program = s;
  } else {
    const std::string& whole = info.ExpandedText;
    const auto hit = SearchProgram(whole, folders, line);
    if (!hit) {
      info.Arguments.clear();
    } else if (hit->length < whole.size()) {
      info.Arguments = whole.substr(hit->length + 1);
      program = hit->path;
    } else {
      info.Arguments.clear();
      program = hit->inSearchDir ? hit->path : s;
    }
  }
  line = 130;
  SplitPath(std::move(program), info);
  return info;
}

FileTypeInfo GetFileType(const std::string& text, const SearchFolders& folders) {
  FileTypeInfo info;
  std::int32_t line = 0;
  const bool finished = RunReported(
      "GetFileType", [&] { info = AnalyseFileType(text, folders, line); }, &line);
  return finished ? info : FileTypeInfo{};
}

std::string GetShortPath(const std::string& path) {
  return os::ShortPathName(path);
}

}  // namespace tavrel
