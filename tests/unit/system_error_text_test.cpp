#include "errors/system_error_text.h"

#include <gtest/gtest.h>

#include "errors/api_check.h"
#include "errors_fakes.h"

namespace tavrel {
namespace {

using SystemErrorTextTest = ErrorsTest;

TEST_F(SystemErrorTextTest, NetworkAndInternetNumbersAskTheirTableAndNoTextIsMadeUp) {
  for (std::int32_t n : {2099, 2100, 2999, 3000, 11999, 12000, 12171, 12172})
    EXPECT_EQ(GetSystemErrorText(n), "Error (" + std::to_string(n) + ") not defined.");
  texts.ntFamily = false;
  texts.texts = {{2150, "Net"}};
  EXPECT_EQ(GetSystemErrorText(2150), "Net");
  const std::vector<std::pair<std::int32_t, std::string>> expected = {
      {2099, ""},  {2100, "netmsg.dll"},   {2999, "netmsg.dll"},   {3000, ""},
      {11999, ""}, {12000, "wininet.dll"}, {12171, "wininet.dll"}, {12172, ""},
      {2150, ""}};
  EXPECT_EQ(texts.asked, expected);
}

TEST_F(SystemErrorTextTest, FailedCallIsReportedWithThePlatformErrorOrTheCallersCode) {
  texts.lastError = 6;
  texts.texts = {{6, "The handle is invalid."}};
  std::int16_t failures = 0;
  // result, failure value, expected value, quiet: the result always comes back.
  const std::tuple<std::int32_t, std::int16_t, std::optional<std::int32_t>, bool> calls[] = {
      {0x102, -1, {}, false},
      {0, 0, 0, false},
      {-1, -1, {}, false},  // the failure value widens with its sign: -1 is 0xFFFFFFFF
      {3, 0, 0, false},     // with an expected value the result is the number
      {0, 0, {}, true}};
  for (const auto& [result, failureValue, expected, quiet] : calls)
    EXPECT_EQ(CheckApiResult(result, "Wait", failureValue, action::kReportAndShow, expected, quiet,
                             &failures),
              result);
  EXPECT_EQ(Captions(), (std::vector{CaptionOf(6, "6"), CaptionOf(3, "3")}));  // 6 is not kept
  EXPECT_NE(box.shown[0].text.find("The handle is invalid."), std::string::npos);
  EXPECT_NE(box.shown[1].text.find("Subroutine: Wait"), std::string::npos);
  EXPECT_EQ(failures, 3);
  CheckApiResult(0, "Wait", 0, action::kRecord);
  EXPECT_EQ(std::tuple(TrailCount(), box.shown.size()), std::tuple(1, 2u));
}

}  // namespace
}  // namespace tavrel
