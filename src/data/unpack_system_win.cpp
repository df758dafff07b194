// The unpack's steps on Windows: file copy, existence test and deletion, the message loop, the
// package reader and the message box.
#include <windows.h>

#include "data/package.h"
#include "data/unpack.h"
#include "errors/failure.h"
#include "errors/message_box.h"

namespace tavrel {
namespace {

class WindowsUnpackSystem final : public UnpackSystem {
 public:
  void CopyPackage(const std::string& from, const std::string& to) override {
    if (!::CopyFileA(from.c_str(), to.c_str(), FALSE)) Fail();
  }
  bool FileExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  void RemoveFile(const std::string& path) override {
    if (!::DeleteFileA(path.c_str())) Fail();
  }
  void PumpMessages() override {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  bool Extract(const std::string& package, const std::string& folder) override {
    package::Result result = package::Extract(package, folder);
    auto& members = UnpackedMembers();
    members.insert(members.end(), result.written.begin(), result.written.end());
    return result.ok();
  }
  void ReportMissingCheckFile() override { MessageHandler(message::kUnpackFailed); }

 private:
  [[noreturn]] static void Fail() {
    const auto error = static_cast<std::int32_t>(GetLastError());
    Raise(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? errnum::kFileNotFound
                                                                         : errnum::kPathNotFound,
          {}, error);
  }
};

}  // namespace

bool UnpackPackage(const std::string& packagePath, const std::string& workFolder) {
  WindowsUnpackSystem system;
  SetUnpackedFilePaths(workFolder);
  return UnpackPackageInto(packagePath, workFolder, CheckFilePath(), system);
}

}  // namespace tavrel
