// The unpack's steps on Windows: the system's files and message loop, the package reader and the
// message box.
#include "data/package.h"
#include "data/unpack.h"
#include "errors/message_box.h"
#include "platform/files.h"
#include "platform/messages_win.h"

namespace tavrel {
namespace {

class WindowsUnpackSystem final : public UnpackSystem {
 public:
  void CopyPackage(const std::string& from, const std::string& to) override {
    files::Copy(from, to);
  }
  bool FileExists(const std::string& path) override { return files::IsFile(path); }
  void RemoveFile(const std::string& path) override { files::RemoveFile(path); }
  void PumpMessages() override { PumpPendingMessages(); }
  bool Extract(const std::string& package, const std::string& folder) override {
    package::Result result = package::Extract(package, folder);
    auto& members = UnpackedMembers();
    members.insert(members.end(), result.written.begin(), result.written.end());
    UnpackProblem() =
        result.ok() ? "" : "data package " + std::string(package::OutcomeText(result.outcome));
    return result.ok();
  }
  void ReportMissingCheckFile() override { MessageHandler(message::kUnpackFailed); }
};

}  // namespace

bool UnpackPackage(const std::string& packagePath, const std::string& workFolder) {
  WindowsUnpackSystem system;
  SetUnpackedFilePaths(workFolder);
  return UnpackPackageInto(packagePath, workFolder, CheckFilePath(), system);
}

}  // namespace tavrel
