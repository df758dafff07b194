#include "os/files.h"
#include "os/unicode_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "base/failure.h"
#include "scratch.h"

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

TEST(Files, FoldersAndFilesOnTheRealFileSystem) {
  wintest::ScratchFolder dir("files");
  const std::string sub = dir / "sub";
  std::filesystem::create_directory(sub);
  EXPECT_FALSE(files::IsFile(sub));

  const std::string content("a\0b\r\n\xE9\xFF", 7);
  files::WriteWholeFile(dir / "one.dat", content);
  files::WriteWholeFile(dir / "two.DAT", "");
  files::WriteWholeFile(dir / "x.xml", "<x/>");
  EXPECT_EQ(files::ReadWholeFile(dir / "ONE.dat"), content);
  EXPECT_EQ(FailureOf([&] { files::ReadWholeFile(dir / "none.dat"); }), 53);
  auto dats = files::FindFiles(dir.path(), "*.dat");
  std::sort(dats.begin(), dats.end());
  EXPECT_EQ(dats, (std::vector<std::string>{"one.dat", "two.DAT"}));
  EXPECT_TRUE(files::FindFiles(dir / "missing", "*.dat").empty());

  EXPECT_EQ(FailureOf([&] { files::RenameFile(dir / "one.dat", dir / "two.dat"); }), 58);
  files::RenameFile(dir / "one.dat", dir / "three.dat");
  EXPECT_EQ(FailureOf([&] { files::RemoveFile(dir / "one.dat"); }), 53);
  EXPECT_EQ(FailureOf([&] { files::WriteWholeFile(dir / "no\\such.dat", "x"); }), 76);

  // Whole files through the wide API: a folder, a missing file and one over the bound read nothing.
  std::string bytes = "old";
  EXPECT_EQ(files::ReadSharedFile(dir / "three.dat", 7, bytes), files::FileRead::kRead);
  EXPECT_EQ(bytes, content);
  EXPECT_EQ(files::ReadSharedFile(dir / "three.dat", 6, bytes), files::FileRead::kTooLarge);
  EXPECT_EQ(files::ReadSharedFile(sub, 100, bytes), files::FileRead::kMissing);
  EXPECT_EQ(files::ReadSharedFile(dir / "none.dat", 100, bytes), files::FileRead::kMissing);
  EXPECT_EQ(bytes, "");
}

TEST(Files, TemporaryAndProgramFolders) {
  const std::string temp = files::TempFolderUtf8();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(files::IsFile(files::ProgramFolder() + "\\win_tests.exe"));
  EXPECT_EQ(files::ProgramFolderUtf8(), files::ProgramFolder());  // an ASCII build folder
}

}  // namespace
}  // namespace tavrel
