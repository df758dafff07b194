#include "data/work_folder.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(WorkFolder, SuffixTempFolderAndInstallTree) {
  EXPECT_EQ(WorkFolderFor("C:\\Temp\\"), "C:\\Temp\\ZV");
  EXPECT_EQ(WorkFolderFor("C:\\Users\\me\\Temp"), "C:\\Users\\me\\ZV");
  // UTF-8 folder names pass through untouched.
  EXPECT_EQ(WorkFolderFor("C:\\Users\\Jos\xC3\xA9\\\xE6\x97\xA5\xE6\x9C\xAC\\"),
            "C:\\Users\\Jos\xC3\xA9\\\xE6\x97\xA5\xE6\x9C\xAC\\ZV");
  EXPECT_EQ(InstallRootOf("C:\\Tools\\Quillbox\\programs"), "C:\\Tools\\Quillbox\\");
  EXPECT_EQ(PackagePathIn(InstallRootOf("C:\\Tools\\Quillbox\\programs")),
            "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
  EXPECT_EQ(PackagePathIn(InstallRootOf("C:\\Tools\\Quillbox")),
            "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
  // Only a last folder named Programs is taken off, never the end of another name.
  EXPECT_EQ(PackagePathIn(InstallRootOf("C:\\Apps\\MyPrograms")),
            "C:\\Apps\\MyPrograms\\Data\\QXTavrel.dat");
  EXPECT_EQ(InstallRootOf("C:\\Q\\Bin"), "C:\\Q\\Bin");
  EXPECT_EQ(InstallRootOf("C:\\Programs\\Tavrel"), "C:\\Programs\\Tavrel");
  EXPECT_EQ(InstallRootOf("Programs"), "Programs");
}

}  // namespace
}  // namespace tavrel
