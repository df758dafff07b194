#include "fake_request.h"

#include <utility>

#include "data/unpack.h"
#include "fileinfo/display_names.h"
#include "fileinfo/version_info.h"
#include "request/chooser_wait.h"
#include "request/trace_output.h"
#include "ui/chooser_window.h"

namespace tavrel {
namespace {

class FakeChooser final : public ChooserWindow {
 public:
  void Clear() override { rows_.Clear(); }
  void Add(const Candidate& row) override { rows_.Add(row); }
  std::int32_t Count() const override { return rows_.Count(); }
  void SetCaption(const std::string&) override {}
  bool FitToList() override { return true; }
  void Show() override {
    std::string shown;
    for (const Candidate& row : rows_.rows)
      shown += (shown.empty() ? "" : "\n") + row.text + "|" + row.detail;
    fake_request::S().shownRows.push_back(shown);
  }

 private:
  CandidateVector rows_;
};

}  // namespace

namespace fake_request {
State& S() {
  static State state;
  return state;
}
State& Reset() {
  return S() = State{};
}
}  // namespace fake_request

DataFiles UnpackFiles() {
  DataFiles data;
  const auto& package = fake_request::S().package;
  for (auto [name, file] :
       {std::pair{"QXAdd.dat", &data.add}, std::pair{"QXDel.dat", &data.del},
        std::pair{"QXDef.dat", &data.def}, std::pair{"QXma.xml", &data.catalogue}})
    if (const auto it = package.find(name); it != package.end()) *file = it->second;
  return data;
}

ChooserWindow& Chooser() {
  static FakeChooser chooser;
  return chooser;
}

std::int32_t& ChosenIndex() {
  static std::int32_t index = -1;
  return index;
}

void WaitUntilChooserGone() {
  ChosenIndex() = fake_request::S().pick();
}

LaunchResult LaunchProgram(const std::string& program, const std::string& document,
                           const std::string& verb) {
  fake_request::S().starts.push_back(PlanLaunch(program, document, verb));
  fake_request::S().whileStarting();
  return LaunchResultOf(fake_request::S().shellAnswer);
}

std::wstring ConfiguredTraceLog() noexcept {
  return {};
}

void PublishTrace(const std::string& line, const std::wstring&) noexcept {
  fake_request::S().traces.push_back(line);
}

std::string GetAssociatedProgram(const std::string&) {
  return {};
}

FileVersionInfo GetFileInfo(const std::string&) {
  return {};
}

}  // namespace tavrel
