#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "errors/failure.h"
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
  files::CreateFolder(sub);
  EXPECT_TRUE(files::IsFolder(sub) && !files::IsFile(sub));
  EXPECT_NE(FailureOf([&] { files::CreateFolder(sub); }), 0);
  EXPECT_EQ(FailureOf([&] { files::CreateFolder(dir / "no\\such\\sub"); }), 76);

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
  files::WriteWholeFile(sub + "\\inside.txt", "x");
  EXPECT_NE(FailureOf([&] { files::RemoveFolder(sub); }), 0);
  files::RemoveFile(sub + "\\inside.txt");
  files::RemoveFolder(sub);
  EXPECT_FALSE(files::IsFolder(sub));
}

TEST(Files, TemporaryAndProgramFolders) {
  const std::string temp = files::TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(files::IsFolder(temp));
  EXPECT_TRUE(files::IsFile(files::ProgramFolder() + "\\win_tests.exe"));
}

}  // namespace
}  // namespace tavrel
