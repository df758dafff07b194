// The description of the program Windows associates with a document, on real programs.
#include <windows.h>

#include "fileinfo/display_names.h"

#include <gtest/gtest.h>

#include "../support/scratch_folder.h"
#include "os/files.h"

namespace tavrel {
namespace {

using testing::WinPath;

// A document type associated with a program for the length of a test, as an installer does it.
class Association {
 public:
  Association(const std::string& extension, const std::string& program) : extension_(extension) {
    RegSetValueA(HKEY_CLASSES_ROOT, extension_.c_str(), REG_SZ, ProgId().c_str(), 0);
    const std::string command = "\"" + program + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, (ProgId() + "\\shell\\open\\command").c_str(), REG_SZ,
                 command.c_str(), 0);
  }
  ~Association() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ProgId().c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
  }
  Association(const Association&) = delete;
  Association& operator=(const Association&) = delete;

 private:
  std::string ProgId() const { return "TavrelTest" + extension_; }
  std::string extension_;
};

// A description's fields as one text, "" for none.
std::string Joined(const std::optional<ProgramDescription>& d) {
  return d ? d->display + "|" + d->version + "|" + d->status + "|" + d->shortPath + "|" +
                 d->shortOfShortPath
           : "";
}

// The recorder's description is checked end to end; these are the programs it cannot stand for.
TEST(DefaultProgram, ProductNameWithoutADescriptionAndNothingToDescribe) {
  testing::ScratchFolder dir("assoc");
  const std::string driver = WinPath(TAVREL_VERSION_DRIVER_EXE);
  Association driverType(".tvrdrv", driver);
  Association fontType(".tvrfnt", WinPath(TAVREL_VERSION_FONT_EXE));
  for (const char* name : {"a.tvrdrv", "a.tvrfnt", "a.tvrnone"})
    files::WriteWholeFile(dir / name, "x");

  char shortPath[MAX_PATH] = {};
  GetShortPathNameA(driver.c_str(), shortPath, MAX_PATH);
  EXPECT_EQ(Joined(GetDefaultProgramInfo(dir / "a.tvrdrv")),
            std::string("Globex- Reader|6.1.7600.16385|OK|") + shortPath + "|" + shortPath);
  EXPECT_EQ(Joined(GetDefaultProgramInfo(dir / "a.tvrfnt")), "");  // version "7" has no dot
  EXPECT_EQ(GetAssociatedProgram(dir / "a.tvrnone"), "");
  EXPECT_EQ(Joined(GetDefaultProgramInfo(dir / "a.tvrnone")), "");
  EXPECT_EQ(Joined(GetDefaultProgramInfo(dir / "missing.tvrdrv")), "");
}

}  // namespace
}  // namespace tavrel
