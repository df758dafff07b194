#include "fileinfo/file_type.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"
#include "fake_os.h"
#include "fileinfo/system_dirs.h"

namespace tavrel {
namespace {

// FullPath|Arguments|Drive|Share|DriveLetter|Folder|FileName|Extension|BaseName, so that a test
// compares every part at once and a mismatch shows them all.
std::string Parts(const FileTypeInfo& i) {
  return i.FullPath + "|" + i.Arguments + "|" + i.Drive + "|" + i.Share + "|" + i.DriveLetter +
         "|" + i.Folder + "|" + i.FileName + "|" + i.Extension + "|" + i.BaseName;
}
constexpr const char* kNoParts = "||||||||";

class FileTypeTest : public ::testing::Test {
 protected:
  FileTypeTest() {
    fake_os::SetWindowsDirectory(R"(C:\WINDOWS)");
    fake_os::SetSystemDirectory(R"(C:\WINDOWS\system32)");
    ReadWindowsDir();
    ReadSystemDir();
    SetPath(R"(C:\Tools;C:\More Tools)");
  }
  ~FileTypeTest() override {
    fake_os::Reset();
    ReadWindowsDir();
    ReadSystemDir();
    LoadPathDirs();
  }
  static void SetPath(const std::string& path) {
    fake_os::SetEnv("Path", path);
    LoadPathDirs();
  }
  fake_os::Scope os_;
};

TEST_F(FileTypeTest, PathDirsKeepEveryEntryAfterAnEmptySlot) {
  SetPath(R"(C:\a;;"C:\b c" ;%X%)");
  EXPECT_EQ(PathDirs(), (std::vector<std::string>{"", R"(C:\a)", "", R"("C:\b c" )", "%X%"}));
  SetPath(R"(;C:\a;)");
  EXPECT_EQ(PathDirs(), (std::vector<std::string>{"", R"(C:\a)"}));
  SetPath("");
  EXPECT_EQ(PathDirs(), (std::vector<std::string>{""}));
}

TEST_F(FileTypeTest, ProgramWithoutFolderIsFoundInTheWindowsDirectory) {
  fake_os::AddFile(R"(C:\WINDOWS\notepad.exe)");
  const auto info = GetFileType("  notepad %1 ");
  EXPECT_EQ(info.InputText, "notepad %1");
  EXPECT_FALSE(info.Quoted);
  EXPECT_EQ(Parts(info), R"(C:\WINDOWS\notepad.exe|%1|C:||C|\WINDOWS\|notepad.exe|exe|notepad)");
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
  // An empty Path entry is no directory (joining it would find tool.exe right here).
  SetPath(";;");
  fake_os::AddFile("ghost.exe");
  EXPECT_EQ(Parts(GetFileType("ghost %1")), kNoParts);
}

TEST_F(FileTypeTest, OnlyADotInTheLastPartAfterItsFirstCharacterIsAnExtension) {
  fake_os::AddFile(R"(C:\Tools\app.v2.exe)");
  EXPECT_EQ(GetFileType("app.v2 /q").FullPath, "");
  EXPECT_EQ(GetFileType("app.v2.exe /q").FullPath, R"(C:\Tools\app.v2.exe)");
  fake_os::AddFile(R"(C:\Tools\sub.d\run.com)");
  EXPECT_EQ(GetFileType(R"(sub.d\run /q)").FullPath, R"(C:\Tools\sub.d\run.com)");
  fake_os::AddFile(R"(C:\Tools\.hook.exe)");
  EXPECT_EQ(GetFileType(".hook /q").FullPath, R"(C:\Tools\.hook.exe)");
}

TEST_F(FileTypeTest, AbsoluteProgramSplitsAtTheLastBlankThatFindsIt) {
  fake_os::AddFile(R"(C:\Program Files\App\app.exe)");
  // An absolute name is never joined to a search directory.
  fake_os::AddFile(R"(C:\WINDOWS\C:\Program Files\App\app.exe /x)");
  EXPECT_EQ(Parts(GetFileType(R"(C:\Program Files\App\app.exe /x)")),
            R"(C:\Program Files\App\app.exe|/x|C:||C|\Program Files\App\|app.exe|exe|app)");
}

TEST_F(FileTypeTest, QuotedPrograms) {
  // With a blank inside the quotes nothing is searched: the parts come from the text alone.
  const auto spaced = GetFileType(R"("C:\Program Files\App\app.exe" "%1")");
  EXPECT_TRUE(spaced.Quoted);
  EXPECT_EQ(Parts(spaced),
            R"(C:\Program Files\App\app.exe| "%1"|C:||C|\Program Files\App\|app.exe|exe|app)");
  EXPECT_EQ(GetFileType(R"("C:\My App\a.exe -x)").FullPath, R"(C:\My App\a.exe -x)");

  // Without a blank the quotes go and the line is searched as typed.
  fake_os::AddFile(R"(C:\WINDOWS\notepad.exe)");
  const auto plain = GetFileType(R"("NOTEPAD" "notepad" %1)");
  EXPECT_TRUE(plain.Quoted);
  EXPECT_EQ(plain.ExpandedText, "NOTEPAD NOTEPAD %1");
  EXPECT_EQ(plain.FullPath, R"(C:\WINDOWS\NOTEPAD.exe)");
  EXPECT_EQ(plain.Arguments, "NOTEPAD %1");
}

TEST_F(FileTypeTest, EnvironmentReferencesAreExpandedBeforeTheSearch) {
  fake_os::SetEnv("SystemRoot", R"(C:\WINDOWS)");
  fake_os::AddFile(R"(C:\WINDOWS\regedit.exe)");
  const auto info = GetFileType(R"(%SystemRoot%\regedit.exe %1)");
  EXPECT_EQ(info.InputText, R"(%SystemRoot%\regedit.exe %1)");
  EXPECT_EQ(info.ExpandedText, R"(C:\WINDOWS\regedit.exe %1)");
  EXPECT_EQ(info.FullPath, R"(C:\WINDOWS\regedit.exe)");
  // A value ending in a blank leaves no blank on the program.
  fake_os::SetEnv("DOC", R"(C:\WINDOWS\regedit.exe )");
  EXPECT_EQ(Parts(GetFileType("%DOC%")),
            R"(C:\WINDOWS\regedit.exe||C:||C|\WINDOWS\|regedit.exe|exe|regedit)");
}

TEST_F(FileTypeTest, DocumentsBreakIntoTheirParts) {
  fake_os::AddFile(R"(C:\Docs\report.txt)", os::kAttrReadOnly | os::kAttrHidden);
  EXPECT_EQ(Parts(GetFileType(R"(C:\Docs\report.txt)")),
            R"(C:\Docs\report.txt||C:||C|\Docs\|report.txt|txt|report)");
  fake_os::AddFile(R"(C:\Users\jo.doe\README)");
  EXPECT_EQ(Parts(GetFileType(R"(C:\Users\jo.doe\README)")),
            R"(C:\Users\jo.doe\README||C:||C|\Users\jo.doe\|README||README)");
  fake_os::AddFile(R"(C:\Docs\.profile)");
  EXPECT_EQ(Parts(GetFileType(R"(C:\Docs\.profile)")),
            R"(C:\Docs\.profile||C:||C|\Docs\|.profile|profile|)");
  fake_os::AddFile(R"(\\srv\pub\dir\a.doc)");
  EXPECT_EQ(Parts(GetFileType(R"(\\srv\pub\dir\a.doc)")),
            R"(\\srv\pub\dir\a.doc||\\srv\pub|\\srv\pub||\dir\|a.doc|doc|a)");
  fake_os::AddFile(R"(\\srv\pub)");
  EXPECT_EQ(Parts(GetFileType(R"(\\srv\pub)")), R"(\\srv\pub||\\srv\pub|\\srv\pub|||||)");
  fake_os::AddFile(R"(\\srv)");
  EXPECT_EQ(Parts(GetFileType(R"(\\srv)")), R"(\\srv|||||\\|srv||srv)");
}

TEST_F(FileTypeTest, NothingFoundGivesNoParts) {
  EXPECT_EQ(Parts(GetFileType("%1")), kNoParts);
  EXPECT_EQ(Parts(GetFileType("   ")), kNoParts);
  EXPECT_EQ(Parts(GetFileType(R"(C:\Docs\missing.txt)")), kNoParts);
  fake_os::AddFile(R"(C:\Docs\boot.ini)", os::kAttrSystem | os::kAttrHidden);
  EXPECT_EQ(Parts(GetFileType(R"(C:\Docs\boot.ini)")), kNoParts);
  fake_os::AddFolder(R"(C:\Docs\folder.txt)");
  EXPECT_EQ(Parts(GetFileType(R"(C:\Docs\folder.txt)")), kNoParts);
  // A system file as typed does not end the search; the directories are still tried.
  fake_os::AddFile("tool.exe", os::kAttrSystem);
  fake_os::AddFile(R"(C:\Tools\tool.exe)");
  EXPECT_EQ(GetFileType("tool.exe -v").FullPath, R"(C:\Tools\tool.exe)");
}

TEST_F(FileTypeTest, UntestablePathIsReportedOnceAtLine120AndGivesAnEmptyRecord) {
  FakeBox box;
  FakeTexts texts;
  ScopedEdge<MessageBoxEdge> boxInstalled{box};
  ScopedEdge<SystemTextEdge> textsInstalled{texts};
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
  EXPECT_EQ(info.InputText, "");
}

}  // namespace
}  // namespace tavrel
