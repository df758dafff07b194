#include "errors/error_report.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"
#include "fileinfo/strings.h"
#include "fileinfo/text.h"

namespace tavrel {
namespace {

using ErrorReportTest = ErrorsTest;

ErrZ Record() {
  ErrZ r;
  r.number = 76;
  r.description = "Path not found";
  r.helpContext = "12";
  r.helpFile = "t.hlp";
  r.callDepth = 4;
  r.source = "Src";
  return r;
}

TEST_F(ErrorReportTest, ReportOfAFailureInJoinPathsLineByLine) {
  CallDepth() = 2;
  std::vector<std::string> lines;
  box.whileShown = [&] {
    const Failure& f = PendingFailure();
    const std::string composed = "Error: " + f.description + "\r\n" + f.source;
    for (auto line : text::Split(composed, "\r\n"))
      lines.emplace_back(line);
  };
  RunReported("JoinPaths", [] { Raise(errnum::kPathNotFound); });

  const std::vector<std::string> expected = {"Error: Path not found", "",
                                             "Stack Level: 1     CD: 3", "Object: TavrelCommander",
                                             "Subroutine: JoinPaths"};
  EXPECT_EQ(lines, expected);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].text, StrWrap("Error: Path not found\r\n\r\nStack Level: 1     CD: 3\r\n"
                                       "Object: TavrelCommander\r\nSubroutine: JoinPaths",
                                       50));
}

TEST_F(ErrorReportTest, RestoreTakesTheRecordsFieldsAndWritesTheReport) {
  SetPending(5);
  ErrZ2ErrO(Record(), 2);
  const Failure& f = PendingFailure();
  EXPECT_EQ(f.number, 76);
  EXPECT_EQ(f.description, "Path not found");
  EXPECT_EQ(f.helpContext, 12);
  EXPECT_EQ(f.helpFile, "t.hlp");
  EXPECT_EQ(f.source, "\r\nStack Level: 2     CD: 4\r\nObject: Src");
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(ErrorReportTest, KnownDetailsFollowInOrder) {
  ErrZ r = Record();
  r.procedureName = "GetFileType";
  r.localLine = 3;
  r.lineNumber = 20;
  r.lastDllError = -5;
  ErrZ2ErrO(r, 1);
  EXPECT_EQ(PendingFailure().source,
            "\r\nStack Level: 1     CD: 4\r\nObject: Src\r\nSubroutine: GetFileType"
            "\r\nLocal Line: 3\r\nLine Number: 20\r\nLastDllError: -5");

  r = Record();
  r.lineNumber = 20;
  r.lastDllError = 5;
  ErrZ2ErrO(r, 1);
  EXPECT_EQ(PendingFailure().source,
            "\r\nStack Level: 1     CD: 4\r\nObject: Src\r\nLine Number: 20\r\nLastDllError: 5");
}

TEST_F(ErrorReportTest, ASourceThatHoldsAReportIsNeverExtended) {
  ErrZ r = Record();
  r.source = "\r\nStack Level: 1     CD: 1\r\nObject: X\r\nsUbRoUtInE: First";
  ErrZ2ErrO(r, 3);
  EXPECT_EQ(PendingFailure().source, r.source);
  EXPECT_EQ(PendingFailure().number, 76);
}

TEST_F(ErrorReportTest, RestoreWithoutStackLevelReportsFailure4001UnderItsOwnTag) {
  ErrZ2ErrO(Record(), std::nullopt);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  4001   :   h0FA1");
  EXPECT_NE(box.shown[0].text.find("ErrZ2ErrO"), std::string::npos);
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(ErrorReportTest, HelpContextThatIsNoNumberIsReported) {
  ErrZ r = Record();
  r.helpContext = "twelve";
  ErrZ2ErrO(r, 1);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  13   :   h0D");
  EXPECT_NE(box.shown[0].text.find("ErrZ2ErrO"), std::string::npos);
}

TEST_F(ErrorReportTest, ArrayTwinWritesTheSameReportWithTheThreadsLines) {
  ErrZ r = Record();
  r.procedureName = "UnpackFiles";
  r.lastDllError = 2;
  ErrZ2ErrO(r, 2);
  const std::string fromRecord = PendingFailure().source;
  ClearPendingFailure();
  ErrZ2ErrO(ToErrorArray(r), 2);
  EXPECT_EQ(PendingFailure().source, fromRecord);

  r.lineNumber = 99;  // the array carries no line: the lines come from the thread

  SetPending(5);
  PendingFailure().lineNumber = 30;
  LocalLine() = 7;
  ErrZ2ErrO(ToErrorArray(r), 2);
  EXPECT_EQ(PendingFailure().number, 76);
  EXPECT_EQ(PendingFailure().helpContext, 12);
  EXPECT_EQ(PendingFailure().source,
            "\r\nStack Level: 2     CD: 4\r\nObject: Src\r\nSubroutine: UnpackFiles"
            "\r\nLocal Line: 7\r\nLine Number: 30\r\nLastDllError: 2");
}

TEST_F(ErrorReportTest, ArrayThatWasNeverSetChangesNothing) {
  SetPending(53);
  CallDepth() = 5;
  ErrZ2ErrO(ErrorArray{}, 1);
  EXPECT_EQ(PendingFailure().number, 53);
  EXPECT_EQ(CallDepth(), 5);
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(ErrorReportTest, ShortArrayIsReportedAsSubscriptOutOfRange) {
  ErrorArray shortArray(5);
  ErrZ2ErrO(shortArray, 1);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  9   :   h09");
  EXPECT_NE(box.shown[0].text.find("ErrZ2ErrO"), std::string::npos);
}

TEST_F(ErrorReportTest, HandlerRestoresASavedArrayBeforeItsAction) {
  SetPending(5);
  ErrorHandler(action::kRecord);
  ClearPendingFailure();
  HandlerArgs args;
  args.savedError = ToErrorArray(Record());
  EXPECT_EQ(std::get<std::int16_t>(ErrorHandler(action::kCount, args)), 1);
  EXPECT_EQ(PendingFailure().number, 76);
  EXPECT_EQ(PendingFailure().source.rfind("\r\nStack Level: 1     CD: 4", 0), 0u);
}

}  // namespace
}  // namespace tavrel
