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
  const std::pair<std::string, ChoiceList> cases[] = {
      {"a\r\nb\rc", Lines({"a", "b", "c"})},  // CR LF or CR; the last line needs none
      {"a\r\n", Lines({"a"})},
      {"a\r\r\n", Lines({"a", ""})},
      {"a\nb\r\n", Lines({"a\nb"})},  // a line feed on its own ends no line
      {"", Lines({})},
      {"\r\n", Lines({""})},
      {"\r\n\r\n.txt|x", Lines({"", "", ".txt|x"})},
      {std::string("a\0b|\xE9\xFF\r\nx", 9), Lines({std::string("a\0b|\xE9\xFF", 6), "x"})},
  };
  for (const auto& [content, lines] : cases)
    EXPECT_EQ(SplitChoiceLines(content), lines) << ::testing::PrintToString(content);
}

TEST(ChoiceLines, ManyAndLongLinesAreReadCompletely) {
  std::string many;
  for (int i = 1; i <= 100000; ++i)
    many += ".k" + std::to_string(i) + "|x\r\n";
  const ChoiceList lines = SplitChoiceLines(many);
  ASSERT_EQ(lines.size(), 100001u);
  EXPECT_EQ(lines[100000], ".k100000|x");
  EXPECT_EQ(lines.capacity(), lines.size());  // trimmed after reading

  const std::string longLine(100000, 'q');
  EXPECT_EQ(SplitChoiceLines(longLine + "\r" + longLine), Lines({longLine, longLine}));
}

TEST(ChoiceFiles, EachFileFillsItsListAndAMissingOneLeavesItsList) {
  ResetUserChoices();
  DefChoices() = Lines({".old|kept"});
  DataFiles files;
  files.add = ".txt|a\r\n.doc|b";
  files.del = "";
  GetUserChoices(files);
  EXPECT_EQ(AddChoices(), Lines({".txt|a", ".doc|b"}));
  EXPECT_EQ(DelChoices(), Lines({}));
  EXPECT_EQ(DefChoices(), Lines({".old|kept"}));
  ResetUserChoices();
  EXPECT_EQ(DefChoices(), Lines({}));
}

}  // namespace
}  // namespace tavrel
