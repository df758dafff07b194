#include "fileinfo/file_type.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"
#include "fake_os.h"

namespace tavrel {
namespace {

// FullPath|Arguments|Drive|Share|DriveLetter|Folder|FileName|Extension|BaseName, so that a test
// compares every part at once and a mismatch shows them all.
std::string Parts(const FileTypeInfo& i) {
  return i.FullPath + "|" + i.Arguments + "|" + i.Drive + "|" + i.Share + "|" + i.DriveLetter +
         "|" + i.Folder + "|" + i.FileName + "|" + i.Extension + "|" + i.BaseName;
}
constexpr const char* kNoParts = "||||||||";

class FileTypeTest : public ErrorsTest {
 protected:
  FileTypeTest() {
    fake_os::Dirs().windows = R"(C:\WINDOWS)";
    fake_os::Dirs().system = R"(C:\WINDOWS\system32)";
    ReadWindowsDir(folders);
    ReadSystemDir(folders);
    SetPath(R"(C:\Tools;C:\More Tools)");
  }
  ~FileTypeTest() override { fake_os::Reset(); }
  void SetPath(const std::string& path) {
    fake_os::SetEnv("Path", path);
    LoadPathDirs(folders);
  }
  FileTypeInfo GetFileType(const std::string& text) { return tavrel::GetFileType(text, folders); }
  fake_os::Scope os_;
  SearchFolders folders;
};

TEST_F(FileTypeTest, PathDirsKeepEveryEntryAfterAnEmptySlot) {
  SetPath(R"(C:\a;;"C:\b c" ;%X%)");
  EXPECT_EQ(folders.PathDirs, (std::vector<std::string>{"", R"(C:\a)", "", R"("C:\b c" )", "%X%"}));
  SetPath(R"(;C:\a;)");
  EXPECT_EQ(folders.PathDirs, (std::vector<std::string>{"", R"(C:\a)"}));
  SetPath("");
  EXPECT_EQ(folders.PathDirs, (std::vector<std::string>{""}));
}

TEST_F(FileTypeTest, ProgramsAndDocumentsBreakIntoTheirParts) {
  for (const char* file :
       {R"(C:\WINDOWS\notepad.exe)", R"(C:\WINDOWS\regedit.exe)", R"(C:\Program Files\App\app.exe)",
        R"(C:\Tools\app.v2.exe)", R"(C:\Tools\sub.d\run.com)", R"(C:\Tools\.hook.exe)",
        R"(C:\Users\jo.doe\README)", R"(C:\Docs\.profile)", R"(\\srv\pub\dir\a.doc)",
        R"(\\srv\pub)", R"(\\srv)"})
    fake_os::AddFile(file);
  // An absolute name is never joined to a search directory.
  fake_os::AddFile(R"(C:\WINDOWS\C:\Program Files\App\app.exe /x)");
  fake_os::SetEnv("SystemRoot", R"(C:\WINDOWS)");
  fake_os::SetEnv("DOC", R"(C:\WINDOWS\regedit.exe )");  // the blank is not kept on the program

  const std::pair<const char*, const char*> cases[] = {
      {"  notepad %1 ", R"(C:\WINDOWS\notepad.exe|%1|C:||C|\WINDOWS\|notepad.exe|exe|notepad)"},
      {R"(C:\Program Files\App\app.exe /x)",
       R"(C:\Program Files\App\app.exe|/x|C:||C|\Program Files\App\|app.exe|exe|app)"},
      // With a blank inside the quotes nothing is searched: the parts come from the text alone.
      {R"("C:\Program Files\App\app.exe" "%1")",
       R"(C:\Program Files\App\app.exe| "%1"|C:||C|\Program Files\App\|app.exe|exe|app)"},
      // Without a blank the quotes go and the line is searched as typed.
      {R"("NOTEPAD" "notepad" %1)",
       R"(C:\WINDOWS\NOTEPAD.exe|NOTEPAD %1|C:||C|\WINDOWS\|NOTEPAD.exe|exe|NOTEPAD)"},
      {R"(%SystemRoot%\regedit.exe %1)",
       R"(C:\WINDOWS\regedit.exe|%1|C:||C|\WINDOWS\|regedit.exe|exe|regedit)"},
      {"%DOC%", R"(C:\WINDOWS\regedit.exe||C:||C|\WINDOWS\|regedit.exe|exe|regedit)"},
      // Only a dot in the last part after its first character starts an extension.
      {"app.v2 /q", kNoParts},
      {"app.v2.exe /q", R"(C:\Tools\app.v2.exe|/q|C:||C|\Tools\|app.v2.exe|exe|app.v2)"},
      {R"(sub.d\run /q)", R"(C:\Tools\sub.d\run.com|/q|C:||C|\Tools\sub.d\|run.com|com|run)"},
      {".hook /q", R"(C:\Tools\.hook.exe|/q|C:||C|\Tools\|.hook.exe|exe|.hook)"},
      {R"(C:\Users\jo.doe\README)",
       R"(C:\Users\jo.doe\README||C:||C|\Users\jo.doe\|README||README)"},
      {R"(C:\Docs\.profile)", R"(C:\Docs\.profile||C:||C|\Docs\|.profile|profile|)"},
      {R"(\\srv\pub\dir\a.doc)", R"(\\srv\pub\dir\a.doc||\\srv\pub|\\srv\pub||\dir\|a.doc|doc|a)"},
      {R"(\\srv\pub)", R"(\\srv\pub||\\srv\pub|\\srv\pub|||||)"},
      {R"(\\srv)", R"(\\srv|||||\\|srv||srv)"},
      // No file: a placeholder alone, blanks. Files the system has are the Windows tests'.
      {"%1", kNoParts},
      {"   ", kNoParts},
  };
  for (const auto& [line, parts] : cases)
    EXPECT_EQ(Parts(GetFileType(line)), parts) << line;

  EXPECT_EQ(GetFileType(R"("C:\My App\a.exe -x)").FullPath, R"(C:\My App\a.exe -x)");
}

TEST_F(FileTypeTest, SearchOrderOfDirectoriesAndExtensions) {
  fake_os::AddFile(R"(C:\More Tools\tool.bat)");
  fake_os::AddFile(R"(C:\Tools\tool.exe)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\Tools\tool.exe)");
  fake_os::AddFile(R"(C:\Tools\tool.com)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\Tools\tool.com)");
  fake_os::AddFile(R"(C:\Tools\tool.bat)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\Tools\tool.bat)");
  fake_os::AddFile(R"(C:\WINDOWS\system32\tool.exe)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\WINDOWS\system32\tool.exe)");
  // A longer candidate in a later directory wins over a shorter one in an earlier directory.
  fake_os::AddFile(R"(C:\More Tools\tool x.bat)");
  EXPECT_EQ(GetFileType("tool x %1").FullPath, R"(C:\More Tools\tool x.bat)");
  EXPECT_EQ(GetFileType("tool x %1").Arguments, "%1");
  // A system file as typed does not end the search; the directories are still tried.
  fake_os::AddFile("sys.exe", "", os::kAttrSystem);
  fake_os::AddFile(R"(C:\Tools\sys.exe)");
  EXPECT_EQ(GetFileType("sys.exe -v").FullPath, R"(C:\Tools\sys.exe)");
  // An empty Path entry is no directory (joining it would find ghost.exe right here).
  SetPath(";;");
  fake_os::AddFile("ghost.exe");
  EXPECT_EQ(Parts(GetFileType("ghost %1")), kNoParts);
}

TEST_F(FileTypeTest, UntestablePathIsReportedOnceAtLine120AndGivesAnEmptyRecord) {
  Failure reported;
  box.whileShown = [&] { reported = PendingFailure(); };
  fake_os::SetUntestable("E:");
  const auto depth = CallDepth();

  FileTypeInfo info;
  EXPECT_NO_THROW(info = GetFileType(R"(E:\setup.exe /s)"));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(reported.number, 71);
  EXPECT_NE(reported.source.find("Subroutine: GetFileType\r\nLine Number: 120"), std::string::npos)
      << reported.source;
  EXPECT_EQ(CallDepth(), depth);
  EXPECT_EQ(Parts(info), kNoParts);
}

}  // namespace
}  // namespace tavrel
