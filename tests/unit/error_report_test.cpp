#include "errors/error_report.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "errors_fakes.h"

namespace tavrel {
namespace {

using ErrorReportTest = ErrorsTest;
using Lines = std::vector<std::string>;

ErrZ Record(std::string procedure = {}, std::int16_t localLine = 0, std::int32_t lineNumber = 0,
            std::int32_t lastDllError = 0) {
  // description, call depth, help context and file, platform error, number, lines, source.
  return {"Path not found",    4, "12", "t.hlp", lastDllError, 76, lineNumber, localLine, "Src",
          std::move(procedure)};
}

Lines SourceLines() {
  Lines lines;
  for (auto line : text::Split(PendingFailure().source, "\r\n"))
    lines.emplace_back(line);
  return lines;
}

TEST_F(ErrorReportTest, RestoreTakesTheRecordAndWritesTheReportOfWhatIsKnown) {
  SetPending(5);
  ErrZ2ErrO(Record("GetFileType", 3, 20, -5), 2);
  const Failure& f = PendingFailure();
  EXPECT_EQ(std::tie(f.number, f.description, f.helpContext, f.helpFile),
            std::tuple(76, "Path not found", 12, "t.hlp"));
  EXPECT_EQ(SourceLines(),
            (Lines{"", "Stack Level: 2     CD: 4", "Object: Src", "Subroutine: GetFileType",
                   "Local Line: 3", "Line Number: 20", "LastDllError: -5"}));
  ErrZ2ErrO(Record(), 1);
  EXPECT_EQ(f.source, "\r\nStack Level: 1     CD: 4\r\nObject: Src");
}

TEST_F(ErrorReportTest, ASourceThatHoldsAReportIsNeverExtended) {
  ErrZ r = Record();
  r.source = "\r\nStack Level: 1     CD: 1\r\nObject: X\r\nsUbRoUtInE: First";
  ErrZ2ErrO(r, 3);
  EXPECT_EQ(PendingFailure().source, r.source);
  ErrZ2ErrO(ToErrorArray(r), 3);
  EXPECT_EQ(PendingFailure().source, r.source);
}

// The array carries no lines: the local line is the thread's, the line number the pending one's.
// The handler restores a saved array before its action.
TEST_F(ErrorReportTest, TheArrayTwinTakesTheLinesFromTheThread) {
  SetPending(5);
  PendingFailure().lineNumber = 30;
  LocalLine() = 7;
  HandlerArgs args;
  args.savedError = ToErrorArray(Record("UnpackFiles", 1, 99, 2));
  ErrorHandler(action::kCount, args);
  EXPECT_EQ(std::tuple(PendingFailure().number, PendingFailure().helpContext), std::tuple(76, 12));
  EXPECT_EQ(SourceLines(),
            (Lines{"", "Stack Level: 0     CD: 4", "Object: Src", "Subroutine: UnpackFiles",
                   "Local Line: 7", "Line Number: 30", "LastDllError: 2"}));
  SetPending(53);  // an array that was never set changes nothing
  ErrZ2ErrO(ErrorArray{}, 1);
  EXPECT_EQ(PendingFailure().number, 53);
}

TEST_F(ErrorReportTest, RestoreFailuresAreReportedUnderItsOwnTag) {
  ErrZ badHelp = Record();
  badHelp.helpContext = "twelve";
  ErrZ2ErrO(Record(), std::nullopt);
  ErrZ2ErrO(badHelp, 1);
  ErrZ2ErrO(ErrorArray(5), 1);
  EXPECT_EQ(Captions(), (Lines{CaptionOf(4001, "FA1"), CaptionOf(13, "D"), CaptionOf(9, "9")}));
  for (const auto& shown : box.shown)
    EXPECT_NE(shown.text.find("Subroutine: ErrZ2ErrO"), std::string::npos) << shown.caption;
  EXPECT_EQ(CallDepth(), 0);
}

}  // namespace
}  // namespace tavrel
