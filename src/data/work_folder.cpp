#include "data/work_folder.h"

#include "base/path.h"
#include "base/text.h"
#include "fileinfo/strings.h"

namespace tavrel {

std::string WorkFolderFor(std::string_view tempFolder) {
  return std::string(path::Parent(tempFolder)) + "ZV";
}

std::string InstallRootOf(std::string_view programFolder) {
  // The folder's name is compared as a whole: a folder such as "MyPrograms" is no "Programs"
  // folder, and cutting the text would leave a root that does not exist ("C:\Apps\My").
  const std::string_view root = path::Parent(programFolder);
  if (!root.empty() && text::EqualsNoCase(path::FileName(programFolder), "Programs"))
    return std::string(root);
  return std::string(programFolder);
}

std::string PackagePathIn(std::string_view installRoot) {
  return JoinPaths(installRoot, "Data", {"QXTavrel.dat"});
}

}  // namespace tavrel
