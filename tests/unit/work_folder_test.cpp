#include "data/work_folder.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// The end-to-end tests read a work folder and a package under names outside ASCII.
TEST(WorkFolder, SuffixTempFolderAndInstallTree) {
  EXPECT_EQ(WorkFolderFor("C:\\Temp\\"), "C:\\Temp\\ZV");
  EXPECT_EQ(WorkFolderFor("C:\\Users\\me\\Temp"), "C:\\Users\\me\\ZV");
  // Only a last folder named Programs is taken off, never the end of another name.
  const std::pair<const char*, const char*> roots[] = {
      {"C:\\Tools\\Quillbox\\programs", "C:\\Tools\\Quillbox\\"},
      {"C:\\Apps\\MyPrograms", "C:\\Apps\\MyPrograms"},
      {"C:\\Programs\\Tavrel", "C:\\Programs\\Tavrel"},
      {"Programs", "Programs"},
  };
  for (const auto& [folder, root] : roots)
    EXPECT_EQ(InstallRootOf(folder), root) << folder;
  EXPECT_EQ(PackagePathIn("C:\\Tools\\Quillbox"), "C:\\Tools\\Quillbox\\Data\\QXTavrel.dat");
}

}  // namespace
}  // namespace tavrel
