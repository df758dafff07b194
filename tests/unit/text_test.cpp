#include "base/text.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace tavrel::text {
namespace {

TEST(Text, OneFieldReadsAsTheSplitDoes) {
  for (const char* line : {"", "a", "|", "a|b", "|a||b|", ".txt|x|1|OK|C:\\p.exe"}) {
    const auto pieces = Split(line, "|");
    for (std::size_t i = 0; i < 6; ++i) {
      if (i < pieces.size()) {
        EXPECT_EQ(Field(line, '|', i), pieces[i]) << line << " field " << i;
      } else {
        EXPECT_THROW(Field(line, '|', i), Failure) << line << " field " << i;
      }
    }
  }
}

TEST(Text, CaseInsensitiveSearchAndTrim) {
  EXPECT_TRUE(EqualsNoCase("Open With...", "open with..."));
  EXPECT_FALSE(EqualsNoCase("open", "opens"));
  EXPECT_EQ(FindNoCase("xxOPENyy", "open"), 2u);
  EXPECT_EQ(FindNoCase("ab", "abc"), std::string_view::npos);
  EXPECT_EQ(FindNoCase("abc", "", 3), 3u);
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimTrailingBlanks("  a  "), "  a");
  EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(Text, LettersOutsideAsciiCompareWithoutRegardToCase) {
  const std::pair<const char*, const char*> same[] = {
      {"É", "é"},       {"ÄRGER", "ärger"}, {".ΤΧΤ", ".τχτ"}, {"ΣΟΦΟΣ", "σοφος"},
      {"ΆΈΏ", "άέώ"},   {"ОТЧЁТ", "отчёт"}, {"Ÿ", "ÿ"},       {"ŁÓDŹ", "łódź"},
      {"ＡＢ", "ａｂ"}, {"Ỹ", "ỹ"},         {"Ґ", "ґ"},       {"Ա", "ա"},
  };
  for (const auto& [a, b] : same)
    EXPECT_TRUE(EqualsNoCase(a, b)) << a << " " << b;
  const std::pair<const char*, const char*> different[] = {
      {"é", "e"}, {"ä", "a"},       {"ß", "SS"}, {"日本", "日木"},
      {"×", "÷"}, {"\xE9", "\xC9"},  // bytes that are no UTF-8 equal only themselves
  };
  for (const auto& [a, b] : different)
    EXPECT_FALSE(EqualsNoCase(a, b)) << a << " " << b;
  EXPECT_EQ(FindNoCase("Der ÄRGER", "ärger"), 4u);
  EXPECT_EQ(FindNoCase("ΟΔΟΣ", "ος", 1), 4u);
}

TEST(Text, WrapWordsBreaksBeforeAWordThatWouldPassTheWidth) {
  EXPECT_EQ(WrapWords("aaa bbb ccc", 10), "aaa bbb \r\nccc ");
  EXPECT_EQ(WrapWords("aaaa bbbbb", 10), "aaaa bbbbb ");  // exactly at the width still fits
  // A line after a break also counts the blank behind its first word.
  EXPECT_EQ(WrapWords("aaaaaaa bb cccccc d", 9), "aaaaaaa \r\nbb \r\ncccccc d ");
  EXPECT_EQ(WrapWords("", 10), "");
  EXPECT_EQ(WrapWords("abcdefghijkl x", 5), "abcdefghijkl \r\nx ");
  EXPECT_EQ(WrapWords("a  b", 10), "a  b ");
  // A word holding its own line break restarts the count from the break.
  EXPECT_EQ(WrapWords("Error:\r\nabc defg hi", 10), "Error:\r\nabc defg \r\nhi ");
}

}  // namespace

}  // namespace tavrel::text
