// A request's unpack of a real package into a real work folder: the package beside the test
// program (its install root, as the folder does not end in "Programs"), the temporary folder one
// of the test's own, the message box replaced by a recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "../unit/errors_fakes.h"
#include "data/package_writer.h"
#include "data/unpack.h"
#include "data/work_folder.h"
#include "platform/files.h"
#include "platform/os.h"
#include "scratch.h"

namespace tavrel {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

class UnpackWin : public ::testing::Test {
 protected:
  UnpackWin() {
    std::filesystem::create_directories(data_);
    SetEnvironmentVariableA("TMP", (temp_.path() + "\\").c_str());
    SetEnvironmentVariableA("TEMP", (temp_.path() + "\\").c_str());
  }
  ~UnpackWin() override {
    std::error_code ignored;
    std::filesystem::remove_all(data_, ignored);
    SetEnvironmentVariableA("TMP", savedTmp_.c_str());
    SetEnvironmentVariableA("TEMP", savedTemp_.c_str());
  }
  void MakePackage(const Members& members) {
    package::PackageWriter writer(Package(), package::Encryption::kAes256);
    for (const auto& [name, content] : members)
      ASSERT_TRUE(writer.AddBytes(name, content));
    ASSERT_TRUE(writer.Close()) << writer.Error();
  }
  std::string Package() const { return (data_ / "QXTavrel.dat").string(); }
  std::string Work(const std::string& name = {}) const { return temp_ / ("ZV\\" + name); }

  std::string savedTmp_ = os::EnvironmentVariable("TMP");
  std::string savedTemp_ = os::EnvironmentVariable("TEMP");
  std::filesystem::path data_ = std::filesystem::path(files::ProgramFolder()) / "Data";
  wintest::ScratchFolder temp_;
  FakeBox box;
  ScopedEdge<MessageBoxEdge> installed{box};
};

TEST_F(UnpackWin, UnpacksIntoANewWorkFolderThatCleanUpRemovesWithEveryMember) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", ".txt|x"}, {"readme.txt", "extra"}});
  const std::string before = files::ReadWholeFile(Package());
  EXPECT_TRUE(UnpackFiles());
  EXPECT_FALSE(WorkFolderExisted());
  EXPECT_FALSE(UnpackedBefore());
  EXPECT_EQ(CheckFilePath(), Work("QXcat.xml"));
  EXPECT_TRUE(files::IsFile(Work("readme.txt")));
  EXPECT_FALSE(files::IsFile(Work("QXTavrel.dat")));  // the copy is deleted
  EXPECT_EQ(files::ReadWholeFile(Package()), before);
  CleanWorkFolder();
  EXPECT_FALSE(files::IsFolder(Work()));
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, DataFilesAlreadyThereAreUsedAndKept) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", "from the package"}});
  std::filesystem::create_directory(Work());
  temp_.Write("ZV\\QXAdd.dat", "already there");
  EXPECT_TRUE(UnpackFiles());
  EXPECT_TRUE(UnpackedBefore());
  EXPECT_TRUE(WorkFolderExisted());
  EXPECT_FALSE(files::IsFile(Work("QXcat.xml")));  // nothing was unpacked
  CleanWorkFolder();
  EXPECT_EQ(temp_.Read("ZV\\QXAdd.dat"), "already there");
}

TEST_F(UnpackWin, MissingOrDamagedPackagesEndQuietlyWithNothingBehind) {
  EXPECT_FALSE(UnpackFiles());
  CleanWorkFolder();
  files::WriteWholeFile(Package(), "PK\x03\x04 damaged");
  EXPECT_FALSE(UnpackFiles());
  CleanWorkFolder();
  EXPECT_FALSE(temp_.Has("ZV"));
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, PackageWithoutCheckFileShowsMessage4502OnceAndItsFilesAreStillRead) {
  MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  EXPECT_FALSE(UnpackFiles());
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].caption.find("4502"), std::string::npos) << box.shown[0].caption;
  EXPECT_EQ(files::ReadWholeFile(Work("QXAdd.dat")), ".txt|x");
  CleanWorkFolder();
  EXPECT_FALSE(temp_.Has("ZV"));
}

}  // namespace
}  // namespace tavrel
