// Unpacking the data package into the work folder at the start of a request: the package is
// copied into the work folder, extracted from the copy, and the copy deleted again.
#pragma once

#include <string>
#include <vector>

namespace tavrel {

// Unpacks the data package of the install tree into the work folder at the start of a request:
// prepares the work folder and sets the paths of the unpacked files; when the work folder holds
// "*.dat" files already they are used as they are (true); otherwise the package is unpacked
// (UnpackPackage). Without a work folder nothing is unpacked (false). Never throws; failures are
// reported under "UnpackFiles".
bool UnpackFiles();

// Why this request's unpack left no data files, in plain words ("data package damaged (wrong
// password)"); empty when it unpacked the package or found the files there already.
std::string& UnpackProblem();

// The unpacked check file "QXcat.xml" (its presence proves an unpack) and catalogue "QXma.xml".
std::string& CheckFilePath();
std::string& CataloguePath();

// The names of the files this request's unpack wrote into the work folder; the clean-up removes
// them with the data files, so that a package's other members are not left behind.
std::vector<std::string>& UnpackedMembers();

// Sets CheckFilePath and CataloguePath to the files in the work folder.
void SetUnpackedFilePaths(const std::string& workFolder);

// The steps of an unpack that touch the system, so that the sequence can run against a fake.
class UnpackSystem {
 public:
  virtual ~UnpackSystem() = default;
  // Each may raise a failure; the unpack ignores it and goes on with its next step.
  virtual void CopyPackage(const std::string& from, const std::string& to) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual void RemoveFile(const std::string& path) = 0;
  // Lets pending window messages be processed.
  virtual void PumpMessages() = 0;
  // One extraction attempt of the package into the folder; true when it succeeded.
  virtual bool Extract(const std::string& package, const std::string& folder) = 0;
  // Tells the user that the package held no check file (message 4502).
  virtual void ReportMissingCheckFile() = 0;
};

// The most extraction attempts of one unpack, and the most rounds spent waiting for the copy.
inline constexpr int kUnpackAttempts = 11;
inline constexpr int kCopyWaitRounds = 101;

// Copies the package into the work folder, waits for the copy, extracts it (up to
// kUnpackAttempts times, until the check file exists or an attempt succeeds), deletes the copy
// and checks for the check file. Returns true when an attempt succeeded and the check file is
// there; a package that cannot be extracted gives false without a message, a package without
// check file gives false after ReportMissingCheckFile.
bool UnpackPackageInto(const std::string& packagePath, const std::string& workFolder,
                       const std::string& checkFilePath, UnpackSystem& system);

// The same with the system's own files and message loop, extracting with the product's password
// (package.h) and showing message 4502 for a package without check file.
bool UnpackPackage(const std::string& packagePath, const std::string& workFolder);

}  // namespace tavrel
