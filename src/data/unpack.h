// Reading a request's data files into memory: the user choice files another component has put
// in the work folder, or else the members of the data package. Nothing is written: no work
// folder, no copy, nothing to clean up.
#pragma once

#include <string>
#include <string_view>

#include "data/data_files.h"
#include "os/unicode_files.h"

namespace tavrel {

// The system's side of reading a request's data, so that the sequence can run against a fake.
class DataSource {
 public:
  virtual ~DataSource() = default;
  // Reads the file of this name in the work folder (at most maxBytes of it).
  virtual files::FileRead ReadWorkFile(std::string_view name, std::uint64_t maxBytes,
                                       std::string& bytes) = 0;
  // Reads the whole data package.
  virtual files::FileRead ReadPackage(std::string& bytes) = 0;
  // Waits a moment before the package is tried again, letting window messages be processed.
  virtual void WaitBeforeRetry() = 0;
  // Tells the user that the package held no check file (message 4502).
  virtual void ReportMissingCheckFile() = 0;
};

// The most attempts at reading a package another process holds locked.
inline constexpr int kPackageAttempts = 11;

// The names of the three choice files; one of them in the work folder means the work folder's
// files are used and the package is not opened.
inline constexpr std::string_view kChoiceFileNames[] = {"QXAdd.dat", "QXDel.dat", "QXDef.dat"};

// Reads the request's data files. When the work folder holds a choice file, the choice files and
// the catalogue found there are read (and left in place). Otherwise the package is read, retried
// while another process holds it locked, and its choice files and catalogue taken; a package
// that is missing, damaged, refused or wrongly encrypted gives no files at once, quietly; one
// without the check file "QXcat.xml" gives its files after ReportMissingCheckFile.
DataFiles ReadDataFiles(DataSource& source);

// The same with the system's files: the work folder in the user's temporary folder and the
// package of the install tree, both through the wide file API. Never throws; failures are
// reported under "UnpackFiles".
DataFiles UnpackFiles();

// The same for a temporary folder and a program folder given in UTF-8.
DataFiles UnpackFilesFor(const std::string& tempFolder, const std::string& programFolder);

}  // namespace tavrel
