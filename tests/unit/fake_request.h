// Stand-ins for the services of a request in native tests: the user's data files by name (the
// work folder's, read as the server reads them; no package, or a locked one), the chooser (its rows
// are logged when shown, and a pick is made while it waits), the shell's answer to a start, and the
// file queries (over fake_os, with a chosen description of the Windows default program). The
// markers are the real ones, in fake_os's program folder. What happens is logged in order. Each
// call counts as one of fake_os's system calls and can be made to fail.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fake_os.h"
#include "fileinfo/file_type.h"
#include "fileinfo/search_folders.h"
#include "os/os.h"
#include "request/request_driver.h"

namespace tavrel::fake_request {

using Log = std::vector<std::string>;

class Choices final : public ChoiceSource {
 public:
  ChoiceData Read() override;

  std::map<std::string, std::string> files;  // QXAdd.dat, QXDel.dat, QXDef.dat, QXma.xml
  bool packageLocked = false;                // else there is none

 private:
  CatalogueKeeper catalogues_;  // kept across requests, as the server keeps it
};

// Logs "show" with its rows ("text|detail", blue rows marked "(blue)") and its caption.
class Chooser final : public RequestChooser {
 public:
  explicit Chooser(Log& log) : log_(log) {}
  void SetCaption(const std::string& text) override;
  CandidateList& Rows() override { return rows; }
  bool FitToList() override { return !fake_os::CallFails() && fits; }
  void Show() override;
  std::int32_t WaitForPick() override;

  std::string caption;
  CandidateVector rows;
  bool fits = true;
  std::function<std::int32_t()> pick = [] { return 0; };  // the 1-based row picked; 0: none

 private:
  Log& log_;
};

// Logs "start PROGRAM DOCUMENT VERB in FOLDER" (with "armed" when the ignore marker is armed at
// that moment) and "report PROGRAM"; a report goes to the error handler as the server's does.
class Shell final : public Launcher {
 public:
  explicit Shell(Log& log) : log_(log) {}
  LaunchResult Launch(const std::string& program, const std::string& document,
                      const std::string& verb, const SearchFolders& folders) override;
  void ReportFailedStart(const std::string& program, const LaunchResult& result) noexcept override {
    log_.push_back("report " + program);
    tavrel::ReportFailedStart(program, result);
  }

  std::int32_t answer = 42;  // above 32: started
  int started = 0;           // starts that succeeded
  std::function<void()> whileStarting = [] {};

 private:
  Log& log_;
};

class Files final : public RequestFiles {
 public:
  SearchFolders ReadSearchFolders() override { return tavrel::ReadSearchFolders(); }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    return os::FileAttributes(path);
  }
  std::string ShortPath(const std::string& path) override { return GetShortPath(path); }
  std::optional<ProgramDescription> DefaultProgram(const std::string&) override;

  std::function<std::optional<ProgramDescription>()> defaultProgram = [] { return std::nullopt; };
};

// One server process's worth of services and its driver.
struct World {
  World() : driver({choices, chooser, shell, markers, files}) {}
  // Serves one request; returns the result, and "result DECISION" of its trace line without the
  // server's time.
  std::int32_t Serve(std::string_view rsParams);

  Log log;
  Choices choices;
  Chooser chooser{log};
  Shell shell{log};
  ProgramFolderMarkers markers;
  Files files;
  RequestDriver driver;
  std::vector<std::string> traces;  // each request's trace line, timings left out
};

// What a request that met failures must not leave behind, checked against the files before it:
// a pending failure, a call depth or a record on the error trail, a file written or removed
// (apart from the markers), an armed marker without a start. Returns what it found, or nothing.
std::string LeftBehind(const World& w, const std::map<std::string, std::string>& filesBefore);

// Puts the marker files of fake_os's program folder back as they were.
void RestoreMarkers(const std::map<std::string, std::string>& filesBefore);

}  // namespace tavrel::fake_request
