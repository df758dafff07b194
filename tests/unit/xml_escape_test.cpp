#include "data/xml_escape.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(XmlEscape, DecodesRunsOfHexadecimalCodesByTheReadingRules) {
  const std::pair<std::string, std::string> cases[] = {
      {"R{[~26~]}D", "R&D"},
      {"x{[~3C3E~]}y", "x<>y"},
      {"{[~3c~]}", "<"},  // lower-case digits read as well
      {"a{[~3C~]}b{[~26~]}c", "a<b&c"},
      {"{[~E9~]}t{[~E9~]}", "\xE9t\xE9"},
      {"plain text", "plain text"},
      {"", ""},
      {"abc{[~41", "abc{[~41"},  // an unclosed run stays as it is
      {"{[~41~]}x{[~42", "Ax{[~42"},
      // The closing mark is looked for from the second character after the opening mark on.
      {"{[~~]}", "{[~~]}"},
      {"{[~~]}x~]}", std::string("\0\0", 2)},
      // An odd digit is dropped and the text resumes one character early.
      {"{[~414~]}", "A}"},
      // A run without digits: reading resumes three characters after its first position.
      {"{[~X~]}", "}"},
      // Reading a pair stops at the first character that is no digit; no digit reads as 0.
      {"{[~4G~]}", "\x04"},
      {"{[~GG~]}", std::string(1, '\0')},
  };
  for (const auto& [text, decoded] : cases)
    EXPECT_EQ(CvtForXmlParser(text, kCvtDecode), decoded) << text;
  // Any mode but 12 decodes.
  EXPECT_EQ(CvtForXmlParser("{[~41~]}", 0), "A");
  EXPECT_EQ(CvtForXmlParser("{[~41~]}", -1), "A");
}

// That decoding gives back what was encoded is fuzzed.
TEST(XmlEscape, EncodesRunsOfSpecialCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"a<b", "a{[~3C~]}b"},    {"\t", "{[~09~]}"},         {"x<>y", "x{[~3C3E~]}y"},
      {"'\"&", "{[~272226~]}"}, {"Caf\xE9", "Caf{[~E9~]}"}, {"", ""},
      {"\x7F~{}", "\x7F~{}"},  // 127 and the marks' own characters stand as they are
  };
  for (const auto& [text, encoded] : cases)
    EXPECT_EQ(CvtForXmlParser(text, kCvtEncode), encoded) << text;
}

}  // namespace
}  // namespace tavrel
