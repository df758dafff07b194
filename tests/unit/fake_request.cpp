#include "fake_request.h"

#include "base/text.h"
#include "base/utf.h"
#include "data/unpack.h"
#include "errors/reporting.h"
#include "os/files.h"

namespace tavrel::fake_request {
namespace {

// A marker's path, as the markers name it and as fake_os::AllFiles lists it.
std::string Marker(const char* name) {
  return fake_os::Dirs().program + name;
}
const char* const kMarkers[] = {"\\Bl1.ign", "\\Bl1.ok"};

// A failing call raises the failure the system's would; "Path/File access error" serves for all.
void FailWhenInjected() {
  if (fake_os::CallFails()) Raise(errnum::kPathFileAccess);
}

// The work folder holds the choice files; a read that fails finds the file locked.
class WorkFolder final : public DataSource {
 public:
  explicit WorkFolder(const Choices& choices) : choices_(choices) {}
  files::FileRead ReadWorkFile(std::string_view name, std::uint64_t maxBytes,
                               std::string& bytes) override {
    if (fake_os::CallFails()) return files::FileRead::kLocked;
    for (const auto& [stored, content] : choices_.files) {
      if (!text::EqualsNoCase(stored, name)) continue;
      if (content.size() > maxBytes) return files::FileRead::kTooLarge;
      bytes = content;
      return files::FileRead::kRead;
    }
    return files::FileRead::kMissing;
  }
  files::FileRead ReadPackage(std::string&) override {
    return fake_os::CallFails() || choices_.packageLocked ? files::FileRead::kLocked
                                                          : files::FileRead::kMissing;
  }
  void WaitBeforeRetry() override { FailWhenInjected(); }
  void ReportMissingCheckFile() override { FailWhenInjected(); }

 private:
  const Choices& choices_;
};

}  // namespace

ChoiceData Choices::Read() {
  WorkFolder source(*this);
  return ReadChoiceData(ReadDataFiles(source), catalogues_);
}

void Chooser::SetCaption(const std::string& text) {
  FailWhenInjected();  // the window cannot be created
  caption = text;
}

std::int32_t Chooser::WaitForPick() {
  FailWhenInjected();
  return pick();
}

void Chooser::Show() {
  FailWhenInjected();
  std::string shown = "show \"" + caption + "\":";
  for (const Candidate& row : rows.rows)
    shown += " " + row.text + "|" + row.detail + (row.colour == kColourBlue ? " (blue)" : "") + ";";
  shown.pop_back();
  log_.push_back(shown);
}

LaunchResult Shell::Launch(const std::string& program, const std::string& document,
                           const std::string& verb, const SearchFolders& folders) {
  const bool armed = fake_os::AllFiles().contains(Marker(kMarkers[0]));
  const LaunchCall call = PlanLaunch(program, document, verb, folders);
  log_.push_back("start " + call.file + " " + call.parameters + " " + call.operation + " in " +
                 call.directory + (armed ? " armed" : ""));
  if (fake_os::CallFails()) return LaunchResultOf(0);  // the system is out of memory
  whileStarting();
  const LaunchResult result = LaunchResultOf(answer);
  started += result.started;
  return result;
}

std::optional<ProgramDescription> Files::DefaultProgram(const std::string&) {
  FailWhenInjected();  // the registry cannot be read
  return defaultProgram();
}

std::int32_t World::Serve(std::string_view rsParams) {
  RequestTrace trace;
  const std::int32_t result = driver.Serve(utf::Utf16FromUtf8(rsParams), trace);
  // The times follow the result (", 12 ms", then ", chooser open 3400 ms" when it was open).
  std::string line = trace.Line(result);
  const std::size_t times = line.find(", ", line.rfind(", result ") + 2);
  if (times != std::string::npos) line.erase(times, line.rfind(" ms") + 3 - times);
  traces.push_back(line);
  return result;
}

std::string LeftBehind(const World& w, const std::map<std::string, std::string>& filesBefore) {
  std::string found;
  if (PendingFailure().number != 0) found += " a pending failure;";
  if (CallDepth() != 0) found += " a call depth;";
  if (std::get<std::int16_t>(ErrorHandler(action::kCount)) != 0) found += " an error record;";
  auto after = fake_os::AllFiles();
  auto before = filesBefore;
  if (after.contains(Marker(kMarkers[0])) && !before.contains(Marker(kMarkers[0])) &&
      w.shell.started == 0)
    found += " an armed marker without a start;";
  for (const char* marker : kMarkers) {
    after.erase(Marker(marker));
    before.erase(Marker(marker));
  }
  if (after != before) found += " files changed;";
  return found;
}

void RestoreMarkers(const std::map<std::string, std::string>& filesBefore) {
  for (const char* marker : kMarkers) {
    if (fake_os::AllFiles().contains(Marker(marker))) files::RemoveFile(Marker(marker));
    if (filesBefore.contains(Marker(marker))) fake_os::AddFile(Marker(marker));
  }
}

}  // namespace tavrel::fake_request
