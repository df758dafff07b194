// Unpacking a real package into a real work folder, with the message box replaced by a recorder.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "../unit/errors_fakes.h"
#include "data/package_writer.h"
#include "data/unpack.h"

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
