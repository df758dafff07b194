#include "data/work_folder.h"

#include "fileinfo/strings.h"
#include "fileinfo/text.h"

namespace tavrel {

std::string StripSuffix(std::string_view text, std::string_view ending) {
  if (ending.size() <= text.size() &&
      text::EqualsNoCase(text.substr(text.size() - ending.size()), ending))
    return std::string(text.substr(0, text.size() - ending.size()));
  return std::string(text);
}

std::string WorkFolderFor(std::string_view tempFolder) {
  const auto slash = tempFolder.find_last_of('\\');
  const auto head =
      slash == std::string_view::npos ? std::string_view() : tempFolder.substr(0, slash + 1);
  return std::string(head) + "ZV";
}

std::string InstallRootOf(std::string_view programFolder) {
  return StripSuffix(programFolder, "Programs");
}

std::string PackagePathIn(std::string_view installRoot) {
  return JoinPaths(installRoot, "Data", {"QXTavrel.dat"});
}

}  // namespace tavrel
