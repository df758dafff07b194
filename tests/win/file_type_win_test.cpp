// The command-line analysis against the real file system, environment, short names and the
// Windows, System and Path directories.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "base/failure.h"
#include "base/text.h"
#include "fileinfo/file_type.h"
#include "fileinfo/search_folders.h"
#include "fileinfo/strings.h"
#include "os/os.h"

namespace tavrel {
namespace {

using text::EqualsNoCase;

// A scratch folder with blanks in its name, and the request state (directories and Path list)
// read from the system as a request does; Path is restored afterwards.
class FileTypeWinTest : public ::testing::Test {
 protected:
  ~FileTypeWinTest() override { SetEnvironmentVariableA("Path", savedPath_.c_str()); }
  FileTypeInfo GetFileType(const std::string& text) { return tavrel::GetFileType(text, folders); }
  // Creates a file (and its folders) in the scratch folder and gives its full path.
  std::string MakeFile(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const std::string path = dir_ / relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    dir_.Write(relative, "x");
    SetFileAttributesA(path.c_str(), attributes);
    return path;
  }
  testing::ScratchFolder dir_{"File Type"};
  std::string savedPath_ = os::EnvironmentVariable("Path");
  SearchFolders folders = ReadSearchFolders();
};

// The Windows and System directories are the system's own.
TEST_F(FileTypeWinTest, ProgramsAreFoundOnTheRealSystem) {
  EXPECT_TRUE(EqualsNoCase(folders.WindowsDir, os::EnvironmentVariable("windir")));
  EXPECT_EQ(text::FindNoCase(folders.SystemDir, folders.WindowsDir), 0u);
  EXPECT_TRUE(os::FileAttributes(folders.SystemDir).value_or(0) & os::kAttrDirectory);
  const auto notepad = GetFileType("notepad %1");
  EXPECT_TRUE(EqualsNoCase(notepad.FullPath, JoinPaths(folders.WindowsDir, "notepad.exe")));
  EXPECT_EQ(notepad.Arguments, "%1");

  // In a directory added to Path.
  MakeFile(R"(Tools\tavtool.bat)");
  MakeFile(R"(Tools\tavtool.exe)");
  ASSERT_TRUE(SetEnvironmentVariableA("Path", (savedPath_ + ";" + (dir_ / "Tools")).c_str()));
  LoadPathDirs(folders);
  const auto tool = GetFileType("tavtool first second");
  EXPECT_EQ(tool.FullPath + "|" + tool.Arguments, (dir_ / "Tools\\tavtool.bat") + "|first second");

  // Through the process environment, whose values may be longer than a first buffer.
  ASSERT_TRUE(SetEnvironmentVariableA("TAVREL_TEST_DIR", dir_.path().c_str()));
  EXPECT_EQ(GetFileType(R"(%tavrel_test_dir%\App Folder\my app.exe)").FullPath,
            MakeFile(R"(App Folder\my app.exe)"));
  const std::string longValue(600, 'v');
  ASSERT_TRUE(SetEnvironmentVariableA("TAVREL_TEST_DIR", longValue.c_str()));
  EXPECT_EQ(os::EnvironmentVariable("TAVREL_TEST_DIR"), longValue);
  SetEnvironmentVariableA("TAVREL_TEST_DIR", nullptr);
}

TEST_F(FileTypeWinTest, HiddenFilesCountSystemFilesFoldersAndMissingFilesDoNot) {
  const std::string hidden =
      MakeFile("hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(GetFileType(hidden).FullPath, hidden);
  const std::string system = MakeFile("system.txt", FILE_ATTRIBUTE_SYSTEM);
  EXPECT_EQ(GetFileType(system).FullPath, "");
  EXPECT_FALSE(GetShortPath(system).empty());
  std::filesystem::create_directories(dir_ / "folder.txt");
  EXPECT_EQ(GetFileType(dir_ / "folder.txt").FullPath, "");
  EXPECT_EQ(GetFileType(dir_ / "missing report.txt").FullPath, "");
  EXPECT_EQ(GetShortPath(dir_ / "missing report.txt"), "");

  // Quotes, wildcards and pipes in a candidate mean "no such file", not a failure.
  for (const std::string line :
       {R"("C:\a b\x.exe)", R"(C:\x*?<>|.exe %1)", R"(notepad.exe "%1" | more)",
        R"(Z:\nowhere\x.exe /a)", R"(\\?\C:\nothing)", R"(C:\nothing\..\..\x.exe)"}) {
    std::int32_t statement = 0;
    EXPECT_NO_THROW(AnalyseFileType(line, folders, statement)) << line;
  }
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
