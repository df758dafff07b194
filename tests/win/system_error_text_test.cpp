#include "errors/system_error_text.h"

#include <gtest/gtest.h>

#include "errors/errors_edge.h"

namespace tavrel {
namespace {

std::string MadeUp(std::int32_t n) {
  return "Error (" + std::to_string(n) + ") not defined.";
}

// A text kept by the system: one line (the width flag drops the message's line breaks).
void ExpectOneLine(const std::string& text) {
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
}

TEST(SystemErrorText, SystemNumberGetsTheSystemsText) {
  const std::string text = GetSystemErrorText(2);
  ExpectOneLine(text);
  EXPECT_NE(text, MadeUp(2));
}

TEST(SystemErrorText, NetworkNumberOnTheNtFamily) {
  EXPECT_TRUE(PlatformTextEdge().IsNtFamily());
  ExpectOneLine(GetSystemErrorText(2150));
}

TEST(SystemErrorText, InternetNumbersInsideAndOutsideTheTable) {
  const std::string inside = GetSystemErrorText(12029);
  ExpectOneLine(inside);
  EXPECT_NE(inside, MadeUp(12029));
  ExpectOneLine(GetSystemErrorText(12172));
}

TEST(SystemErrorText, NumbersWithoutTextAnywhere) {
  EXPECT_EQ(GetSystemErrorText(999999), "Error (999999) not defined.");
  EXPECT_EQ(GetSystemErrorText(-5), "Error (-5) not defined.");
}

}  // namespace
}  // namespace tavrel
