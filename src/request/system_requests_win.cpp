// The request's services on Windows, each a thin adapter over the system's implementation, and
// the driver that uses them.
#include "request/system_requests_win.h"

#include "data/unpack.h"
#include "fileinfo/file_type.h"
#include "os/os.h"
#include "request/request_driver.h"
#include "request/trace_output.h"
#include "ui/chooser_window.h"

namespace tavrel {
namespace {

// The work folder's choice files or the data package's. The catalogue of the last successful
// load lives as long as the process.
class PackageChoices final : public ChoiceSource {
 public:
  ChoiceData Read() override { return ReadChoiceData(UnpackFiles(), catalogues_); }

 private:
  CatalogueKeeper catalogues_;
};

// The chooser window, made when a request first needs one and again once it has unloaded.
class WindowChooser final : public RequestChooser {
 public:
  void SetCaption(const std::string& caption) override { Window().SetCaption(caption); }
  CandidateList& Rows() override { return Window(); }
  bool FitToList() override { return Window().FitToList(); }
  // A window that closed since it was fitted (a failure in its handlers) is not made anew empty:
  // the wait then reports what closed it.
  void Show() override {
    if (window_) window_->Show();
  }
  std::int32_t WaitForPick() override {
    if (!window_) return -1;
    const std::int32_t pick = window_->WaitForPick();
    if (!window_->Loaded()) window_.reset();
    return pick;
  }

 private:
  ChooserWindow& Window() {
    if (window_ && !window_->Loaded()) window_.reset();
    if (!window_) window_ = CreateChooserWindow();
    return *window_;
  }

  std::unique_ptr<ChooserWindow> window_;
};

class ShellLauncher final : public Launcher {
 public:
  LaunchResult Launch(const std::string& program, const std::string& document,
                      const std::string& verb, const SearchFolders& folders) override {
    return LaunchProgram(program, document, verb, folders);
  }
  void ReportFailedStart(const std::string& program, const LaunchResult& result) noexcept override {
    tavrel::ReportFailedStart(program, result);
  }
};

}  // namespace

struct SystemRequests::Services {
  PackageChoices choices;
  WindowChooser chooser;
  ShellLauncher launcher;
  ProgramFolderMarkers markers;
  SystemFiles files;
  RequestDriver driver{{choices, chooser, launcher, markers, files}};
};

SearchFolders SystemFiles::ReadSearchFolders() {
  return tavrel::ReadSearchFolders();
}

std::optional<std::uint32_t> SystemFiles::Attributes(const std::string& path) {
  return os::FileAttributes(path);
}

std::string SystemFiles::ShortPath(const std::string& path) {
  return GetShortPath(path);
}

std::optional<ProgramDescription> SystemFiles::DefaultProgram(const std::string& document) {
  return GetDefaultProgramInfo(document);
}

SystemRequests::SystemRequests() : services_(std::make_unique<Services>()) {}
SystemRequests::~SystemRequests() = default;

std::int32_t SystemRequests::Serve(std::u16string_view rsParams) noexcept {
  RequestTrace trace;
  const std::int32_t result = services_->driver.Serve(rsParams, trace);
  // Last, and unable to change the result.
  PublishTrace(trace.Line(result), ConfiguredTraceLog());
  return result;
}

}  // namespace tavrel
