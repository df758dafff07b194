#include "data/xml_escape.h"

#include <gtest/gtest.h>

#include <random>

namespace tavrel {
namespace {

std::string Decode(std::string_view text) {
  return CvtForXmlParser(text, kCvtDecode);
}
std::string Encode(std::string_view text) {
  return CvtForXmlParser(text, kCvtEncode);
}

TEST(XmlEscape, DecodesRunsOfHexadecimalCodes) {
  EXPECT_EQ(Decode("R{[~26~]}D"), "R&D");
  EXPECT_EQ(Decode("x{[~3C3E~]}y"), "x<>y");
  EXPECT_EQ(Decode("{[~3c~]}"), "<");  // lower-case digits read as well
  EXPECT_EQ(Decode("a{[~3C~]}b{[~26~]}c"), "a<b&c");
  EXPECT_EQ(Decode("{[~E9~]}t{[~E9~]}"), "\xE9t\xE9");
  EXPECT_EQ(Decode("plain text"), "plain text");
  EXPECT_EQ(Decode(""), "");
  // Any mode but 12 decodes.
  EXPECT_EQ(CvtForXmlParser("{[~41~]}", 0), "A");
  EXPECT_EQ(CvtForXmlParser("{[~41~]}", -1), "A");
}

TEST(XmlEscape, UnclosedOrMalformedRunsFollowTheReadingRules) {
  EXPECT_EQ(Decode("abc{[~41"), "abc{[~41");
  EXPECT_EQ(Decode("{[~41~]}x{[~42"), "Ax{[~42");
  // The closing mark is looked for from the second character after the opening mark on.
  EXPECT_EQ(Decode("{[~~]}"), "{[~~]}");
  // An odd digit is dropped and the text resumes one character early.
  EXPECT_EQ(Decode("{[~414~]}"), "A}");
  // A run without digits: reading resumes three characters after its first position.
  EXPECT_EQ(Decode("{[~X~]}"), "}");
  // Reading a pair stops at the first character that is no digit; no digit reads as 0.
  EXPECT_EQ(Decode("{[~4G~]}"), std::string("\x04", 1));
  EXPECT_EQ(Decode("{[~GG~]}"), std::string(1, '\0'));
  EXPECT_EQ(Decode("{[~~]}x~]}"), std::string("\0\0", 2));
}

TEST(XmlEscape, EncodesRunsOfSpecialCharacters) {
  EXPECT_EQ(Encode("a<b"), "a{[~3C~]}b");
  EXPECT_EQ(Encode("\t"), "{[~09~]}");
  EXPECT_EQ(Encode("x<>y"), "x{[~3C3E~]}y");
  EXPECT_EQ(Encode("'\"&"), "{[~272226~]}");
  EXPECT_EQ(Encode("Caf\xE9"), "Caf{[~E9~]}");
  EXPECT_EQ(Encode("\x7F~{}"), "\x7F~{}");  // 127 and the marks' own characters stand as they are
  EXPECT_EQ(Encode(""), "");
}

TEST(XmlEscape, EncodingThenDecodingGivesTheTextBack) {
  std::mt19937 random(12);
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 24, '\0');
    for (char& c : text)
      c = static_cast<char>(random() % 256);
    if (text.find("{[~") != std::string::npos) continue;  // not representable as plain text
    ASSERT_EQ(Decode(Encode(text)), text) << "round " << round;
  }
}

}  // namespace
}  // namespace tavrel
