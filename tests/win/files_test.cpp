#include "os/files.h"
#include "os/unicode_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../support/scratch_folder.h"
#include "base/failure.h"
#include "os/handles_win.h"

namespace tavrel {
namespace {

std::int32_t FailureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Failure& e) {
    return e.number;
  }
  return 0;
}

// An owner that lets go between a failing call and the read of its error keeps that error, even
// when its own close fails.
TEST(Handles, LettingGoKeepsTheLastError) {
  KernelHandle stale(reinterpret_cast<HANDLE>(0x1234));
  SetLastError(ERROR_FILE_NOT_FOUND);
  stale.reset();
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Files, FoldersAndFilesOnTheRealFileSystem) {
  testing::ScratchFolder dir("files");
  const std::string sub = dir / "sub";
  std::filesystem::create_directory(sub);

  const std::string content("a\0b\r\n\xE9\xFF", 7);
  files::WriteWholeFile(dir / "one.dat", content);
  files::WriteWholeFile(dir / "two.DAT", "");
  files::WriteWholeFile(dir / "x.xml", "<x/>");
  std::string bytes;
  EXPECT_EQ(files::ReadSharedFile(dir / "ONE.dat", 100, bytes), files::FileRead::kRead);
  EXPECT_EQ(bytes, content);

  EXPECT_EQ(FailureOf([&] { files::RenameFile(dir / "one.dat", dir / "two.dat"); }), 58);
  files::RenameFile(dir / "one.dat", dir / "three.dat");
  EXPECT_EQ(FailureOf([&] { files::RemoveFile(dir / "one.dat"); }), 53);
  EXPECT_EQ(FailureOf([&] { files::WriteWholeFile(dir / "no\\such.dat", "x"); }), 76);

  // Whole files through the wide API: a folder, a missing file and one over the bound read nothing.
  bytes = "old";
  EXPECT_EQ(files::ReadSharedFile(dir / "three.dat", 7, bytes), files::FileRead::kRead);
  EXPECT_EQ(bytes, content);
  EXPECT_EQ(files::ReadSharedFile(dir / "three.dat", 6, bytes), files::FileRead::kTooLarge);
  EXPECT_EQ(files::ReadSharedFile(sub, 100, bytes), files::FileRead::kMissing);
  EXPECT_EQ(files::ReadSharedFile(dir / "none.dat", 100, bytes), files::FileRead::kMissing);
  EXPECT_EQ(bytes, "");
}

}  // namespace
}  // namespace tavrel
