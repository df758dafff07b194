// Version resources of real executables the build makes for the purpose.
#include <windows.h>

#include "fileinfo/version_info.h"

#include <gtest/gtest.h>

#include "../support/scratch_folder.h"
#include "os/files.h"

namespace tavrel {
namespace {

using testing::WinPath;

std::string Shown(const FileVersionInfo& i) {
  const FixedFileInfo& f = i.Fixed;
  return std::to_string(HIWORD(f.fileVersionMS)) + "." + std::to_string(LOWORD(f.fileVersionMS)) +
         "." + std::to_string(HIWORD(f.fileVersionLS)) + "." +
         std::to_string(LOWORD(f.fileVersionLS)) + "|" + i.TranslationKey + "|" + i.FileTypeName +
         "|" + i.CompanyName + "|" + i.FileDescription + "|" + i.FileVersion + "|" + i.ProductName +
         "|" + i.InternalName + "|" + i.Comments;
}

TEST(VersionResource, TheFirstTranslationsValuesAndTheFileType) {
  testing::ScratchFolder dir("version");
  files::WriteWholeFile(dir / "plain.txt", "no resources here");
  const struct {
    std::string path;
    const char* shown;
  } files[] = {
      {WinPath(TAVREL_RECORDER_EXE),
       "1.4.0.2|040904B0|Application|Tavrel Test Systems Inc|"
       "Call Recorder|1, 4, 0, 2|Tavrel Recorder|recorder|"},
      // Comments is stored only under the second translation.
      {WinPath(TAVREL_VERSION_MULTI_EXE),
       "2.5.0.0|040704E4|Application|Musterfirma Corporation|Mehrsprachig|2, 5|Muster||"},
      {WinPath(TAVREL_VERSION_DRIVER_EXE),
       "6.1.7600.16385|040904B0|Device Driver|"
       "Globex Systems Incorporated||6.1.7600.16385|Reader||"},
      {WinPath(TAVREL_VERSION_FONT_EXE),
       "7.0.0.0|040904B0|Unknown|Acme Corporation|Acme Sans|7|||"},
      {dir / "plain.txt", "0.0.0.0||||||||"},
      {dir / "missing.exe", "0.0.0.0||||||||"},
      {"", "0.0.0.0||||||||"},
  };
  for (const auto& f : files)
    EXPECT_EQ(Shown(GetFileInfo(f.path)), f.shown) << f.path;
}

}  // namespace
}  // namespace tavrel
