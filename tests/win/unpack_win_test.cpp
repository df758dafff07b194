// A request's data read from a real package and a real work folder through the wide file API:
// a temporary folder and an install folder whose names hold "é" and "日本", a package another
// process holds open or locked. The message box is replaced by a recorder.
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
  DataFiles Unpack() { return UnpackFilesFor(Utf8(temp_) + "\\", Utf8(install_ / L"Programs")); }

  testing::ScratchFolder scratch_;
  fs::path temp_ = fs::path(scratch_.path()) / L"Jos\u00e9 \u65e5\u672c\\Temp";
  fs::path install_ = fs::path(scratch_.path()) / L"Inst\u00e9 \u65e5\u672c";
  fs::path package_ = install_ / L"Data\\QXTavrel.dat";
  FakeBox box;
  ReportThrough reporting{{box, PlatformEdges().texts}};
};

// Without its check file the package is still read, and message 4502 is shown once.
TEST_F(UnpackWin, APackageAnotherProgramWritesIsRead) {
  MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  // Another program writing the package meanwhile does not keep it from being read.
  const FileHandle writer(CreateFileW(package_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  const DataFiles files = Unpack();
  EXPECT_EQ(files.add.value_or("(none)"), ".txt|x");
  EXPECT_EQ(files.catalogue.value_or("(none)"), "<p/>");
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_NE(box.shown[0].caption.find("4502"), std::string::npos) << box.shown[0].caption;
}

TEST_F(UnpackWin, ALockedPackageIsWaitedForMissingOrDamagedOnesEndAtOnce) {
  MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", std::string(5000, 'a')}});
  std::ifstream in(package_, std::ios::binary);
  const std::string good(std::istreambuf_iterator<char>(in), {});
  in.close();
  FileHandle lock(
      CreateFileW(package_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  // The lock goes when this thread's messages are next processed: during a wait between two
  // attempts, not after a guessed delay that a busy machine can outlast.
  heldLock = &lock;
  SetTimer(nullptr, 0, 10, &ReleaseHeldLock);
  EXPECT_EQ(Unpack().add.value_or("(none)"), std::string(5000, 'a'));
  EXPECT_FALSE(lock) << "the package was read without waiting for the lock";

  // AES through the system's cryptography: a changed byte fails the authentication code.
  std::string tampered = good;
  tampered[good.find("QXAdd.dat") + 9 + 40] ^= 1;
  std::ofstream(package_, std::ios::binary) << tampered;
  for (bool present : {true, false}) {
    if (!present) fs::remove(package_);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(Unpack().add.has_value());
    EXPECT_LT(GetTickCount() - start, 200u);
  }
  EXPECT_TRUE(box.shown.empty());
}

}  // namespace
}  // namespace tavrel
