#include "data/work_folder.h"

#include <gtest/gtest.h>

#include "fake_files.h"

namespace tavrel {
namespace {

TEST(WorkFolderPaths, SuffixTempFolderAndInstallTree) {
  EXPECT_EQ(StripSuffix("C:\\Q\\programs", "Programs"), "C:\\Q\\");
  EXPECT_EQ(StripSuffix("C:\\Q\\Bin", "Programs"), "C:\\Q\\Bin");
  EXPECT_EQ(StripSuffix("ms", "Programs"), "ms");
  EXPECT_EQ(WorkFolderFor("C:\\Temp\\"), "C:\\Temp\\ZV");
  EXPECT_EQ(WorkFolderFor("C:\\Users\\me\\Temp"), "C:\\Users\\me\\ZV");

  fakefs::Reset();
  fakefs::SetProgramFolder("C:\\Tools\\Quillbox\\programs");
  EXPECT_EQ(GetInstallRoot(), "C:\\Tools\\Quillbox\\");
  EXPECT_EQ(GetPackagePath(), "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
  fakefs::SetProgramFolder("C:\\Tools\\Quillbox");
  EXPECT_EQ(GetPackagePath(), "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
}

class WorkFolderCycle : public ::testing::Test {
 protected:
  void SetUp() override {
    fakefs::Reset();
    fakefs::AddFolder("C:\\Users\\me\\Temp");
  }
  const std::string zv = "C:\\Users\\me\\Temp\\ZV";
};

TEST_F(WorkFolderCycle, AFolderMadeByTheRequestIsGoneAfterIt) {
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), zv);
  EXPECT_FALSE(WorkFolderExisted());
  ASSERT_TRUE(fakefs::Exists(zv));
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  // Files as an unpack leaves them: data files, catalogue files, something else.
  fakefs::AddFile(zv + "\\QXAdd.dat", "x");
  fakefs::AddFile(zv + "\\QXma.xml", "x");
  CleanWorkFolder();
  EXPECT_FALSE(fakefs::Exists(zv));
}

TEST_F(WorkFolderCycle, DataFilesFoundThereAreUsedAndLeftInPlace) {
  fakefs::AddFolder(zv);
  fakefs::AddFile(zv + "\\qxadd.DAT", "x");
  fakefs::AddFile(zv + "\\QXma.xml", "x");
  PrepareWorkFolder();
  EXPECT_TRUE(WorkFolderExisted());
  EXPECT_TRUE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
  EXPECT_EQ(fakefs::Children(zv), (std::vector<std::string>{"QXma.xml", "qxadd.DAT"}));
}

TEST_F(WorkFolderCycle, AFolderThatExistedStaysAndOnlyDataFilesGo) {
  fakefs::AddFolder(zv);
  fakefs::AddFile(zv + "\\notes.txt", "keep");
  PrepareWorkFolder();
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  fakefs::AddFile(zv + "\\QXDel.dat", "x");
  fakefs::AddFile(zv + "\\QXcat.xml", "x");
  CleanWorkFolder();
  EXPECT_EQ(fakefs::Children(zv), (std::vector<std::string>{"notes.txt"}));
}

TEST_F(WorkFolderCycle, AFolderLeftNonEmptyIsNotAFailure) {
  PrepareWorkFolder();
  fakefs::AddFile(zv + "\\other.bin", "x");
  CleanWorkFolder();  // the folder cannot be removed; nothing is raised
  EXPECT_TRUE(fakefs::Exists(zv + "\\other.bin"));
}

TEST_F(WorkFolderCycle, WithoutATemporaryFolderNothingIsTouched) {
  fakefs::SetTempFolder("");
  fakefs::AddFolder("ZV");
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), "");
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
  EXPECT_TRUE(fakefs::Exists("ZV"));
}

TEST_F(WorkFolderCycle, AFolderThatCannotBeCreatedIsIgnored) {
  fakefs::Reset();
  fakefs::AddFolder("C:\\Users\\me\\Temp", false);
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), zv);
  EXPECT_FALSE(fakefs::Exists(zv));
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
}

}  // namespace
}  // namespace tavrel
