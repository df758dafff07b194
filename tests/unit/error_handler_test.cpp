#include "errors/error_handler.h"

#include <gtest/gtest.h>

#include <thread>

#include "errors_fakes.h"
#include "fileinfo/strings.h"

namespace tavrel {
namespace {

using ErrorHandlerTest = ErrorsTest;

std::string CaptionOf(std::int32_t shownNumber, const char* hex) {
  return "Error -  " + std::to_string(shownNumber) + "   :   h0" + hex;
}

TEST_F(ErrorHandlerTest, ReportAtDepthThreeShowsOneBoxAndLeavesTheDepthForTheProcedure) {
  CallDepth() = 3;  // the reporting procedure's own depth, its callers included
  SetPending(errnum::kFileNotFound);
  std::int16_t depthWhileShown = 0;
  box.whileShown = [&] { depthWhileShown = CallDepth(); };

  ErrorHandler(action::kReportAndShow, Tag("JoinPaths"));

  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, CaptionOf(53, "35"));
  EXPECT_EQ(box.shown[0].style, boxstyle::kStop);
  EXPECT_EQ(box.beeps, 1);
  EXPECT_NE(PendingFailure().source.find("Stack Level: 1     CD: 3\r\n"), std::string::npos);
  EXPECT_GT(depthWhileShown, 3);
  EXPECT_EQ(CallDepth(), 3);
  EXPECT_EQ(TrailCount(), 0);
  // The pending failure is the record last shown; the handler itself does not clear it.
  EXPECT_EQ(PendingFailure().number, 53);
}

TEST_F(ErrorHandlerTest, ReportedProcedureEndsItsFailureAfterTheReport) {
  CallDepth() = 2;
  std::int16_t depthInside = 0;
  const bool finished = RunReported("GetFileType", [&] {
    depthInside = CallDepth();
    Raise(errnum::kSubscript);
  });
  EXPECT_FALSE(finished);
  EXPECT_EQ(depthInside, 3);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].text.find("GetFileType"), std::string::npos);
  EXPECT_EQ(CallDepth(), 2);
  EXPECT_EQ(PendingFailure().number, 0);
}

TEST_F(ErrorHandlerTest, SetAsideAndTakeBackLeavesTheTrailAsItWas) {
  CallDepth() = 1;
  PendingFailure() = MakeFailure(429);
  PendingFailure().helpFile = "zip.hlp";
  PendingFailure().helpContext = 77;
  const std::string description = PendingFailure().description;

  ErrorHandler(action::kRecord, Tag("UnpackFiles"));
  EXPECT_EQ(TrailCount(), 1);
  ClearPendingFailure();  // the repair attempt starts clean
  const HandlerResult popped = ErrorHandler(action::kRestore, Tag("UnpackFiles"));

  EXPECT_EQ(TrailCount(), 0);
  EXPECT_TRUE(box.shown.empty());
  const Failure& f = PendingFailure();
  EXPECT_EQ(f.number, 429);
  EXPECT_EQ(f.description, description);
  EXPECT_EQ(f.helpFile, "zip.hlp");
  EXPECT_EQ(f.helpContext, 77);
  EXPECT_EQ(f.source,
            "\r\nStack Level: 1     CD: 1\r\nObject: TavrelCommander\r\nSubroutine: UnpackFiles");

  const auto& array = std::get<ErrorArray>(popped);
  ASSERT_EQ(array.size(), slot::kCount);
  EXPECT_EQ(SlotNumber(array, slot::kNumber), 429);
  EXPECT_EQ(SlotText(array, slot::kProcedureName), "UnpackFiles");
  EXPECT_EQ(SlotText(array, slot::kHelpContext), "77");
  EXPECT_EQ(SlotNumber(array, slot::kCallDepth), 1);
  for (std::size_t empty : {0u, 6u, 7u}) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(array[empty])) << empty;
  }
}

TEST_F(ErrorHandlerTest, ReportShowsEveryRecordNewestFirstAndSkipsNumberZero) {
  SetPending(errnum::kInvalidCall);
  ErrorHandler(action::kRecord, Tag("First"));
  ClearPendingFailure();  // nothing pending, no code, no platform error: a record numbered 0
  ErrorHandler(action::kRecord, Tag("Second"));
  SetPending(errnum::kSubscript);
  ErrorHandler(action::kRecord, Tag("Third"));
  SetPending(errnum::kFileNotFound);

  ErrorHandler(action::kReportAndShow, Tag("Fourth"));

  ASSERT_EQ(box.shown.size(), 3u);
  EXPECT_EQ(box.shown[0].caption, CaptionOf(53, "35"));
  EXPECT_EQ(box.shown[1].caption, CaptionOf(9, "9"));
  EXPECT_EQ(box.shown[2].caption, CaptionOf(5, "5"));
  EXPECT_NE(box.shown[0].text.find("Level: 4"), std::string::npos);
  EXPECT_NE(box.shown[2].text.find("Level: 1"), std::string::npos);
  EXPECT_EQ(box.beeps, 3);
  EXPECT_EQ(TrailCount(), 0);
  EXPECT_EQ(PendingFailure().number, 5);  // the oldest record, shown last
}

TEST_F(ErrorHandlerTest, NothingPendingTakesCallersCodeThenPlatformErrorThenLastError) {
  texts.texts = {{5, "Access is denied."}, {87, "The parameter is incorrect."}};
  texts.lastError = 5;

  HandlerArgs args = Tag("Check");
  ErrorHandler(action::kRecord, args);
  ErrorHandler(action::kRestore);
  EXPECT_EQ(PendingFailure().number, 5);
  EXPECT_EQ(PendingFailure().description, "Access is denied.");

  ClearPendingFailure();
  args.lastDllError = 87;
  ErrorHandler(action::kRecord, args);
  ErrorHandler(action::kRestore);
  EXPECT_EQ(PendingFailure().number, 87);
  EXPECT_NE(PendingFailure().source.find("\r\nLastDllError: 87"), std::string::npos);

  ClearPendingFailure();
  args.callerCode = 1223;
  ErrorHandler(action::kRecord, args);
  ErrorHandler(action::kRestore);
  EXPECT_EQ(PendingFailure().number, 1223);
  EXPECT_EQ(PendingFailure().description, "Error (1223) not defined.");
  EXPECT_NE(PendingFailure().source.find("\r\nLocal Line: 1223"), std::string::npos);
}

TEST_F(ErrorHandlerTest, SystemFailureNumbersGetTheSystemTextOthersKeepTheirOwn) {
  const auto unspecified = static_cast<std::int32_t>(0x80004005u);
  const auto lastSystem = static_cast<std::int32_t>(0x80050000u);
  texts.texts = {{unspecified, "Unspecified error"},
                 {lastSystem, "system text"},
                 {lastSystem + 1, "not used"},
                 {53, "not used"}};
  const auto recordedDescription = [](std::int32_t number) {
    SetPending(number, "own text");
    ErrorHandler(action::kRecord);
    ErrorHandler(action::kRestore);
    return PendingFailure().description;
  };
  EXPECT_EQ(recordedDescription(unspecified), "Unspecified error");
  EXPECT_EQ(recordedDescription(lastSystem), "system text");
  EXPECT_EQ(recordedDescription(lastSystem + 1), "own text");
  EXPECT_EQ(recordedDescription(53), "own text");
}

TEST_F(ErrorHandlerTest, DropAndResetClearThePendingFailure) {
  ErrorHandler(action::kDrop);  // an empty trail stays empty
  EXPECT_EQ(TrailCount(), 0);
  ErrorHandler(action::kRestore);
  EXPECT_EQ(TrailCount(), 0);

  SetPending(5);
  ErrorHandler(action::kRecord, Tag("Older"));
  SetPending(9);
  ErrorHandler(action::kRecord, Tag("Newer"));
  LocalLine() = 4;
  ErrorHandler(action::kDrop);
  EXPECT_EQ(TrailCount(), 1);
  EXPECT_EQ(PendingFailure().number, 0);
  EXPECT_EQ(LocalLine(), 0);
  ErrorHandler(action::kRestore);
  EXPECT_NE(PendingFailure().source.find("Subroutine: Older"), std::string::npos);

  SetPending(5);
  ErrorHandler(action::kRecord);
  ErrorHandler(action::kRecord);
  ErrorHandler(action::kReset);
  EXPECT_EQ(TrailCount(), 0);
  EXPECT_EQ(PendingFailure().number, 0);
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(ErrorHandlerTest, EachThreadHasATrailOfItsOwn) {
  SetPending(5);
  ErrorHandler(action::kRecord);
  ErrorHandler(action::kRecord);
  std::int16_t otherCount = -1;
  std::int32_t otherPending = -1;
  std::thread([&] {
    otherCount = std::get<std::int16_t>(ErrorHandler(action::kCount));
    otherPending = PendingFailure().number;
  }).join();
  EXPECT_EQ(otherCount, 0);
  EXPECT_EQ(otherPending, 0);
  EXPECT_EQ(TrailCount(), 2);
}

TEST_F(ErrorHandlerTest, UnlistedActionIsReportedAsFailure4001) {
  SetPending(errnum::kFileNotFound);
  LocalLine() = 3;
  ErrorHandler(99, Tag("Caller"));

  ASSERT_GE(box.shown.size(), 2u);
  EXPECT_EQ(box.shown.front().caption, CaptionOf(4001, "FA1"));
  EXPECT_NE(box.shown.front().text.find("Caller"), std::string::npos);
  EXPECT_EQ(box.shown.back().caption, CaptionOf(53, "35"));
  EXPECT_EQ(TrailCount(), 0);
  EXPECT_EQ(LocalLine(), 0);
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(ErrorHandlerTest, FailureWhileShowingEndsQuietlyAndKeepsTheOtherRecords) {
  SetPending(errnum::kInvalidCall);
  ErrorHandler(action::kRecord, Tag("Older"));
  SetPending(errnum::kSubscript);
  box.whileShown = [] { Raise(errnum::kOutOfMemory); };
  CallDepth() = 2;

  EXPECT_NO_THROW(ErrorHandler(action::kReportAndShow, Tag("Newer")));

  ASSERT_EQ(box.shown.size(), 1u);  // nothing is shown for the failure itself
  EXPECT_EQ(box.shown[0].caption, CaptionOf(9, "9"));
  EXPECT_EQ(TrailCount(), 1);
  EXPECT_EQ(CallDepth(), 2);
  EXPECT_EQ(PendingFailure().number, 0);

  // Nesting was restored too: the next record gets the reporter's depth.
  box.whileShown = nullptr;
  SetPending(errnum::kFileNotFound);
  ErrorHandler(action::kReportAndShow, Tag("Later"));
  ASSERT_EQ(box.shown.size(), 3u);
  EXPECT_NE(box.shown[1].text.find("CD: 2"), std::string::npos);
  EXPECT_NE(box.shown[2].text.find("Subroutine: Older"), std::string::npos);
}

TEST_F(ErrorHandlerTest, AProcedureFailingWhileAFailureIsShownReportsAgain) {
  SetPending(errnum::kSubscript);
  ErrorHandler(action::kRecord, Tag("Older"));
  SetPending(errnum::kFileNotFound);
  bool failedOnce = false;
  box.whileShown = [&] {
    if (failedOnce) return;
    failedOnce = true;
    RunReported("StrWrap", [] { Raise(errnum::kInvalidCall); });
  };

  ErrorHandler(action::kReportAndShow, Tag("Newer"));

  // The nested report shows its own record and the one still on the trail.
  ASSERT_EQ(box.shown.size(), 3u);
  EXPECT_EQ(box.shown[0].caption, CaptionOf(53, "35"));
  EXPECT_EQ(box.shown[1].caption, CaptionOf(5, "5"));
  EXPECT_NE(box.shown[1].text.find("StrWrap"), std::string::npos);
  EXPECT_EQ(box.shown[2].caption, CaptionOf(9, "9"));
  EXPECT_EQ(TrailCount(), 0);
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(ErrorHandlerTest, AProcedureThatAlwaysFailsWhileShowingCannotReportWithoutEnd) {
  box.whileShown = [] { RunReported("StrWrap", [] { Raise(errnum::kInvalidCall); }); };
  SetPending(errnum::kFileNotFound);

  ErrorHandler(action::kReportAndShow, Tag("Reporter"));

  EXPECT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(TrailCount(), 0);
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(ErrorHandlerTest, CountersRaiseOverflowInsteadOfWrapping) {
  SetPending(errnum::kInvalidCall);
  for (int i = 0; i < 32767; ++i)
    ErrorHandler(action::kRecord);
  EXPECT_EQ(TrailCount(), 32767);
  try {
    ErrorHandler(action::kRecord);
    FAIL() << "a push past 32767 records must fail";
  } catch (const Failure& f) {
    EXPECT_EQ(f.number, errnum::kOverflow);
  }
  EXPECT_EQ(TrailCount(), 32767);
  ErrorHandler(action::kReset);

  CallDepth() = 32767;
  EXPECT_THROW(ErrorHandler(action::kCount), Failure);
  EXPECT_EQ(CallDepth(), 32767);
  // The ordinary report never throws; the failure it could not record ends with it.
  SetPending(errnum::kInvalidCall);
  ReportFailure("Deep");
  EXPECT_EQ(PendingFailure().number, 0);
  EXPECT_TRUE(box.shown.empty());
}

}  // namespace
}  // namespace tavrel
