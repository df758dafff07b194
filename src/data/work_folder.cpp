#include "data/work_folder.h"

#include "base/text.h"
#include "fileinfo/strings.h"

namespace tavrel {

std::string WorkFolderFor(std::string_view tempFolder) {
  const auto slash = tempFolder.find_last_of('\\');
  const auto head =
      slash == std::string_view::npos ? std::string_view() : tempFolder.substr(0, slash + 1);
  return std::string(head) + "ZV";
}

std::string InstallRootOf(std::string_view programFolder) {
  // The folder's name is compared as a whole: a folder such as "MyPrograms" is no "Programs"
  // folder, and cutting the text would leave a root that does not exist ("C:\Apps\My").
  const auto slash = programFolder.find_last_of("\\/");
  if (slash != std::string_view::npos &&
      text::EqualsNoCase(programFolder.substr(slash + 1), "Programs"))
    return std::string(programFolder.substr(0, slash + 1));
  return std::string(programFolder);
}

std::string PackagePathIn(std::string_view installRoot) {
  return JoinPaths(installRoot, "Data", {"QXTavrel.dat"});
}

}  // namespace tavrel
