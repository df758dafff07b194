// The command-line analysis against the real file system, environment and short names.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "errors/failure.h"
#include "fileinfo/file_type.h"
#include "fileinfo/strings.h"
#include "fileinfo/system_dirs.h"
#include "fileinfo/text.h"
#include "platform/os.h"

namespace tavrel {
namespace {

std::string Env(const char* name) {
  char buffer[32768];
  const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

// A fresh folder with blanks in its name under the temporary folder, removed again at the end,
// with the request state (directories and Path list) read from the system as a request does.
class FileTypeWinTest : public ::testing::Test {
 protected:
  FileTypeWinTest() {
    char temp[MAX_PATH + 1];
    const DWORD n = GetTempPathA(MAX_PATH, temp);
    dir_ = JoinPaths(std::string(temp, n),
                     "Tavrel File Type " + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    savedPath_ = Env("Path");
    ReadWindowsDir();
    ReadSystemDir();
    LoadPathDirs();
  }
  ~FileTypeWinTest() override {
    SetEnvironmentVariableA("Path", savedPath_.c_str());
    LoadPathDirs();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_))
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(dir_);
  }

  // Creates a file (and its folders) under the test folder and gives its full path.
  std::string MakeFile(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const std::string path = JoinPaths(dir_, relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << "x";
    SetFileAttributesA(path.c_str(), attributes);
    return path;
  }

  std::string dir_;
  std::string savedPath_;
};

TEST_F(FileTypeWinTest, WindowsAndSystemDirectoriesAreTheSystemsOwn) {
  ASSERT_FALSE(WindowsDir().empty());
  EXPECT_TRUE(text::EqualsNoCase(WindowsDir(), Env("windir")));
  const auto attributes = os::FileAttributes(SystemDir());
  ASSERT_TRUE(attributes.has_value());
  EXPECT_TRUE(*attributes & os::kAttrDirectory);
  EXPECT_EQ(text::FindNoCase(SystemDir(), WindowsDir()), 0u);
}

TEST_F(FileTypeWinTest, ShortPathIsTheEightDotThreeFormOfAnExistingPath) {
  const std::string path = MakeFile(R"(A Long Folder Name\some long document.text)");
  const std::string shortPath = GetShortPath(path);
  ASSERT_FALSE(shortPath.empty());
  EXPECT_EQ(shortPath.find(' '), std::string::npos);
  // Each part after the drive is an 8.3 name.
  for (const auto part : text::Split(shortPath.substr(3), "\\")) {
    const auto dot = part.find('.');
    EXPECT_LE(dot == std::string_view::npos ? part.size() : dot, 8u) << part;
    if (dot != std::string_view::npos) {
      EXPECT_LE(part.size() - dot - 1, 3u) << part;
    }
  }
  char longPath[MAX_PATH + 1];
  const DWORD n = GetLongPathNameA(shortPath.c_str(), longPath, sizeof longPath);
  EXPECT_TRUE(text::EqualsNoCase(std::string(longPath, n), path));
  EXPECT_EQ(GetShortPath(path), shortPath);
  EXPECT_FALSE(GetShortPath(dir_).empty());
  EXPECT_EQ(GetShortPath(JoinPaths(dir_, "missing.text")), "");
}

TEST_F(FileTypeWinTest, NotepadIsFoundInTheWindowsDirectory) {
  const auto info = GetFileType("notepad %1");
  EXPECT_TRUE(text::EqualsNoCase(info.FullPath, JoinPaths(WindowsDir(), "notepad.exe")))
      << info.FullPath;
  EXPECT_EQ(info.Arguments, "%1");
  EXPECT_TRUE(text::EqualsNoCase(info.FileName, "notepad.exe"));
  EXPECT_EQ(info.DriveLetter.size(), 1u);
}

TEST_F(FileTypeWinTest, ProgramInAFolderWithBlanks) {
  const std::string program = MakeFile(R"(App Folder\my app.exe)");
  const auto quoted = GetFileType('"' + program + R"(" "%1")");
  EXPECT_EQ(quoted.FullPath, program);
  EXPECT_EQ(quoted.Arguments, R"( "%1")");
  EXPECT_EQ(quoted.FileName, "my app.exe");
  EXPECT_EQ(quoted.Drive + quoted.Folder, JoinPaths(dir_, "App Folder\\"));

  // Unquoted, the candidates with the arguments still on are no files; the cut at the last
  // blank finds the program.
  const auto unquoted = GetFileType(program + " /x -y");
  EXPECT_EQ(unquoted.FullPath, program);
  EXPECT_EQ(unquoted.Arguments, "/x -y");
}

TEST_F(FileTypeWinTest, ProgramIsFoundInADirectoryAddedToPath) {
  const std::string tools = JoinPaths(dir_, "Tools");
  MakeFile(R"(Tools\tavtool.bat)");
  MakeFile(R"(Tools\tavtool.exe)");
  ASSERT_TRUE(SetEnvironmentVariableA("Path", (savedPath_ + ";" + tools).c_str()));
  LoadPathDirs();
  ASSERT_FALSE(PathDirs().empty());
  EXPECT_EQ(PathDirs().back(), tools);

  const auto info = GetFileType("tavtool first second");
  EXPECT_EQ(info.FullPath, JoinPaths(tools, "tavtool.bat"));
  EXPECT_EQ(info.Arguments, "first second");
  EXPECT_EQ(info.Extension, "bat");
}

TEST_F(FileTypeWinTest, EnvironmentReferencesComeFromTheProcessEnvironment) {
  const std::string doc = MakeFile("doc.txt");
  ASSERT_TRUE(SetEnvironmentVariableA("TAVREL_TEST_DIR", dir_.c_str()));
  EXPECT_EQ(GetFileType(R"(%tavrel_test_dir%\doc.txt)").FullPath, doc);
  // A value longer than the first buffer is read whole.
  const std::string longValue(600, 'v');
  ASSERT_TRUE(SetEnvironmentVariableA("TAVREL_TEST_DIR", longValue.c_str()));
  EXPECT_EQ(os::EnvironmentVariable("TAVREL_TEST_DIR"), longValue);
  SetEnvironmentVariableA("TAVREL_TEST_DIR", nullptr);
  EXPECT_EQ(os::EnvironmentVariable("TAVREL_TEST_DIR"), "");
}

TEST_F(FileTypeWinTest, NetworkPathIsParsedFromTheTextAlone) {
  const auto info = GetFileType(R"("\\srv\pub\my dir\a.doc" %1)");
  EXPECT_EQ(info.FullPath, R"(\\srv\pub\my dir\a.doc)");
  EXPECT_EQ(info.Share, R"(\\srv\pub)");
  EXPECT_EQ(info.Drive, R"(\\srv\pub)");
  EXPECT_EQ(info.DriveLetter, "");
  EXPECT_EQ(info.Folder, R"(\my dir\)");
  EXPECT_EQ(info.Extension, "doc");
  EXPECT_EQ(info.Arguments, " %1");
}

TEST_F(FileTypeWinTest, HiddenFilesCountSystemFilesFoldersAndMissingFilesDoNot) {
  const std::string hidden =
      MakeFile("hidden.txt", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(GetFileType(hidden).FullPath, hidden);
  EXPECT_EQ(GetFileType(hidden).Extension, "txt");

  const std::string system = MakeFile("system.txt", FILE_ATTRIBUTE_SYSTEM);
  EXPECT_EQ(GetFileType(system).FullPath, "");
  EXPECT_EQ(GetFileType(system).Extension, "");
  EXPECT_FALSE(GetShortPath(system).empty());

  const std::string folder = JoinPaths(dir_, "folder.txt");
  std::filesystem::create_directories(folder);
  EXPECT_EQ(GetFileType(folder).Extension, "");
  EXPECT_EQ(GetFileType(JoinPaths(dir_, "missing report.txt")).FileName, "");
}

TEST_F(FileTypeWinTest, CommandLinesThatAreNoFileNamesAreNotFailures) {
  // Each candidate is tested as a path; quotes, wildcards and pipes in it mean "no such file".
  for (const std::string line :
       {R"("C:\a b\x.exe)", R"(C:\x*?<>|.exe %1)", R"(notepad.exe "%1" | more)",
        R"(Z:\nowhere\x.exe /a)", R"(\\?\C:\nothing)", R"(C:\nothing\..\..\x.exe)"}) {
    std::int32_t statement = 0;
    EXPECT_NO_THROW(AnalyseFileType(line, statement)) << line;
  }
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
