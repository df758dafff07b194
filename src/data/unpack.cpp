#include "data/unpack.h"

#include "errors/failure.h"
#include "errors/reporting.h"
#include "fileinfo/strings.h"

namespace tavrel {
namespace {

std::string InWorkFolder(const std::string& workFolder, const char* name) {
  return JoinPaths(workFolder, name);
}

}  // namespace

std::string& UnpackProblem() {
  static std::string problem;
  return problem;
}

std::string& CheckFilePath() {
  static std::string path;
  return path;
}

std::string& CataloguePath() {
  static std::string path;
  return path;
}

std::vector<std::string>& UnpackedMembers() {
  static std::vector<std::string> names;
  return names;
}

void SetUnpackedFilePaths(const std::string& workFolder) {
  CheckFilePath() = InWorkFolder(workFolder, "QXcat.xml");
  CataloguePath() = InWorkFolder(workFolder, "QXma.xml");
}

bool UnpackPackageInto(const std::string& packagePath, const std::string& workFolder,
                       const std::string& checkFilePath, UnpackSystem& system) {
  const std::string copy = InWorkFolder(workFolder, "QXTavrel.dat");

  // A missing package shows only in the attempts below failing.
  SkipFailure([&] { system.CopyPackage(packagePath, copy); });
  for (int round = 0; round < kCopyWaitRounds; ++round) {
    SkipFailure([&] { system.PumpMessages(); });
    bool copied = false;
    SkipFailure([&] { copied = system.FileExists(copy); });
    if (copied) break;
  }

  bool ok = false;
  bool checkFileThere = false;
  for (int attempt = 0; attempt < kUnpackAttempts && !ok && !checkFileThere; ++attempt) {
    SkipFailure([&] { ok = system.Extract(copy, workFolder); });
    SkipFailure([&] { system.PumpMessages(); });
    SkipFailure([&] { system.PumpMessages(); });
    SkipFailure([&] { checkFileThere = system.FileExists(checkFilePath); });
  }

  SkipFailure([&] { system.RemoveFile(copy); });
  if (!ok) return false;
  SkipFailure([&] { checkFileThere = system.FileExists(checkFilePath); });
  if (checkFileThere) return true;
  ClearPendingFailure();
  UnpackProblem() = "data package holds no check file";
  SkipFailure([&] { system.ReportMissingCheckFile(); });
  return false;
}

}  // namespace tavrel
