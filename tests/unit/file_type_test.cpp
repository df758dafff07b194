#include "fileinfo/file_type.h"

#include <ostream>

#include <gtest/gtest.h>

#include "errors/failure.h"
#include "errors/reporting.h"
#include "fake_os.h"
#include "fileinfo/system_dirs.h"

namespace tavrel {
namespace {

// The parts a test compares in one go.
struct Parts {
  std::string fullPath, arguments, drive, share, driveLetter, folder, fileName, extension, baseName;
  bool operator==(const Parts&) const = default;
};

Parts PartsOf(const FileTypeInfo& info) {
  return {info.FullPath, info.Arguments, info.Drive,     info.Share,   info.DriveLetter,
          info.Folder,   info.FileName,  info.Extension, info.BaseName};
}

std::ostream& operator<<(std::ostream& out, const Parts& p) {
  return out << "{full=" << p.fullPath << " args=" << p.arguments << " drive=" << p.drive
             << " share=" << p.share << " letter=" << p.driveLetter << " folder=" << p.folder
             << " file=" << p.fileName << " ext=" << p.extension << " base=" << p.baseName << "}";
}

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
  EXPECT_EQ(info.ExpandedText, "notepad %1");
  EXPECT_FALSE(info.Quoted);
  EXPECT_EQ(PartsOf(info), (Parts{R"(C:\WINDOWS\notepad.exe)", "%1", "C:", "", "C", R"(\WINDOWS\)",
                                  "notepad.exe", "exe", "notepad"}));
}

TEST_F(FileTypeTest, SearchOrderOfDirectoriesAndExtensions) {
  fake_os::AddFile(R"(C:\More Tools\tool.bat)");
  fake_os::AddFile(R"(C:\Tools\tool.exe)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\Tools\tool.exe)");
  fake_os::AddFile(R"(C:\Tools\tool.com)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\Tools\tool.com)");
  fake_os::AddFile(R"(C:\WINDOWS\system32\tool.exe)");
  EXPECT_EQ(GetFileType("tool x").FullPath, R"(C:\WINDOWS\system32\tool.exe)");
  // A longer candidate in a later directory wins over a shorter one in an earlier directory.
  fake_os::AddFile(R"(C:\More Tools\tool x.bat)");
  EXPECT_EQ(GetFileType("tool x %1").FullPath, R"(C:\More Tools\tool x.bat)");
  EXPECT_EQ(GetFileType("tool x %1").Arguments, "%1");
}

TEST_F(FileTypeTest, NameWithExtensionIsNotGivenAnother) {
  fake_os::AddFile(R"(C:\Tools\app.v2.exe)");
  EXPECT_EQ(GetFileType("app.v2 /q").FullPath, "");
  EXPECT_EQ(GetFileType("app.v2.exe /q").FullPath, R"(C:\Tools\app.v2.exe)");
  // A dot in a folder name is no extension, so the program extensions are tried.
  fake_os::AddFile(R"(C:\Tools\sub.d\run.com)");
  EXPECT_EQ(GetFileType(R"(sub.d\run /q)").FullPath, R"(C:\Tools\sub.d\run.com)");
}

TEST_F(FileTypeTest, EmptyPathEntriesAreSkippedAndMissingProgramGivesEmptyParts) {
  SetPath(";;");
  fake_os::AddFile(R"(\ghost.exe)");  // what joining an empty entry would find
  const auto info = GetFileType("ghost %1");
  EXPECT_EQ(PartsOf(info), Parts{});
  EXPECT_EQ(info.InputText, "ghost %1");
}

TEST_F(FileTypeTest, UnquotedAbsoluteProgramWithBlanksSplitsAtTheLastBlankThatFindsIt) {
  fake_os::AddFile(R"(C:\Program Files\App\app.exe)");
  // An absolute name is never joined to a search directory.
  fake_os::AddFile(R"(C:\WINDOWS\C:\Program Files\App\app.exe /x)");
  const auto info = GetFileType(R"(C:\Program Files\App\app.exe /x)");
  EXPECT_EQ(PartsOf(info), (Parts{R"(C:\Program Files\App\app.exe)", "/x", "C:", "", "C",
                                  R"(\Program Files\App\)", "app.exe", "exe", "app"}));
}

TEST_F(FileTypeTest, QuotedProgramWithBlanksIsTakenAsItStands) {
  // Nothing exists: without a search the parts come from the text alone.
  const auto info = GetFileType(R"("C:\Program Files\App\app.exe" "%1")");
  EXPECT_TRUE(info.Quoted);
  EXPECT_EQ(info.ExpandedText, R"("C:\Program Files\App\app.exe" "%1")");
  EXPECT_EQ(PartsOf(info), (Parts{R"(C:\Program Files\App\app.exe)", R"( "%1")", "C:", "", "C",
                                  R"(\Program Files\App\)", "app.exe", "exe", "app"}));
  // Without a closing quote the whole rest is the program.
  EXPECT_EQ(GetFileType(R"("C:\My App\a.exe -x)").FullPath, R"(C:\My App\a.exe -x)");
}

TEST_F(FileTypeTest, QuotedProgramWithoutBlanksLosesItsQuotesAndIsSearched) {
  fake_os::AddFile(R"(C:\WINDOWS\notepad.exe)");
  const auto info = GetFileType(R"("NOTEPAD" "notepad" %1)");
  EXPECT_TRUE(info.Quoted);
  EXPECT_EQ(info.ExpandedText, "NOTEPAD NOTEPAD %1");
  // The found path keeps the letter case the line was typed in.
  EXPECT_EQ(info.FullPath, R"(C:\WINDOWS\NOTEPAD.exe)");
  EXPECT_EQ(info.Arguments, "NOTEPAD %1");

  fake_os::AddFile(R"(C:\Apps\run.exe)");
  const auto whole = GetFileType(R"("C:\Apps\run.exe")");
  EXPECT_EQ(whole.FullPath, R"(C:\Apps\run.exe)");
  EXPECT_EQ(whole.Arguments, "");
}

TEST_F(FileTypeTest, EnvironmentReferenceInTheProgramIsExpanded) {
  fake_os::SetEnv("SystemRoot", R"(C:\WINDOWS)");
  fake_os::AddFile(R"(C:\WINDOWS\regedit.exe)");
  const auto info = GetFileType(R"(%SystemRoot%\regedit.exe %1)");
  EXPECT_EQ(info.InputText, R"(%SystemRoot%\regedit.exe %1)");
  EXPECT_EQ(info.ExpandedText, R"(C:\WINDOWS\regedit.exe %1)");
  EXPECT_EQ(info.FullPath, R"(C:\WINDOWS\regedit.exe)");
  EXPECT_EQ(info.Arguments, "%1");
}

TEST_F(FileTypeTest, PlaceholderAloneAndBlankInputGiveNoParts) {
  EXPECT_EQ(PartsOf(GetFileType("%1")), Parts{});
  EXPECT_EQ(GetFileType("%1").ExpandedText, "%1");
  const auto blank = GetFileType("   ");
  EXPECT_EQ(PartsOf(blank), Parts{});
  EXPECT_EQ(blank.InputText, "");
  EXPECT_FALSE(blank.Quoted);
}

TEST_F(FileTypeTest, ExistingDocumentBreaksIntoItsParts) {
  fake_os::AddFile(R"(C:\Docs\report.txt)", os::kAttrReadOnly | os::kAttrHidden);
  EXPECT_EQ(PartsOf(GetFileType(R"(C:\Docs\report.txt)")),
            (Parts{R"(C:\Docs\report.txt)", "", "C:", "", "C", R"(\Docs\)", "report.txt", "txt",
                   "report"}));
}

TEST_F(FileTypeTest, DotInAFolderNameIsNoExtensionOfTheDocument) {
  fake_os::AddFile(R"(C:\Users\jo.doe\README)");
  EXPECT_EQ(PartsOf(GetFileType(R"(C:\Users\jo.doe\README)")),
            (Parts{R"(C:\Users\jo.doe\README)", "", "C:", "", "C", R"(\Users\jo.doe\)", "README",
                   "", "README"}));
  fake_os::AddFile(R"(C:\Docs\.profile)");
  const auto dotFile = GetFileType(R"(C:\Docs\.profile)");
  EXPECT_EQ(dotFile.Extension, "profile");
  EXPECT_EQ(dotFile.BaseName, "");
  EXPECT_EQ(dotFile.FileName, ".profile");
}

TEST_F(FileTypeTest, NetworkPathsSplitOffTheirShare) {
  fake_os::AddFile(R"(\\srv\pub\dir\a.doc)");
  EXPECT_EQ(PartsOf(GetFileType(R"(\\srv\pub\dir\a.doc)")),
            (Parts{R"(\\srv\pub\dir\a.doc)", "", R"(\\srv\pub)", R"(\\srv\pub)", "", R"(\dir\)",
                   "a.doc", "doc", "a"}));
  fake_os::AddFile(R"(\\srv\pub)");
  EXPECT_EQ(PartsOf(GetFileType(R"(\\srv\pub)")),
            (Parts{R"(\\srv\pub)", "", R"(\\srv\pub)", R"(\\srv\pub)", "", "", "", "", ""}));
  fake_os::AddFile(R"(\\srv)");
  EXPECT_EQ(PartsOf(GetFileType(R"(\\srv)")),
            (Parts{R"(\\srv)", "", "", "", "", R"(\\)", "srv", "", "srv"}));
}

TEST_F(FileTypeTest, MissingOrNonNormalDocumentGivesEmptyParts) {
  EXPECT_EQ(PartsOf(GetFileType(R"(C:\Docs\missing.txt)")), Parts{});
  fake_os::AddFile(R"(C:\Docs\boot.ini)", os::kAttrSystem | os::kAttrHidden);
  EXPECT_EQ(PartsOf(GetFileType(R"(C:\Docs\boot.ini)")), Parts{});
  fake_os::AddFolder(R"(C:\Docs\folder.txt)");
  EXPECT_EQ(PartsOf(GetFileType(R"(C:\Docs\folder.txt)")), Parts{});
}

TEST_F(FileTypeTest, SystemFileAsTypedDoesNotStopTheDirectorySearch) {
  fake_os::AddFile("tool.exe", os::kAttrSystem);
  fake_os::AddFile(R"(C:\Tools\tool.exe)");
  EXPECT_EQ(GetFileType("tool.exe -v").FullPath, R"(C:\Tools\tool.exe)");
  fake_os::AddFile("tool.exe", os::kAttrHidden);
  EXPECT_EQ(GetFileType("tool.exe -v").FullPath, "");
  EXPECT_EQ(GetFileType("tool.exe -v").FileName, "tool.exe");
}

TEST_F(FileTypeTest, UntestablePathFailsAtLine120AndReportsAnEmptyRecord) {
  fake_os::SetUntestable("E:");
  std::int32_t line = 0;
  try {
    AnalyseFileType(R"(E:\setup.exe /s)", line);
    FAIL() << "a path on a drive that is not ready must fail";
  } catch (const Failure& f) {
    EXPECT_EQ(f.number, 71);
    EXPECT_EQ(line, 120);
  }
  const auto depth = CallDepth();
  FileTypeInfo info;
  EXPECT_NO_THROW(info = GetFileType(R"(E:\setup.exe /s)"));
  EXPECT_EQ(CallDepth(), depth);
  EXPECT_EQ(PartsOf(info), Parts{});
  EXPECT_EQ(info.InputText, "");
  EXPECT_EQ(info.ExpandedText, "");
}

TEST_F(FileTypeTest, ShortPathIsTheSystemsFormOrEmpty) {
  fake_os::AddFile(R"(C:\Long Folder\document.text)", fake_os::kAttrArchive,
                   R"(C:\LONGFO~1\DOCUME~1.TEX)");
  EXPECT_EQ(GetShortPath(R"(c:\long folder\DOCUMENT.TEXT)"), R"(C:\LONGFO~1\DOCUME~1.TEX)");
  EXPECT_EQ(GetShortPath(R"(C:\Long Folder\missing.text)"), "");
  EXPECT_EQ(GetShortPath(""), "");
}

}  // namespace
}  // namespace tavrel
