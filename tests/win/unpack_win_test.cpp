// Unpacking a real package into a real work folder, with the message box replaced by a recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "../unit/errors_fakes.h"
#include "data/package_writer.h"
#include "data/unpack.h"
#include "data/work_folder.h"

namespace tavrel {
namespace {

using testing::ScratchFolder;

class UnpackWin : public ::testing::Test {
 protected:
  UnpackWin() {
    std::filesystem::create_directories(folder / "Data");
    std::filesystem::create_directories(folder / "ZV");
  }

  void MakePackage(const std::vector<std::pair<std::string, std::string>>& members) {
    package::PackageWriter writer(Package(), package::Encryption::kPkware);
    for (const auto& [name, content] : members)
      ASSERT_TRUE(writer.AddBytes(name, content));
    ASSERT_TRUE(writer.Close()) << writer.Error();
  }
  std::string Package() const { return folder / "Data\\QXTavrel.dat"; }
  std::string Work() const { return folder / "ZV"; }
  std::vector<std::string> WorkFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Work())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  ScratchFolder folder;
  FakeBox box;
  ScopedEdge<MessageBoxEdge> installed{box};
};

TEST_F(UnpackWin, UnpacksFromACopyThatIsDeletedAgain) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXma.xml", "<p/>"}, {"QXAdd.dat", ".txt|x"}});
  const std::string before = folder.Read("Data\\QXTavrel.dat");
  EXPECT_TRUE(UnpackPackage(Package(), Work()));
  EXPECT_EQ(WorkFiles(), (std::vector<std::string>{"QXAdd.dat", "QXcat.xml", "QXma.xml"}));
  EXPECT_EQ(CataloguePath(), Work() + "\\QXma.xml");
  EXPECT_EQ(CheckFilePath(), Work() + "\\QXcat.xml");
  EXPECT_EQ(folder.Read("Data\\QXTavrel.dat"), before);
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, MissingOrDamagedPackageEndsQuietlyWithNothingUnpacked) {
  EXPECT_FALSE(UnpackPackage(Package(), Work()));
  folder.Write("Data\\QXTavrel.dat", "PK\x03\x04 damaged");
  EXPECT_FALSE(UnpackPackage(Package(), Work()));
  MakePackage({{"QXcat.xml", "<c/>"}});
  std::string truncated = folder.Read("Data\\QXTavrel.dat");
  folder.Write("Data\\QXTavrel.dat", truncated.substr(0, truncated.size() - 10));
  EXPECT_FALSE(UnpackPackage(Package(), Work()));
  EXPECT_TRUE(WorkFiles().empty());
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, PackageWithoutCheckFileShowsMessage4502OnceAndKeepsTheFiles) {
  MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  EXPECT_FALSE(UnpackPackage(Package(), Work()));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].caption.find("4502"), std::string::npos) << box.shown[0].caption;
  EXPECT_EQ(WorkFiles(), (std::vector<std::string>{"QXAdd.dat", "QXma.xml"}));
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

// The whole unpack of a request: the package beside the test program (its install root, as the
// folder does not end in "Programs"), the work folder in a temporary folder of the test's own.
class UnpackFilesWin : public ::testing::Test {
 protected:
  UnpackFilesWin() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    data_ = std::filesystem::path(path).parent_path() / "Data";
    std::filesystem::create_directories(data_);
    const std::string temp = temp_.Path() + "\\";
    SetEnvironmentVariableA("TMP", temp.c_str());
    SetEnvironmentVariableA("TEMP", temp.c_str());
  }
  ~UnpackFilesWin() override {
    std::error_code ignored;
    std::filesystem::remove_all(data_, ignored);
    SetEnvironmentVariableA("TMP", savedTmp_.c_str());
    SetEnvironmentVariableA("TEMP", savedTemp_.c_str());
  }

  static std::string Saved(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, MAX_PATH);
    return value;
  }
  void MakePackage(const std::vector<std::pair<std::string, std::string>>& members) {
    package::PackageWriter writer((data_ / "QXTavrel.dat").string(), package::Encryption::kAes256);
    for (const auto& [name, content] : members)
      ASSERT_TRUE(writer.AddBytes(name, content));
    ASSERT_TRUE(writer.Close()) << writer.Error();
  }

  std::string savedTmp_ = Saved("TMP");
  std::string savedTemp_ = Saved("TEMP");
  std::filesystem::path data_;
  ScratchFolder temp_;
  FakeBox box;
  ScopedEdge<MessageBoxEdge> installed{box};
};

TEST_F(UnpackFilesWin, UnpacksIntoANewWorkFolderThatCleanUpRemoves) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXma.xml", "<p/>"}, {"QXAdd.dat", ".txt|x"}});
  EXPECT_TRUE(UnpackFiles());
  EXPECT_EQ(WorkFolder(), temp_ / "ZV");
  EXPECT_FALSE(WorkFolderExisted());
  EXPECT_FALSE(UnpackedBefore());
  EXPECT_TRUE(temp_.Has("ZV\\QXAdd.dat"));
  EXPECT_FALSE(temp_.Has("ZV\\QXTavrel.dat"));
  CleanWorkFolder();
  EXPECT_FALSE(temp_.Has("ZV"));
}

TEST_F(UnpackFilesWin, DataFilesAlreadyThereAreUsedAndKept) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", "from the package"}});
  std::filesystem::create_directory(temp_ / "ZV");
  temp_.Write("ZV\\QXAdd.dat", "already there");
  EXPECT_TRUE(UnpackFiles());
  EXPECT_TRUE(UnpackedBefore());
  EXPECT_TRUE(WorkFolderExisted());
  EXPECT_FALSE(temp_.Has("ZV\\QXcat.xml"));  // nothing was unpacked
  CleanWorkFolder();
  EXPECT_EQ(temp_.Read("ZV\\QXAdd.dat"), "already there");
}

TEST_F(UnpackFilesWin, MembersOfOtherKindsAreRemovedWithTheDataFiles) {
  MakePackage({{"QXcat.xml", "<c/>"},
               {"QXAdd.dat", ".txt|x"},
               {"readme.txt", "extra"},
               {"tool.exe", "MZ"}});
  EXPECT_TRUE(UnpackFiles());
  EXPECT_TRUE(temp_.Has("ZV\\readme.txt"));
  CleanWorkFolder();
  EXPECT_FALSE(temp_.Has("ZV")) << "the work folder and everything unpacked into it are gone";
}

TEST_F(UnpackFilesWin, HostilePackageLeavesNothingBehind) {
  MakePackage({{"..\\..\\QXAdd.dat", "escape"}, {"CON", "device"}, {"QXcat.xml", "<c/>"}});
  EXPECT_TRUE(UnpackFiles());
  EXPECT_FALSE(std::filesystem::exists(data_ / "QXAdd.dat"));
  EXPECT_FALSE(temp_.Has("QXAdd.dat"));
  CleanWorkFolder();
  EXPECT_FALSE(temp_.Has("ZV"));
  EXPECT_TRUE(box.shown.empty());
}

}  // namespace
}  // namespace tavrel
