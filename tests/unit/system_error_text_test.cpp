#include "errors/system_error_text.h"

#include <gtest/gtest.h>

#include "errors/api_check.h"
#include "errors_fakes.h"

namespace tavrel {
namespace {

using SystemErrorTextTest = ErrorsTest;

TEST_F(SystemErrorTextTest, NetworkAndInternetNumbersAskTheirTableFirst) {
  for (std::int32_t n : {2099, 2100, 2999, 3000, 11999, 12000, 12171, 12172}) {
    GetSystemErrorText(n);
  }
  texts.ntFamily = false;
  GetSystemErrorText(2150);
  const std::vector<std::pair<std::int32_t, std::string>> expected = {
      {2099, ""},  {2100, "netmsg.dll"},   {2999, "netmsg.dll"},   {3000, ""},
      {11999, ""}, {12000, "wininet.dll"}, {12171, "wininet.dll"}, {12172, ""},
      {2150, ""}};
  EXPECT_EQ(texts.asked, expected);
}

TEST_F(SystemErrorTextTest, NumbersWithoutTextGetAMadeUpOne) {
  texts.texts = {{2, "The system cannot find the file specified. "}};
  EXPECT_EQ(GetSystemErrorText(2), "The system cannot find the file specified. ");
  EXPECT_EQ(GetSystemErrorText(999999), "Error (999999) not defined.");
  EXPECT_EQ(GetSystemErrorText(-5), "Error (-5) not defined.");
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(SystemErrorTextTest, FailedCallIsReportedWithThePlatformError) {
  constexpr std::int32_t kWaitFailed = -1;  // 0xFFFFFFFF
  constexpr std::int32_t kWaitTimeout = 0x102;
  texts.lastError = 6;
  texts.texts = {{6, "The handle is invalid."}};

  EXPECT_EQ(CheckApiResult(kWaitTimeout, "ShellAndWaitUntilDone", -1, action::kReportAndShow),
            kWaitTimeout);
  EXPECT_TRUE(box.shown.empty());

  EXPECT_EQ(CheckApiResult(kWaitFailed, "ShellAndWaitUntilDone", -1, action::kReportAndShow),
            kWaitFailed);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  6   :   h06");
  EXPECT_NE(box.shown[0].text.find("The handle is invalid."), std::string::npos);
  EXPECT_NE(box.shown[0].text.find("ShellAndWaitUntilDone"), std::string::npos);
  EXPECT_EQ(PendingFailure().number, 0);  // the next failed call gets its own number

  texts.lastError = 5;
  CheckApiResult(0, "ShellAndWaitUntilDone", 0, action::kReportAndShow);
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[1].caption, "Error -  5   :   h05");
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(SystemErrorTextTest, ExpectedValueQuietModeAndCounter) {
  std::int16_t failures = 0;
  EXPECT_EQ(CheckApiResult(0, "Tag", 0, action::kReportAndShow, 0, false, &failures), 0);
  EXPECT_EQ(failures, 0);

  texts.lastError = 5;
  CheckApiResult(3, "Tag", 0, action::kReportAndShow, 0, false, &failures);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  3   :   h03");  // the result is the caller's code
  EXPECT_EQ(failures, 1);

  CheckApiResult(0, "Tag", 0, action::kReportAndShow, std::nullopt, true, &failures);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(failures, 2);

  CheckApiResult(0, "Tag", 0, action::kRecord);
  EXPECT_EQ(TrailCount(), 1);
  EXPECT_TRUE(box.shown.size() == 1u);
}

}  // namespace
}  // namespace tavrel
