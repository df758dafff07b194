// A request's data read from a real package and a real work folder through the wide file API:
// a temporary folder and an install folder whose names hold "é" and "日本", a package another
// process holds open or locked, and nothing written anywhere. The message box is replaced by a
// recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../support/package_maker.h"
#include "../support/scratch_folder.h"
#include "../unit/errors_fakes.h"
#include "data/unpack.h"
#include "os/handles_win.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::recursive_directory_iterator(folder), fs::recursive_directory_iterator{}));
}

FileHandle* heldLock = nullptr;
void CALLBACK ReleaseHeldLock(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  heldLock->reset();
}

class UnpackWin : public ::testing::Test {
 protected:
  UnpackWin() {
    fs::create_directories(temp_);
    fs::create_directories(install_ / L"Data");
  }
  void MakePackage(const testing::Members& members) {
    testing::WritePackage(Utf8(package_), members, package::Encryption::kAes256);
  }
  void PutInWorkFolder(const char* name, const std::string& content) {
    fs::create_directories(temp_ / L"ZV");
    std::ofstream(temp_ / L"ZV" / name, std::ios::binary) << content;
  }
  DataFiles Unpack() { return UnpackFilesFor(Utf8(temp_) + "\\", Utf8(install_ / L"Programs")); }

  testing::ScratchFolder scratch_;
  fs::path temp_ = fs::path(scratch_.path()) / L"Jos\u00e9 \u65e5\u672c\\Temp";
  fs::path install_ = fs::path(scratch_.path()) / L"Inst\u00e9 \u65e5\u672c";
  fs::path package_ = install_ / L"Data\\QXTavrel.dat";
  FakeBox box;
  ReportThrough reporting{{box, PlatformEdges().texts}};
};

TEST_F(UnpackWin, ThePackageIsReadInMemoryAndNothingIsWritten) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  const std::string before = ReadAll(package_);
  const std::size_t entries = Entries(scratch_.path());
  // Another program writing the package meanwhile does not keep it from being read.
  const FileHandle writer(CreateFileW(package_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  const DataFiles files = Unpack();
  EXPECT_EQ(files.add.value_or("(none)"), ".txt|x");
  EXPECT_EQ(files.catalogue.value_or("(none)"), "<p/>");
  EXPECT_EQ(Entries(scratch_.path()), entries);
  EXPECT_EQ(ReadAll(package_), before);
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, ChoiceFilesInTheWorkFolderAreReadAndKeptALeftoverPackageIsNot) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", "from the package"}});
  PutInWorkFolder("QXTavrel.dat", "a leftover copy");
  EXPECT_EQ(Unpack().add.value_or("(none)"), "from the package");
  PutInWorkFolder("QXAdd.dat", "already there");
  EXPECT_EQ(Unpack().add.value_or("(none)"), "already there");
  EXPECT_EQ(Entries(temp_ / L"ZV"), 2u);
}

TEST_F(UnpackWin, ALockedPackageIsWaitedForMissingOrDamagedOnesEndAtOnce) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", ".txt|x"}});
  FileHandle lock(
      CreateFileW(package_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  // The lock goes when this thread's messages are next processed: during a wait between two
  // attempts, not after a guessed delay that a busy machine can outlast.
  heldLock = &lock;
  SetTimer(nullptr, 0, 10, &ReleaseHeldLock);
  EXPECT_EQ(Unpack().add.value_or("(none)"), ".txt|x");
  EXPECT_FALSE(lock) << "the package was read without waiting for the lock";

  std::ofstream(package_, std::ios::binary) << "PK\x03\x04 damaged";
  for (bool present : {true, false}) {
    if (!present) fs::remove(package_);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(Unpack().add.has_value());
    EXPECT_LT(GetTickCount() - start, 200u);
  }
  EXPECT_FALSE(fs::exists(temp_ / L"ZV"));
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(UnpackWin, PackageWithoutCheckFileShowsMessage4502OnceAndItsFilesAreStillRead) {
  MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  EXPECT_EQ(Unpack().add.value_or("(none)"), ".txt|x");
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].caption.find("4502"), std::string::npos) << box.shown[0].caption;
}

}  // namespace
}  // namespace tavrel
