#include "data/user_choices.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

ChoiceList Lines(std::initializer_list<std::string> lines) {
  ChoiceList list(1);
  list.insert(list.end(), lines);
  return list;
}

TEST(ChoiceLines, LineEndsEmptyLinesAndBytesAsStored) {
  const std::string kLong(100000, 'q');
  const std::pair<std::string, ChoiceList> cases[] = {
      {"a\r\nb\rc", Lines({"a", "b", "c"})},  // CR LF or CR; the last line needs none
      {"a\r\n", Lines({"a"})},
      {"a\r\r\n", Lines({"a", ""})},
      {"a\nb\r\n", Lines({"a\nb"})},  // a line feed on its own ends no line
      {"", Lines({})},
      {"\r\n", Lines({""})},
      {"\r\n\r\n.txt|x", Lines({"", "", ".txt|x"})},
      {std::string("a\0b|\xE9\xFF\r\nx", 9), Lines({std::string("a\0b|\xE9\xFF", 6), "x"})},
      {kLong + "\r" + kLong, Lines({kLong, kLong})},  // no line is cut short
  };
  for (const auto& [content, lines] : cases)
    EXPECT_EQ(SplitChoiceLines(content), lines) << ::testing::PrintToString(content);
}

TEST(ChoiceLines, ManyLinesAreReadCompletely) {
  std::string many;
  for (int i = 1; i <= 100000; ++i)
    many += ".k" + std::to_string(i) + "|x\r\n";
  const ChoiceList lines = SplitChoiceLines(many);
  ASSERT_EQ(lines.size(), 100001u);
  EXPECT_EQ(lines[100000], ".k100000|x");
}

}  // namespace
}  // namespace tavrel
