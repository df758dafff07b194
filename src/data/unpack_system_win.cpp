// The request's data on Windows: the work folder in the user's temporary folder and the package
// of the install tree, read through the wide file API; the message loop while a locked package is
// waited for; the message box for a package without check file.
#include <windows.h>

#include "data/package.h"
#include "data/unpack.h"
#include "data/work_folder.h"
#include "errors/message_box.h"
#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "os/files.h"
#include "os/messages_win.h"

namespace tavrel {
namespace {

// How long one wait for a locked package lasts; the attempts wait at most ten times this.
constexpr DWORD kRetryWaitMilliseconds = 50;

class WindowsDataSource final : public DataSource {
 public:
  WindowsDataSource(const std::string& tempFolder, const std::string& programFolder)
      : package_(programFolder.empty() ? std::string()
                                       : PackagePathIn(InstallRootOf(programFolder))) {
    // Without a temporary folder there is no work folder, rather than a "ZV" relative to
    // whatever the current folder happens to be.
    if (!tempFolder.empty()) workFolder_ = WorkFolderFor(tempFolder);
  }

  files::FileRead ReadWorkFile(std::string_view name, std::uint64_t maxBytes,
                               std::string& bytes) override {
    if (workFolder_.empty()) return files::FileRead::kMissing;
    return files::ReadSharedFile(JoinPaths(workFolder_, name), maxBytes, bytes);
  }
  files::FileRead ReadPackage(std::string& bytes) override {
    return files::ReadSharedFile(package_, package::kMaxPackageBytes, bytes);
  }
  void WaitBeforeRetry() override {
    PumpPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kRetryWaitMilliseconds, QS_ALLINPUT);
    PumpPendingMessages();
  }
  void ReportMissingCheckFile() override { MessageHandler(message::kUnpackFailed); }

 private:
  std::string workFolder_;
  std::string package_;
};

}  // namespace

DataFiles UnpackFilesFor(const std::string& tempFolder, const std::string& programFolder) {
  DataFiles files;
  RunReported("UnpackFiles", [&] {
    WindowsDataSource source(tempFolder, programFolder);
    files = ReadDataFiles(source);
  });
  return files;
}

DataFiles UnpackFiles() {
  return UnpackFilesFor(files::TempFolderUtf8(), files::ProgramFolder());
}

}  // namespace tavrel
