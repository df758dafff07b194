// Version resources of real executables the build makes for the purpose.
#include "fileinfo/version_info.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "scratch.h"

namespace tavrel {
namespace {

using wintest::WinPath;

TEST(VersionResource, AnApplicationWithOneTranslation) {
  const FileVersionInfo info = GetFileInfo(WinPath(TAVREL_RECORDER_EXE));
  EXPECT_EQ(info.Fixed.signature, 0xFEEF04BDu);
  EXPECT_EQ(info.Fixed.fileVersionMS, 0x00010004u);
  EXPECT_EQ(info.Fixed.fileVersionLS, 0x00000002u);
  EXPECT_EQ(info.TranslationKey, "040904B0");
  EXPECT_EQ(info.FileTypeName, "Application");
  // Values come out without their terminating NUL.
  EXPECT_EQ(info.CompanyName, "Tavrel Test Systems Inc");
  EXPECT_EQ(info.FileDescription, "Call Recorder");
  EXPECT_EQ(info.FileVersion, "1, 4, 0, 2");
  EXPECT_EQ(info.ProductName, "Tavrel Recorder");
  EXPECT_EQ(info.InternalName, "recorder");
  EXPECT_EQ(info.Comments, "");
}

TEST(VersionResource, OnlyTheFirstTranslationIsRead) {
  const FileVersionInfo info = GetFileInfo(WinPath(TAVREL_VERSION_MULTI_EXE));
  EXPECT_EQ(info.TranslationKey, "040704E4");
  EXPECT_EQ(info.CompanyName, "Musterfirma Corporation");
  EXPECT_EQ(info.FileDescription, "Mehrsprachig");
  EXPECT_EQ(info.FileVersion, "2, 5");
  EXPECT_EQ(info.Comments, "");  // stored only under the second translation
}

TEST(VersionResource, FileTypeNamesOfADriverAndAFont) {
  const FileVersionInfo driver = GetFileInfo(WinPath(TAVREL_VERSION_DRIVER_EXE));
  EXPECT_EQ(driver.Fixed.fileType, 3u);
  EXPECT_EQ(driver.FileTypeName, "Device Driver");
  EXPECT_EQ(driver.FileDescription, "");
  EXPECT_EQ(driver.ProductName, "Reader");
  const FileVersionInfo font = GetFileInfo(WinPath(TAVREL_VERSION_FONT_EXE));
  EXPECT_EQ(font.Fixed.fileType, 4u);
  EXPECT_EQ(font.FileTypeName, "Unknown");
  EXPECT_EQ(font.FileVersion, "7");
}

TEST(VersionResource, FilesWithoutOneGiveAnEmptyRecord) {
  wintest::ScratchFolder dir("version");
  files::WriteWholeFile(dir / "plain.txt", "no resources here");
  for (const std::string& path : {dir / "plain.txt", dir / "missing.exe", std::string()}) {
    const FileVersionInfo info = GetFileInfo(path);
    EXPECT_EQ(info.Fixed.signature, 0u) << path;
    EXPECT_EQ(info.TranslationKey, "") << path;
    EXPECT_EQ(info.FileTypeName, "") << path;
    EXPECT_EQ(info.CompanyName, "") << path;
  }
}

}  // namespace
}  // namespace tavrel
