#include "data/user_choices.h"

#include <gtest/gtest.h>

#include "data/work_folder.h"
#include "fake_files.h"

namespace tavrel {
namespace {

ChoiceList Lines(std::initializer_list<const char*> lines) {
  ChoiceList list(1);
  for (const char* l : lines)
    list.emplace_back(l);
  return list;
}

TEST(ChoiceLines, LineEndsAreCrOrCrLfAndTheLastLineNeedsNone) {
  EXPECT_EQ(SplitChoiceLines("a\r\nb\rc"), Lines({"a", "b", "c"}));
  EXPECT_EQ(SplitChoiceLines("a\r\n"), Lines({"a"}));
  EXPECT_EQ(SplitChoiceLines("a\r\r\n"), Lines({"a", ""}));
  // A line feed on its own does not end a line.
  EXPECT_EQ(SplitChoiceLines("a\nb\r\n"), Lines({"a\nb"}));
  EXPECT_EQ(SplitChoiceLines("\n"), Lines({"\n"}));
}

TEST(ChoiceLines, EmptyFileAndEmptyLines) {
  const ChoiceList empty = SplitChoiceLines("");
  ASSERT_EQ(empty.size(), 1u);  // slot 0 only
  EXPECT_EQ(empty[0], "");
  EXPECT_EQ(SplitChoiceLines("\r\n\r\n.txt|x"), Lines({"", "", ".txt|x"}));
  EXPECT_EQ(SplitChoiceLines("\r\n"), Lines({""}));
}

TEST(ChoiceLines, BytesAreKeptAsStored) {
  const std::string raw("a\0b|\xE9\xFF|\x7F\x80\r\nx", 12);
  const ChoiceList lines = SplitChoiceLines(raw);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], std::string("a\0b|\xE9\xFF|\x7F\x80", 9));
  EXPECT_EQ(lines[2], "x");
}

TEST(ChoiceLines, ManyAndLongLinesAreReadCompletely) {
  std::string many;
  for (int i = 1; i <= 100000; ++i)
    many += ".k" + std::to_string(i) + "|x\r\n";
  const ChoiceList lines = SplitChoiceLines(many);
  ASSERT_EQ(lines.size(), 100001u);
  EXPECT_EQ(lines[1], ".k1|x");
  EXPECT_EQ(lines[100000], ".k100000|x");
  EXPECT_EQ(lines.capacity(), lines.size());  // trimmed after reading

  const std::string longLine(100000, 'q');
  const ChoiceList two = SplitChoiceLines(longLine + "\r" + longLine);
  ASSERT_EQ(two.size(), 3u);
  EXPECT_EQ(two[2], longLine);
}

class ChoiceFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fakefs::Reset();
    fakefs::AddFolder("C:\\Users\\me\\Temp\\ZV");
    PrepareWorkFolder();
    ResetUserChoices();
  }
};

TEST_F(ChoiceFiles, TheFileNameSelectsTheList) {
  fakefs::AddFile("C:\\d\\my add.DAT", ".txt|a\r\n.doc|b");
  fakefs::AddFile("C:\\d\\Foo.dat", ".txt|f");
  fakefs::AddFile("C:\\d\\QXDel.dat", ".bmp");
  ReadChoiceFile("C:\\d\\my add.DAT");
  ReadChoiceFile("C:\\d\\Foo.dat");
  ReadChoiceFile("C:\\d\\QXDel.dat");
  ReadChoiceFile("C:\\d\\missing Def.dat");
  ReadChoiceFile("");
  EXPECT_EQ(AddChoices(), Lines({".txt|a", ".doc|b"}));
  EXPECT_EQ(DelChoices(), Lines({".bmp"}));
  EXPECT_EQ(DefChoices(), Lines({}));
}

TEST_F(ChoiceFiles, AllThreeAreReadFromTheWorkFolderAndResetAgain) {
  fakefs::AddFile("C:\\Users\\me\\Temp\\ZV\\QXAdd.dat", ".txt|a");
  fakefs::AddFile("C:\\Users\\me\\Temp\\ZV\\QXDef.dat", ".png|d|1|OK|C:\\p.exe");
  GetUserChoices();
  EXPECT_EQ(AddChoices(), Lines({".txt|a"}));
  EXPECT_EQ(DelChoices(), Lines({}));
  EXPECT_EQ(DefChoices(), Lines({".png|d|1|OK|C:\\p.exe"}));
  EXPECT_EQ(GetDelFilePath(), "C:\\Users\\me\\Temp\\ZV\\QXDel.dat");

  ResetUserChoices();
  EXPECT_EQ(AddChoices(), Lines({}));
  EXPECT_EQ(DefChoices(), Lines({}));
}

}  // namespace
}  // namespace tavrel
