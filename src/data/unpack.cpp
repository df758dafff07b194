#include "data/unpack.h"

#include "errors/failure.h"
#include "errors/reporting.h"

namespace tavrel {

std::string& CheckFilePath() {
  static std::string path;
  return path;
}

std::string& CataloguePath() {
  static std::string path;
  return path;
}

bool UnpackPackageInto(const std::string& packagePath, const std::string& workFolder,
                       const std::string& checkFilePath, UnpackSystem& system) {
  std::string copy = workFolder;
  if (!copy.empty() && copy.back() != '\\' && copy.back() != '/') copy += '\\';
  copy += "QXTavrel.dat";

  // A missing package shows only in the attempts below failing.
  SkipFailure([&] { system.CopyFile(packagePath, copy); });
  for (int round = 0; round < kCopyWaitRounds; ++round) {
    SkipFailure([&] { system.PumpMessages(); });
    bool copied = false;
    SkipFailure([&] { copied = system.IsFile(copy); });
    if (copied) break;
  }

  bool ok = false;
  bool checkFileThere = false;
  for (int attempt = 0; attempt < kUnpackAttempts && !ok && !checkFileThere; ++attempt) {
    SkipFailure([&] { ok = system.Extract(copy, workFolder); });
    SkipFailure([&] { system.PumpMessages(); });
    SkipFailure([&] { system.PumpMessages(); });
    SkipFailure([&] { checkFileThere = system.IsFile(checkFilePath); });
  }

  SkipFailure([&] { system.DeleteFile(copy); });
  if (!ok) return false;
  SkipFailure([&] { checkFileThere = system.IsFile(checkFilePath); });
  if (checkFileThere) return true;
  ClearPendingFailure();
  SkipFailure([&] { system.ReportMissingCheckFile(); });
  return false;
}

}  // namespace tavrel
