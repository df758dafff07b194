#include "request/request_driver.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"
#include "fake_os.h"
#include "fake_request.h"
#include "os/files.h"

namespace tavrel {
namespace {

using Names = std::vector<std::string>;

const std::string kAlpha = ".txt|Acme - Alpha|1.0|OK|C:\\A\\a.exe|C:\\A\\A.EXE";
const std::string kBeta = ".TXT|Globex - Beta|2.0|OK|C:\\B\\b.exe|C:\\B\\B.EXE";

// Whole requests on the fake file system, with the package, chooser and shell of fake_request.
class RequestFlow : public ErrorsTest {
 protected:
  RequestFlow() {
    fake_os::AddFolder(programs);
    fake_os::AddFile("C:\\Docs\\a.txt", "text");
    texts.texts[2] = "Gone.";
  }
  ~RequestFlow() override { fake_request::Reset(); }

  static std::int32_t Request() {
    return ServeRequest("open\r\n\r\nC:\\Docs\\a.txt\r\n\r\n\r\n\r\n\r\n");
  }
  // Whether the last request's trace line holds the text.
  bool Traced(const std::string& text) const {
    return !edge.traces.empty() && edge.traces.back().find(text) != std::string::npos;
  }
  Names Markers() const { return files::FindFiles(programs, "*"); }
  void SetMarkers(const Names& names) {
    for (const auto& name : Markers())
      files::RemoveFile(programs + "\\" + name);
    for (const auto& name : names)
      fake_os::AddFile(programs + "\\" + name);
  }

  fake_os::Scope os_;
  fake_request::State& edge = fake_request::Reset();
  const std::string programs = "C:\\Tools\\Quillbox\\Programs";
};

TEST_F(RequestFlow, ADefaultProgramThatDoesNotStartLeavesTheDocumentToTheShell) {
  edge.package = {{"QXDef.dat", ".txt|Gone|1.0|OK|C:\\gone.exe"}, {"QXAdd.dat", kAlpha}};
  edge.shellAnswer = 2;
  for (const Names& before : {Names{}, Names{"Bl1.ok"}, Names{}}) {
    SetMarkers(before);
    EXPECT_EQ(Request(), kNotHandled);
    EXPECT_EQ(Markers(), before);
    EXPECT_TRUE(Traced("default: start failed (2, ")) << edge.traces.back();
    EXPECT_TRUE(Traced("shell carries on; rows 0, result 1")) << edge.traces.back();
  }
  EXPECT_EQ(edge.starts.size(), 3u);
  EXPECT_TRUE(edge.shownRows.empty());
  EXPECT_TRUE(box.shown.empty());
  edge.shellAnswer = 33;
  EXPECT_EQ(Request(), kHandled);
  EXPECT_EQ(Markers(), Names{"Bl1.ign"});
}

TEST_F(RequestFlow, APickedProgramThatDoesNotStartIsReportedAndTheNextRequestShowsTheChooser) {
  edge.package = {{"QXAdd.dat", kAlpha + "\r\n" + kBeta}};
  edge.pick = [] { return 2; };
  edge.shellAnswer = 2;
  SetMarkers({"Bl1.ok"});
  EXPECT_EQ(Request(), kHandled);
  EXPECT_EQ(Markers(), Names{"Bl1.ok"});
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, CaptionOf(2, "2"));
  EXPECT_NE(box.shown[0].text.find("C:\\B\\b.exe: Gone."), std::string::npos) << box.shown[0].text;
  EXPECT_TRUE(Traced("picked 2 (Globex - Beta), start failed (2, ")) << edge.traces.back();

  edge.shellAnswer = 42;
  EXPECT_EQ(Request(), kHandled);
  EXPECT_EQ(edge.shownRows.size(), 2u);
  EXPECT_EQ(Markers(), Names{"Bl1.ign"});
  EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(RequestFlow, ARequestDuringAnotherUsesUpTheMarkerArmedForIt) {
  // The start itself hands the document back to the server while the shell is still busy.
  edge.package = {{"QXAdd.dat", kAlpha + "\r\n" + kBeta}};
  edge.pick = [] { return 1; };
  std::int32_t during = -1;
  edge.whileStarting = [&] { during = Request(); };
  EXPECT_EQ(Request(), kHandled);
  EXPECT_EQ(during, kNotHandled);
  ASSERT_EQ(edge.traces.size(), 2u);
  EXPECT_NE(edge.traces[0].find("another request is in progress, marker used up"),
            std::string::npos)
      << edge.traces[0];
  EXPECT_EQ(Markers(), Names{"Bl1.ok"});
  // So the user's next document gets the chooser.
  edge.whileStarting = [] {};
  edge.pick = [] { return 0; };
  EXPECT_EQ(Request(), kHandled);
  EXPECT_EQ(edge.shownRows.size(), 2u);
}

TEST_F(RequestFlow, EmptyLinesInTheChoiceFilesBelongToNoType) {
  edge.package = {{"QXDef.dat", "\r\n"},
                  {"QXDel.dat", "\r\n.doc\r\n\r\n"},
                  {"QXAdd.dat", "\r\n.doc|x\r\n\r\n" + kAlpha + "\r\n" + kBeta + "\r\n\r\n"}};
  EXPECT_EQ(Request(), kHandled);
  ASSERT_EQ(edge.shownRows.size(), 1u);
  EXPECT_EQ(edge.shownRows[0],
            "Acme - Alpha|1.0\nGlobex - Beta|2.0\nWindows Default|No version info.");
}

}  // namespace
}  // namespace tavrel
