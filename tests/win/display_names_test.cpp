// The description of the program Windows associates with a document, read from the version
// resources of real executables the build makes for the purpose.
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

// The recorder's description is checked end to end; these are the programs it cannot stand for.
TEST(DefaultProgram, ValuesOfTheFirstTranslationAndNothingToDescribe) {
  testing::ScratchFolder dir("assoc");
  const struct {
    const char* extension;  // of a document associated with the program
    std::string program;
    std::string described;  // display, version and status; "" for none
  } cases[] = {
      // The German translation is listed first; only its values are read.
      {".tvrmul", WinPath(TAVREL_VERSION_MULTI_EXE), "Musterfirma - Mehrsprachig|2.5|OK"},
      // A product name stands in for the missing description.
      {".tvrdrv", WinPath(TAVREL_VERSION_DRIVER_EXE), "Globex- Reader|6.1.7600.16385|OK"},
      {".tvrfnt", WinPath(TAVREL_VERSION_FONT_EXE), ""},  // version "7" has no dot
      {".tvrtxt", dir / "plain.txt", ""},                 // no version resource
      {".tvrgone", dir / "missing.exe", ""},
  };
  files::WriteWholeFile(dir / "plain.txt", "no resources here");
  for (const auto& c : cases) {
    const Association type(c.extension, c.program);
    const std::string document = dir / (std::string("a") + c.extension);
    files::WriteWholeFile(document, "x");
    const std::optional<ProgramDescription> d = GetDefaultProgramInfo(document);
    EXPECT_EQ(d ? d->display + "|" + d->version + "|" + d->status : "", c.described) << c.program;
    // Both path fields hold the short path, the form the launch hands over.
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(c.program.c_str(), shortPath, MAX_PATH);
    if (d) {
      EXPECT_EQ(d->shortPath + "|" + d->shortOfShortPath, shortPath + ("|" + d->shortPath));
    }
    EXPECT_FALSE(GetDefaultProgramInfo(dir / (std::string("missing") + c.extension)));
  }
  files::WriteWholeFile(dir / "a.tvrnone", "x");
  EXPECT_EQ(GetAssociatedProgram(dir / "a.tvrnone"), "");
  EXPECT_FALSE(GetDefaultProgramInfo(dir / "a.tvrnone"));
}

}  // namespace
}  // namespace tavrel
