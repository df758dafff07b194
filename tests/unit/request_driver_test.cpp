#include "request/request_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include "errors_fakes.h"
#include "fake_os.h"
#include "fake_request.h"

namespace tavrel {
namespace {

using fake_request::World;

const std::string kPrograms = "C:\\Tools\\Quillbox\\Programs";
const std::string kAlpha = ".txt|Acme - Alpha|1.0|OK|C:\\A\\a.exe|C:\\A\\A.EXE";
const std::string kBeta = ".TXT|Globex - Beta|2.0|OK|C:\\B\\b.exe|C:\\B\\B.EXE";
const std::string kAdd = kAlpha + "\r\n" + kBeta;
const std::string kDefBeta = ".txt|Globex - Beta|2.0|OK|C:\\B\\b.exe";
// The chooser of the usual request: the two added programs, then the Windows default.
const std::string kShown =
    "show \"  [.txt] - Tavrel Ferrule Choices \": Acme - Alpha|1.0; Globex - Beta|2.0; "
    "Windows Default|No version info.";
const std::string kStartBeta = "start C:\\B\\b.exe C:\\DOCS\\A.TXT open in C:\\DOCS\\ armed";

// A request of eight lines (or fewer) with the verb, document and status lines given.
std::string RequestOf(const std::string& verb = "open",
                      const std::string& document = "C:\\Docs\\a.txt",
                      const std::string& status = "", int lines = 8) {
  std::string request = verb + "\r\n\r\n" + document;
  for (int line = 3; line < lines; ++line)
    request += "\r\n" + std::string(line == 7 ? status : "");
  return request;
}

// The decision and figures of a trace line, from "pass:", "default:" or "chooser:" on.
std::string DecisionOf(const std::string& line) {
  std::size_t at = line.size();
  for (const char* decision : {"pass: ", "default: ", "chooser: "})
    at = std::min(at, line.find(decision));
  return at < line.size() ? line.substr(at) : line;
}

void AddMarker(const std::string& name) {
  fake_os::AddFile(kPrograms + "\\" + name);
}

// Serves a request from inside another and logs how it ended.
void ServeDuring(World& w) {
  const std::int32_t result = w.Serve(RequestOf());
  w.log.push_back("during: " + std::to_string(result) + " " + DecisionOf(w.traces.back()));
}

struct Case {
  const char* name;
  std::function<void(World&)> arrange;  // changes to the usual world: kAdd, no catalogue entries
  std::string request;
  std::int32_t result;
  std::string decision;  // the trace line from its decision on, without the server's time
  std::string log;       // what happened in order, then the marker files left
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"an armed ignore marker is used up", [](World&) { AddMarker("Bl1.ign"); }, RequestOf(), 1,
       "pass: ignore marker used up; rows 0, result 1", "markers Bl1.ok"},
      {"seven lines", [](World&) {}, RequestOf("open", "C:\\Docs\\a.txt", "", 7), 1,
       "pass: request has 7 lines, fewer than 8; rows 0, result 1", "markers"},
      {"no request verb", [](World&) {}, RequestOf("print"), 1,
       "pass: no open, new or play verb; rows 0, result 1", "markers"},
      {"an executable, even for Open With", [](World&) {},
       RequestOf("openas", "C:\\Docs\\setup.EXE"), 1,
       "pass: document is an executable; rows 0, result 1", "markers"},
      {"launched, but the document is hidden",
       [](World&) { fake_os::AddFile("C:\\Docs\\h.txt", "", 0x22); },
       RequestOf("open", "C:\\Docs\\h.txt", "was Launched"), 1,
       "pass: launched, but the document is not a normal file; rows 0, result 1", "markers"},
      {"launched, but the document is a folder",
       [](World&) { fake_os::AddFolder("C:\\Docs\\f.txt"); },
       RequestOf("open", "C:\\Docs\\f.txt", "launched"), 1,
       "pass: launched, but the document is not a normal file; rows 0, result 1", "markers"},
      {"a document on a drive that cannot be tested, without a message box",
       [](World&) { fake_os::SetUntestable("X:"); }, RequestOf("open", "X:\\a.txt", "Launched"), 1,
       "pass: document cannot be tested; rows 0, result 1", "markers"},
      {"a missing document", [](World&) {}, RequestOf("open", "C:\\Docs\\gone.txt"), 1,
       "pass: document not found; rows 0, result 1", "markers"},
      // The default program gets the verb line as it came, and the document's short path.
      {"the type's default program, verb play",
       [](World& w) { w.choices.files["QXDef.dat"] = kDefBeta; }, RequestOf("Play it"), 0,
       "default: started C:\\...\\b.exe; rows 0, result 0",
       "start C:\\B\\b.exe C:\\DOCS\\A.TXT Play it in C:\\DOCS\\ armed; markers Bl1.ign"},
      {"a default program that does not start puts the marker back",
       [](World& w) {
         w.choices.files["QXDef.dat"] = kDefBeta;
         w.shell.answer = 2;
         AddMarker("Bl1.ok");
       },
       RequestOf("new"), 1,
       "default: start failed (2, file not found), shell carries on; rows 0, result 1",
       "start C:\\B\\b.exe C:\\DOCS\\A.TXT new in C:\\DOCS\\ armed; markers Bl1.ok"},
      {"a default line without a program arms nothing",
       [](World& w) { w.choices.files["QXDef.dat"] = ".txt|Globex - Beta"; }, RequestOf(), 1,
       "pass: failure 9 (Subscript out of range); rows 0, result 1", "markers"},
      // The choice files are in the ANSI code page, Windows-1252 in native tests.
      {"a document named in any script, its type key outside ASCII in either case",
       [](World& w) {
         fake_os::AddFile("C:\\Docs\\Отчёт 会議 🎉.ÄRG");
         w.choices.files["QXAdd.dat"] = ".\xE4rg|Acme - Alpha|1.0|OK|C:\\A\\a.exe\r\n" + kBeta;
         w.chooser.pick = [] { return 1; };
       },
       RequestOf("open", "C:\\Docs\\Отчёт 会議 🎉.ÄRG"), 0,
       "chooser: 2 rows, picked 1 (Acme - Alpha); rows 2, result 0",
       "show \"  [.ÄRG] - Tavrel Ferrule Choices \": Acme - Alpha|1.0; Windows Default|No "
       "version info.; start C:\\A\\a.exe \"C:\\Docs\\Отчёт 会議 🎉.ÄRG\" open in C:\\Docs\\ armed; "
       "markers Bl1.ign"},
      {"the skip list", [](World& w) { w.choices.files["QXDel.dat"] = ".doc\r\n.TXT"; },
       RequestOf(), 1, "pass: type .txt is in the skip list; rows 0, result 1", "markers"},
      {"no programs for the type", [](World& w) { w.choices.files["QXAdd.dat"] = ".doc|x"; },
       RequestOf(), 1, "pass: type .txt has no programs to offer; rows 0, result 1", "markers"},
      {"a package that gave nothing",
       [](World& w) {
         w.choices.files.clear();
         w.choices.packageLocked = true;
       },
       RequestOf(), 1, "pass: data package locked by another program; rows 0, result 1", "markers"},
      {"one row: the only added program is the Windows default",
       [](World& w) {
         w.choices.files["QXAdd.dat"] = kAlpha;
         w.files.defaultProgram = [] {
           return ProgramDescription{"Acme - Alpha", "1.0.0", "OK", "C:\\A\\A.EXE", "c:\\a\\a.exe"};
         };
       },
       RequestOf(), 1, "pass: 1 row only, nothing to choose; rows 1, result 1", "markers"},
      {"a chooser that cannot be fitted", [](World& w) { w.chooser.fits = false; }, RequestOf(), 1,
       "pass: the chooser could not be fitted to its rows; rows 3, result 1", "markers"},
      {"closed without a pick", [](World&) {}, RequestOf(), 0,
       "chooser: 3 rows, closed without a pick; rows 3, result 0", kShown + "; markers"},
      {"empty lines in the choice files belong to no type",
       [](World& w) {
         w.choices.files = {{"QXma.xml", "<Programs/>"},
                            {"QXDef.dat", "\r\n"},
                            {"QXDel.dat", "\r\n.doc\r\n\r\n"},
                            {"QXAdd.dat", "\r\n.doc|x\r\n\r\n" + kAdd + "\r\n\r\n"}};
       },
       RequestOf(), 0, "chooser: 3 rows, closed without a pick; rows 3, result 0",
       kShown + "; markers"},
      {"Open With: the type's rows are those of *",
       [](World& w) { w.choices.files["QXAdd.dat"] = kAdd + "\r\n*|Omega - Any|3|OK|C:\\o.exe"; },
       RequestOf("Open With... "), 0, "chooser: 2 rows, closed without a pick; rows 2, result 0",
       "show \"  [*] - Tavrel Ferrule Choices \": Omega - Any|3; Windows Default|No version "
       "info.; markers"},
      {"a pick, for a launched document", [](World& w) { w.chooser.pick = [] { return 2; }; },
       RequestOf("open", "C:\\Docs\\a.txt", "LAUNCHED"), 0,
       "chooser: 3 rows, picked 2 (Globex - Beta); rows 3, result 0",
       kShown + "; " + kStartBeta + "; markers Bl1.ign"},
      {"the Windows default row", [](World& w) { w.chooser.pick = [] { return 3; }; }, RequestOf(),
       1, "chooser: 3 rows, picked 3 (the Windows default), shell carries on; rows 3, result 1",
       kShown + "; markers"},
      {"the described Windows default, and a description that fails",
       [](World& w) {
         w.files.defaultProgram = [] {
           return ProgramDescription{"Tavrel - Pad", "3.0.1", "OK", "C:\\P\\P.EXE", "C:\\P\\P.EXE"};
         };
         w.Serve(RequestOf());
         w.files.defaultProgram = []() -> std::optional<ProgramDescription> { Raise(53); };
       },
       RequestOf(), 0, "chooser: 3 rows, closed without a pick; rows 3, result 0",
       "show \"  [.txt] - Tavrel Ferrule Choices \": Acme - Alpha|1.0; Globex - Beta|2.0; "
       "Tavrel - Pad|3.0.1    [Windows Default]; " +
           kShown + "; markers"},
      {"a picked program that does not start is reported and puts the marker back",
       [](World& w) {
         w.chooser.pick = [] { return 2; };
         w.shell.answer = 2;
         AddMarker("Bl1.ok");
       },
       RequestOf(), 0,
       "chooser: 3 rows, picked 2 (Globex - Beta), start failed (2, file not found); rows 3, "
       "result 0",
       kShown + "; " + kStartBeta + "; report C:\\B\\b.exe; box; markers Bl1.ok"},
      // The catalogue of the last good load stays when a request's own catalogue is refused.
      {"a refused catalogue leaves the one before",
       [](World& w) {
         w.choices.files["QXma.xml"] =
             "<c><Alias Company='Globex' Product='Beta' Version='2.0' CompanyA='Globex' "
             "ProductA='Beta Pro' VersionA='2.5'/></c>";
         w.Serve(RequestOf());
         w.log.clear();
         w.choices.files["QXma.xml"] = "<c><Alias></c>";
       },
       RequestOf(), 0,
       "chooser: 3 rows, closed without a pick; rows 3, result 0; catalogue not loaded: not "
       "well-formed",
       "show \"  [.txt] - Tavrel Ferrule Choices \": Acme - Alpha|1.0; Globex - Beta Pro|2.5 "
       "(blue); Windows Default|No version info.; markers"},
      {"a request while the chooser is open",
       [](World& w) {
         w.chooser.pick = [&w] {
           ServeDuring(w);
           ServeDuring(w);  // the first one's end leaves the outer request in progress
           return 0;
         };
       },
       RequestOf(), 0, "chooser: 3 rows, closed without a pick; rows 3, result 0",
       kShown + "; during: 1 pass: another request is in progress; rows 0, result 1" +
           "; during: 1 pass: another request is in progress; rows 0, result 1; markers"},
      // The start hands the document back to the server while the shell is still busy: the
      // marker armed for it is used up, so the user's next document gets the chooser.
      {"a request during a start uses up the marker armed for it",
       [](World& w) {
         w.chooser.pick = [] { return 2; };
         w.shell.whileStarting = [&w] { ServeDuring(w); };
       },
       RequestOf(), 0, "chooser: 3 rows, picked 2 (Globex - Beta); rows 3, result 0",
       kShown + "; " + kStartBeta +
           "; during: 1 pass: another request is in progress, marker used up; rows 0, result 1; "
           "markers Bl1.ok"},
  };
  return cases;
}

class RequestDriverTest : public ErrorsTest {
 protected:
  RequestDriverTest() { texts.texts[2] = "Gone."; }

  // The usual world, changed as the case says.
  void Arrange(World& w, const Case& c) {
    fake_os::Reset();
    fake_os::AddFolder(kPrograms);
    fake_os::AddFile("C:\\DOCS\\A.TXT", "text");
    fake_os::AddFile("C:\\Docs\\setup.exe", "MZ");
    box.shown.clear();
    w.choices.files = {{"QXAdd.dat", kAdd}, {"QXma.xml", "<Programs/>"}};
    c.arrange(w);
  }

  fake_os::Scope os_;
};

TEST_F(RequestDriverTest, EveryBranchOfARequest) {
  for (const Case& c : Cases()) {
    World w;
    Arrange(w, c);
    EXPECT_EQ(w.Serve(c.request), c.result) << c.name;
    EXPECT_EQ(DecisionOf(w.traces.back()), c.decision) << c.name;
    for (std::size_t i = 0; i < box.shown.size(); ++i)
      w.log.push_back("box");
    std::string log;
    for (const std::string& entry : w.log)
      log += entry + "; ";
    log += "markers";
    for (const auto& [path, content] : fake_os::AllFiles())
      if (path.starts_with(kPrograms + "\\")) log += " " + path.substr(kPrograms.size() + 1);
    EXPECT_EQ(log, c.log) << c.name;
  }
}

// Each system call a request makes fails in turn, in every branch, first as the system's call
// fails and then by running out of memory. Each time the request ends with 1, as it would have,
// or with the chooser, leaves no failure behind, writes nothing, arms the marker only for a start
// that happened, and the process serves the next request as if nothing had gone wrong.
TEST_F(RequestDriverTest, EveryFailingSystemCallIsSurvived) {
  int injected = 0;
  for (const bool badAlloc : {false, true}) {
    for (const Case& c : Cases()) {
      for (int call = 1;; ++call) {
        World w;
        Arrange(w, c);
        const auto before = fake_os::AllFiles();
        fake_os::InjectedFaults() = {call, badAlloc};
        const std::int32_t result = w.Serve(c.request);
        if (!std::exchange(fake_os::InjectedFaults(), {}).injected) break;
        ++injected;
        const std::string where = std::string(c.name) + ", call " + std::to_string(call) +
                                  (badAlloc ? " out of memory" : " failing");
        // A marker, a default or skip line or a description that could not be read leaves the
        // user the chooser; no failure starts a program or keeps the document from the shell.
        const std::string decision = DecisionOf(w.traces.back());
        EXPECT_TRUE(result == kNotHandled || result == c.result ||
                    (decision.starts_with("chooser: ") &&
                     decision.find("closed without a pick") != std::string::npos))
            << where << ": " << decision;
        EXPECT_EQ(fake_request::LeftBehind(w, before), "") << where;

        fake_request::RestoreMarkers(before);
        EXPECT_EQ(w.Serve(c.request), c.result) << where;
        EXPECT_EQ(DecisionOf(w.traces.back()), c.decision) << where;
      }
    }
  }
  std::printf("fault injection: %d failing system calls survived\n", injected);
  EXPECT_GT(injected, 500);
}

TEST_F(RequestDriverTest, ARequestThatIsNotValidUtf16EndsWithOne) {
  World w;
  RequestTrace trace(RequestTrace::Clock::time_point{});
  EXPECT_EQ(w.driver.Serve(u"open\r\n\r\nC:\\Docs\\a\xD83D.txt\r\n\r\n\r\n\r\n\r\n", trace), 1);
  EXPECT_EQ(DecisionOf(trace.Line(1, RequestTrace::Clock::time_point{})),
            "pass: request is not valid UTF-16 (a surrogate without its partner); rows 0, result "
            "1, 0 ms");
}

}  // namespace
}  // namespace tavrel
