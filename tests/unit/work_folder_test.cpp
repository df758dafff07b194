#include "data/work_folder.h"

#include <gtest/gtest.h>

#include "fake_os.h"
#include "platform/files.h"

namespace tavrel {
namespace {

using Names = std::vector<std::string>;

TEST(WorkFolder, SuffixTempFolderAndInstallTree) {
  // Only a last folder named Programs is taken off, never the end of another name.
  EXPECT_EQ(InstallRootFor("C:\\Q\\programs"), "C:\\Q\\");
  EXPECT_EQ(InstallRootFor("C:\\Q\\Bin"), "C:\\Q\\Bin");
  EXPECT_EQ(InstallRootFor("C:\\Apps\\MyPrograms"), "C:\\Apps\\MyPrograms");
  EXPECT_EQ(InstallRootFor("C:\\Programs\\Tavrel"), "C:\\Programs\\Tavrel");
  EXPECT_EQ(InstallRootFor("Programs"), "Programs");
  EXPECT_EQ(WorkFolderFor("C:\\Temp\\"), "C:\\Temp\\ZV");
  EXPECT_EQ(WorkFolderFor("C:\\Users\\me\\Temp"), "C:\\Users\\me\\ZV");
  fake_os::Scope os;
  fake_os::Dirs().program = "C:\\Tools\\Quillbox\\programs";
  EXPECT_EQ(GetInstallRoot(), "C:\\Tools\\Quillbox\\");
  EXPECT_EQ(GetPackagePath(), "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
  fake_os::Dirs().program = "C:\\Tools\\Quillbox";
  EXPECT_EQ(GetPackagePath(), "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
  fake_os::Dirs().program = "C:\\Apps\\MyPrograms";
  EXPECT_EQ(GetPackagePath(), "C:\\Apps\\MyPrograms\\Data\\QXTavrel.dat");
}

class WorkFolderCycle : public ::testing::Test {
 protected:
  WorkFolderCycle() { fake_os::AddFolder("C:\\Users\\me\\Temp"); }
  fake_os::Scope os_;
  const std::string zv = "C:\\Users\\me\\Temp\\ZV";
};

TEST_F(WorkFolderCycle, AFolderMadeByTheRequestIsGoneAfterIt) {
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), zv);
  EXPECT_FALSE(WorkFolderExisted());
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  fake_os::AddFile(zv + "\\QXAdd.dat");
  fake_os::AddFile(zv + "\\QXma.xml");
  CleanWorkFolder();
  EXPECT_FALSE(files::IsFolder(zv));
  // A file the clean-up does not know keeps the folder; that is no failure.
  PrepareWorkFolder();
  fake_os::AddFile(zv + "\\other.bin");
  CleanWorkFolder();
  EXPECT_TRUE(files::IsFile(zv + "\\other.bin"));
}

TEST_F(WorkFolderCycle, AFolderThatExistedStaysWithWhatWasThereBefore) {
  fake_os::AddFolder(zv);
  PrepareWorkFolder();
  EXPECT_TRUE(WorkFolderExisted());
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  fake_os::AddFile(zv + "\\QXDel.dat");
  fake_os::AddFile(zv + "\\QXcat.xml");
  CleanWorkFolder();
  EXPECT_TRUE(files::IsFolder(zv));
  EXPECT_EQ(files::FindFiles(zv, "*"), Names{});
  // Data files found there (in any case) are used, and the clean-up leaves them in place.
  fake_os::AddFile(zv + "\\qxadd.DAT");
  fake_os::AddFile(zv + "\\QXma.xml");
  PrepareWorkFolder();
  EXPECT_TRUE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
  EXPECT_EQ(files::FindFiles(zv, "*"), (Names{"qxadd.DAT", "QXma.xml"}));
}

TEST_F(WorkFolderCycle, WithoutATemporaryFolderOrOneThatCannotBeWrittenNothingIsTouched) {
  fake_os::Dirs().temp = "";
  fake_os::AddFolder("ZV");
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), "");
  EXPECT_FALSE(FindDataFilesInWorkFolder());
  CleanWorkFolder();
  EXPECT_TRUE(files::IsFolder("ZV"));

  fake_os::Reset();
  fake_os::AddFolder("C:\\Users\\me\\Temp", false);
  PrepareWorkFolder();
  EXPECT_EQ(WorkFolder(), zv);
  EXPECT_FALSE(files::IsFolder(zv));
  EXPECT_FALSE(FindDataFilesInWorkFolder());
}

}  // namespace
}  // namespace tavrel
