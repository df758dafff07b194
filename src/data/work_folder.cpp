#include "data/work_folder.h"

#include "data/unpack.h"
#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "fileinfo/text.h"
#include "platform/files.h"

namespace tavrel {

std::string& WorkFolder() {
  static std::string folder;
  return folder;
}

bool& WorkFolderExisted() {
  static bool existed = false;
  return existed;
}

bool& UnpackedBefore() {
  static bool before = false;
  return before;
}

std::string InstallRootFor(std::string_view programFolder) {
  // The folder's name is compared as a whole: a folder such as "MyPrograms" is no "Programs"
  // folder, and cutting the text would leave a root that does not exist ("C:\Apps\My").
  const auto slash = programFolder.find_last_of("\\/");
  if (slash != std::string_view::npos &&
      text::EqualsNoCase(programFolder.substr(slash + 1), "Programs"))
    return std::string(programFolder.substr(0, slash + 1));
  return std::string(programFolder);
}

std::string WorkFolderFor(std::string_view tempFolder) {
  const auto slash = tempFolder.find_last_of('\\');
  const auto head =
      slash == std::string_view::npos ? std::string_view() : tempFolder.substr(0, slash + 1);
  return std::string(head) + "ZV";
}

std::string GetInstallRoot() {
  return InstallRootFor(files::ProgramFolder());
}

std::string GetPackagePath() {
  return JoinPaths(GetInstallRoot(), "Data", {"QXTavrel.dat"});
}

void PrepareWorkFolder() {
  WorkFolder().clear();
  // Without a temporary folder there is no work folder: nothing is read, made or deleted, rather
  // than a folder "ZV" relative to whatever the current folder happens to be.
  WorkFolderExisted() = true;
  const std::string temp = files::TempFolder();
  if (temp.empty()) return;
  WorkFolder() = WorkFolderFor(temp);
  WorkFolderExisted() = files::IsFolder(WorkFolder());
  if (!WorkFolderExisted()) SkipFailure([] { files::CreateFolder(WorkFolder()); });
}

bool FindDataFilesInWorkFolder() {
  UnpackedBefore() = false;
  if (WorkFolder().empty()) return false;
  SkipFailure([] { UnpackedBefore() = !files::FindFiles(WorkFolder(), "*.dat").empty(); });
  return UnpackedBefore();
}

void CleanWorkFolder() {
  if (WorkFolder().empty()) return;
  if (!UnpackedBefore()) {
    for (const char* pattern : {"*.dat", "*.xml"}) {
      std::vector<std::string> names;
      SkipFailure([&] { names = files::FindFiles(WorkFolder(), pattern); });
      for (const auto& name : names)
        SkipFailure([&] { files::RemoveFile(JoinPaths(WorkFolder(), name)); });
    }
    for (const auto& name : UnpackedMembers())
      SkipFailure([&] { files::RemoveFile(JoinPaths(WorkFolder(), name)); });
  }
  UnpackedMembers().clear();
  RemoveWorkFolder();
}

void RemoveWorkFolder() {
  if (WorkFolder().empty() || WorkFolderExisted()) return;
  SkipFailure([] { files::RemoveFolder(WorkFolder()); });
}

}  // namespace tavrel
