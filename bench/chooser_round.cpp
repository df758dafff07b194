// The chooser's round: one real request through the request driver, with the system's choice
// data, file queries and chooser, each wrapped to note when its step ends. The wait for a pick
// processes the window's messages as the server's wait does, until none is left: the first moment
// the window is painted whole ends the time to visible (watched from outside: a hook on the list
// would slow every message to it), the last message (the programs' icons in and painted) the
// round; the window then closes without a pick.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/utf.h"
#include "bench_round.h"
#include "data/choice_data.h"
#include "data/unpack.h"
#include "request/request_driver.h"
#include "request/system_requests_win.h"
#include "ui/chooser_window.h"

namespace tavrel::bench {
namespace {

// The steps of a round, in order; each ends at the mark of its name.
enum Step { kRequest, kData, kDefault, kWindow, kRows, kFit, kShow, kPaint, kIcons, kSteps };

class Marks {
 public:
  explicit Marks(std::int64_t entered) : entered_(entered) {}
  void Set(Step step) { ticks_[step] = Ticks(); }
  bool IsSet(Step step) const { return ticks_[step] != 0; }
  bool Complete() const {
    for (const std::int64_t t : ticks_)
      if (t == 0) return false;
    return true;
  }
  // Each step's own time: from the end of the one before (the process's entry for the first).
  void Print() const {
    std::printf("times");
    std::int64_t from = entered_;
    for (const std::int64_t t : ticks_) {
      std::printf(" %.3f", MillisecondsBetween(from, t));
      from = t;
    }
    std::printf("\n");
  }

 private:
  std::int64_t entered_;
  std::int64_t ticks_[kSteps] = {};
};

// The rows, noted as they go into the window.
class NotedRows final : public CandidateList {
 public:
  explicit NotedRows(CandidateList& window) : window_(window) {}
  void Clear() override {
    window_.Clear();
    rows_.clear();
  }
  void Add(const Candidate& row) override {
    window_.Add(row);
    rows_.push_back(row.text + "\t" + row.detail);
  }
  std::int32_t Count() const override { return window_.Count(); }
  const std::vector<std::string>& Texts() const { return rows_; }

 private:
  CandidateList& window_;
  std::vector<std::string> rows_;
};

class TimedChoices final : public ChoiceSource {
 public:
  explicit TimedChoices(Marks& marks) : marks_(marks) {}
  ChoiceData Read() override {
    marks_.Set(kRequest);
    ChoiceData data = ReadChoiceData(UnpackFiles(), catalogues_);
    marks_.Set(kData);
    return data;
  }

 private:
  Marks& marks_;
  CatalogueKeeper catalogues_;
};

// The system's file queries; the default program's ends its step.
class TimedFiles final : public RequestFiles {
 public:
  explicit TimedFiles(Marks& marks) : marks_(marks) {}
  SearchFolders ReadSearchFolders() override { return system_.ReadSearchFolders(); }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    return system_.Attributes(path);
  }
  std::string ShortPath(const std::string& path) override { return system_.ShortPath(path); }
  std::optional<ProgramDescription> DefaultProgram(const std::string& document) override {
    std::optional<ProgramDescription> program = system_.DefaultProgram(document);
    marks_.Set(kDefault);
    return program;
  }

 private:
  Marks& marks_;
  SystemFiles system_;
};

HWND Frame() {
  return FindWindowA("frmList", nullptr);
}

HWND List() {
  return FindWindowExA(Frame(), nullptr, WC_LISTVIEWA, nullptr);
}

// The window and its list as shown: the frame line of the round's report.
void PrintFrame() {
  RECT outer{};
  RECT inner{};
  GetWindowRect(Frame(), &outer);
  GetWindowRect(List(), &inner);
  std::printf("frame %ld %ld %ld %ld %ld %ld %d %d\n", outer.left, outer.top,
              outer.right - outer.left, outer.bottom - outer.top, inner.right - inner.left,
              inner.bottom - inner.top,
              static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 0, 0)),
              static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 1, 0)));
}

// Whether the window has been painted whole: shown, with nothing left to paint in it or its list.
bool Painted() {
  return IsWindowVisible(Frame()) && !GetUpdateRect(Frame(), nullptr, FALSE) &&
         !GetUpdateRect(List(), nullptr, FALSE);
}

class TimedChooser final : public RequestChooser {
 public:
  explicit TimedChooser(Marks& marks) : marks_(marks) {}
  void SetCaption(const std::string& caption) override {
    window_ = CreateChooserWindow();
    rows_.emplace(*window_);
    window_->SetCaption(caption);
    marks_.Set(kWindow);
  }
  CandidateList& Rows() override { return *rows_; }
  bool FitToList() override {
    marks_.Set(kRows);
    const bool fitted = window_->FitToList();
    marks_.Set(kFit);
    return fitted;
  }
  void Show() override {
    window_->Show();
    marks_.Set(kShow);
    NotePaint();
  }
  // The messages as the server's wait takes them, one at a time, noting the first moment the
  // window is painted whole. The icons arrive one a message, each posting the next: the queue runs
  // dry when the last one is in and painted.
  std::int32_t WaitForPick() override {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      NotePaint();
    }
    marks_.Set(kIcons);
    PrintFrame();
    window_.reset();
    return -1;
  }
  const std::vector<std::string>& Texts() const { return rows_->Texts(); }

 private:
  void NotePaint() {
    if (marks_.IsSet(kPaint) || !Painted()) return;
    GdiFlush();
    marks_.Set(kPaint);
  }

  Marks& marks_;
  std::unique_ptr<ChooserWindow> window_;
  std::optional<NotedRows> rows_;
};

// A launcher that is never asked: the round closes the chooser without a pick.
class NoLauncher final : public Launcher {
 public:
  LaunchResult Launch(const std::string&, const std::string&, const std::string&,
                      const SearchFolders&) override {
    return {};
  }
  void ReportFailedStart(const std::string&, const LaunchResult&) noexcept override {}
};

}  // namespace

int ChooserRound(std::int64_t entered, const char* document) {
  Marks marks(entered);
  TimedChoices choices(marks);
  TimedChooser chooser(marks);
  NoLauncher launcher;
  ProgramFolderMarkers markers;
  TimedFiles files(marks);
  RequestDriver driver({choices, chooser, launcher, markers, files});
  RequestTrace trace;
  const std::u16string request =
      utf::Utf16FromUtf8(std::string("open\r\n\r\n") + document + "\r\n\r\n\r\n\r\n\r\n\r\n");
  const std::int32_t result = driver.Serve(request, trace);
  if (!marks.Complete()) {
    std::printf("failed %s\n", trace.Line(result).c_str());
    return 1;
  }
  marks.Print();
  for (const std::string& row : chooser.Texts())
    std::printf("row %s\n", row.c_str());
  return 0;
}

}  // namespace tavrel::bench
