// The description of the program Windows associates with a document, on real programs.
#include "fileinfo/display_names.h"

#include <gtest/gtest.h>

#include "association.h"
#include "fileinfo/text.h"
#include "platform/files.h"
#include "scratch.h"

namespace tavrel {
namespace {

using wintest::Association;
using wintest::ScratchFolder;
using wintest::WinPath;

std::string SystemShortPath(const std::string& path) {
  char shortPath[MAX_PATH] = {};
  const DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
  return std::string(shortPath, n);
}

TEST(DefaultProgram, TheAssociatedProgramIsDescribedByItsVersionResource) {
  ScratchFolder dir("assoc");
  const std::string recorder = WinPath(TAVREL_RECORDER_EXE);
  Association association(".tvrdoc", recorder);
  const std::string document = dir / "Sample Letter.tvrdoc";
  files::WriteWholeFile(document, "text");

  EXPECT_TRUE(text::EqualsNoCase(GetAssociatedProgram(document), recorder))
      << GetAssociatedProgram(document);
  const std::string shortPath = SystemShortPath(recorder);
  EXPECT_EQ(GetDefaultProgramInfo(document),
            "Tavrel Test - Call Recorder|1.4.0.2|OK|" + shortPath + "|" + shortPath);
}

TEST(DefaultProgram, ProductNameWhenThereIsNoDescription) {
  ScratchFolder dir("assoc-driver");
  const std::string driver = WinPath(TAVREL_VERSION_DRIVER_EXE);
  Association association(".tvrdrv", driver);
  const std::string document = dir / "a.tvrdrv";
  files::WriteWholeFile(document, "text");
  const std::string shortPath = SystemShortPath(driver);
  EXPECT_EQ(GetDefaultProgramInfo(document),
            "Globex- Reader|6.1.7600.16385|OK|" + shortPath + "|" + shortPath);
}

TEST(DefaultProgram, NothingToDescribe) {
  ScratchFolder dir("assoc-none");
  Association font(".tvrfnt", WinPath(TAVREL_VERSION_FONT_EXE));
  files::WriteWholeFile(dir / "a.tvrfnt", "x");
  files::WriteWholeFile(dir / "a.tvrnone", "x");
  EXPECT_EQ(GetDefaultProgramInfo(dir / "a.tvrfnt"), "");  // version "7" has no dot
  EXPECT_EQ(GetAssociatedProgram(dir / "a.tvrnone"), "");
  EXPECT_EQ(GetDefaultProgramInfo(dir / "a.tvrnone"), "");
  EXPECT_EQ(GetDefaultProgramInfo(dir / "missing.tvrdoc"), "");
}

}  // namespace
}  // namespace tavrel
