#include "data/user_choices.h"

#include <gtest/gtest.h>

#include "base/failure.h"

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

// Each field by its name; one the line does not have is missing, and reading it fails with 9.
TEST(ChoiceLines, FieldsByName) {
  const auto fields = [](std::string_view line) {
    const ChoiceLine l = ParseChoiceLine(line);
    std::string shown;
    for (const auto* field :
         {&l.key, &l.displayName, &l.version, &l.status, &l.program, &l.shortProgram}) {
      try {
        shown += "[" + std::string(Need(*field)) + "]";
      } catch (const Failure& e) {
        shown += "failure " + std::to_string(e.number);
        break;
      }
    }
    return shown;
  };
  EXPECT_EQ(fields(".txt|A - B|1.0|OK|C:\\b.exe|C:\\B.EXE|extra"),
            "[.txt][A - B][1.0][OK][C:\\b.exe][C:\\B.EXE]");
  EXPECT_EQ(fields(".txt|A - B||"), "[.txt][A - B][][]failure 9");
  EXPECT_EQ(fields("|"), "[][]failure 9");
  EXPECT_EQ(fields(""), "failure 9");
}

// The files are in the system's ANSI code page (Windows-1252 in native tests); the lists in UTF-8.
TEST(ChoiceFiles, EachFileFillsItsListAndAMissingOneLeavesItsListEmpty) {
  DataFiles files;
  files.add = ".txt|a\r\n.doc|b";
  files.del = "";
  files.def = ".txt|M\xFCller - App|1.0|OK|C:\\Programme\\M\xFCller\\app.exe";
  const UserChoices choices = GetUserChoices(files);
  EXPECT_EQ(choices.add, Lines({".txt|a", ".doc|b"}));
  EXPECT_EQ(choices.del, Lines({}));
  EXPECT_EQ(choices.def, Lines({".txt|Müller - App|1.0|OK|C:\\Programme\\Müller\\app.exe"}));
}

}  // namespace
}  // namespace tavrel
