#include "errors/error_handler.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"

namespace tavrel {
namespace {

using ErrorHandlerTest = ErrorsTest;
using Strings = std::vector<std::string>;

TEST_F(ErrorHandlerTest, AProcedureReportsOneBoxAtItsDepthAndItsFailureEndsWithIt) {
  CallDepth() = 2;
  std::int16_t depthInside = 0;
  EXPECT_FALSE(RunReported("JoinPaths", [&] {
    depthInside = CallDepth();
    Raise(errnum::kFileNotFound);
  }));
  EXPECT_EQ(depthInside, 3);
  EXPECT_EQ(Captions(), Strings{CaptionOf(53, "35")});
  EXPECT_EQ(box.shown[0].style, boxstyle::kStop);
  EXPECT_NE(box.shown[0].text.find("Stack Level: 1     CD: 3"), std::string::npos);
  EXPECT_EQ(State(), std::tuple(0, 2, 0));
}

TEST_F(ErrorHandlerTest, ReportShowsEveryRecordNewestFirstAndSkipsNumberZero) {
  Push(errnum::kInvalidCall);
  ClearPendingFailure();  // nothing pending, no code, no platform error: a record numbered 0
  ErrorHandler(action::kRecord);
  Push(errnum::kSubscript);
  SetPending(errnum::kFileNotFound);
  ErrorHandler(action::kReportAndShow);
  EXPECT_EQ(Captions(), (Strings{CaptionOf(53, "35"), CaptionOf(9, "9"), CaptionOf(5, "5")}));
  EXPECT_NE(box.shown[0].text.find("Level: 4"), std::string::npos);
  EXPECT_EQ(box.beeps, 3);
  EXPECT_EQ(State(), std::tuple(0, 0, 5));  // the oldest record, shown last, stays pending
}

TEST_F(ErrorHandlerTest, RecordedNumberAndText) {
  const auto unspecified = static_cast<std::int32_t>(0x80004005u);
  const auto lastSystem = static_cast<std::int32_t>(0x80050000u);
  texts.texts = {{unspecified, "Unspecified"},
                 {lastSystem, "system"},
                 {lastSystem + 1, "unused"},
                 {53, "unused"},
                 {5, "Access denied"}};
  texts.lastError = 5;
  struct Case {
    std::int32_t pending;
    std::optional<std::int32_t> callerCode, lastDllError;
    std::int32_t number;
    std::string description, inReport;
  };
  const Case cases[] = {
      // A system failure gets the system's text; any other keeps its own.
      {unspecified, {}, {}, unspecified, "Unspecified", ""},
      {lastSystem, {}, {}, lastSystem, "system", ""},
      {lastSystem + 1, {}, {}, lastSystem + 1, "own", ""},
      {53, {}, {}, 53, "own", ""},
      // Nothing pending: the caller's code, else the platform error given, else the last one.
      {0, {}, {}, 5, "Access denied", ""},
      {0, {}, 87, 87, "Error (87) not defined.", "LastDllError: 87"},
      {0, 1223, 87, 1223, "Error (1223) not defined.", "Local Line: 1223"},
      // A caller's code is the local line too, while it fits in 16 bits.
      {0, 32767, {}, 32767, "Error (32767) not defined.", "Local Line: 32767"},
      {0, 32768, {}, 32768, "Error (32768) not defined.", ""},
  };
  for (const auto& c : cases) {
    ClearPendingFailure();
    if (c.pending != 0) SetPending(c.pending, "own");
    HandlerArgs args;
    args.callerCode = c.callerCode;
    args.lastDllError = c.lastDllError;
    ErrorHandler(action::kRecord, args);
    ErrorHandler(action::kRestore);
    EXPECT_EQ(PendingFailure().number, c.number);
    EXPECT_EQ(PendingFailure().description, c.description) << c.number;
    EXPECT_NE(PendingFailure().source.find(c.inReport), std::string::npos) << c.number;
    EXPECT_EQ(PendingFailure().source.find("Local Line") != std::string::npos,
              c.inReport.starts_with("Local Line"))
        << c.number;
  }
}

TEST_F(ErrorHandlerTest, DropTakesTheNewestRecordRestoreTheNextResetAll) {
  ErrorHandler(action::kDrop);  // an empty trail stays empty
  SetPending(5);
  PendingFailure().helpFile = "zip.hlp";
  PendingFailure().helpContext = 77;
  ErrorHandler(action::kRecord, Tag("Older"));
  ErrorHandler(action::kRecord, Tag("Newer"));
  LocalLine() = 4;
  ErrorHandler(action::kDrop);
  EXPECT_EQ(State(), std::tuple(1, 0, 0));
  EXPECT_EQ(LocalLine(), 0);
  const auto popped = std::get<ErrorArray>(ErrorHandler(action::kRestore));
  EXPECT_EQ(SlotText(popped, slot::kProcedureName), "Older");
  EXPECT_EQ(SlotText(popped, slot::kHelpFile), "zip.hlp");
  EXPECT_EQ(SlotText(popped, slot::kHelpContext), "77");
  EXPECT_EQ(State(), std::tuple(0, 0, 5));
  Push(5);
  ErrorHandler(action::kReset);
  EXPECT_EQ(State(), std::tuple(0, 0, 0));
}

TEST_F(ErrorHandlerTest, UnlistedActionIsReportedAsFailure4001) {
  SetPending(errnum::kFileNotFound);
  ErrorHandler(99, Tag("Caller"));
  // 4001 is recorded by the path and once more by the report that shows it.
  EXPECT_EQ(Captions(),
            (Strings{CaptionOf(4001, "FA1"), CaptionOf(4001, "FA1"), CaptionOf(53, "35")}));
  EXPECT_NE(box.shown[0].text.find("Subroutine: Caller"), std::string::npos);
  EXPECT_EQ(TrailCount(), 0);
}

TEST_F(ErrorHandlerTest, FailureWhileShowingEndsQuietlyAndKeepsTheOtherRecords) {
  Push(errnum::kInvalidCall);
  SetPending(errnum::kSubscript);
  box.whileShown = [] { Raise(errnum::kOutOfMemory); };
  CallDepth() = 2;
  EXPECT_NO_THROW(ErrorHandler(action::kReportAndShow));
  EXPECT_EQ(Captions(), Strings{CaptionOf(9, "9")});  // nothing is shown for the failure
  EXPECT_EQ(State(), std::tuple(1, 2, 0));
}

TEST_F(ErrorHandlerTest, AProcedureFailingWhileShowingReportsAgainButNotWithoutEnd) {
  Push(errnum::kSubscript);
  SetPending(errnum::kFileNotFound);
  box.whileShown = [] { RunReported("FitToList", [] { Raise(errnum::kInvalidCall); }); };
  ErrorHandler(action::kReportAndShow);
  // The nested report shows its own record, then the one still on the trail; the reports made
  // from inside those boxes are dropped.
  EXPECT_EQ(Captions(), (Strings{CaptionOf(53, "35"), CaptionOf(5, "5"), CaptionOf(9, "9")}));
  EXPECT_NE(box.shown[1].text.find("Subroutine: FitToList"), std::string::npos);
  EXPECT_EQ(State(), std::tuple(0, 0, 0));
}

TEST_F(ErrorHandlerTest, CountersRaiseOverflowInsteadOfWrapping) {
  for (int i = 0; i < 32767; ++i)
    Push(errnum::kInvalidCall);
  EXPECT_EQ(TrailCount(), 32767);
  EXPECT_THROW(ErrorHandler(action::kRecord), Failure);
  EXPECT_EQ(TrailCount(), 32767);
  ErrorHandler(action::kReset);
  CallDepth() = 32767;
  EXPECT_THROW(ErrorHandler(action::kCount), Failure);
  // The ordinary report never throws; the failure it could not record ends with it.
  SetPending(errnum::kInvalidCall);
  ReportFailure("Deep");
  EXPECT_EQ(std::tuple(CallDepth(), PendingFailure().number, box.shown.size()),
            std::tuple(32767, 0, 0u));
}

}  // namespace
}  // namespace tavrel
