#include "data/unpack.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/package_maker.h"
#include "base/failure.h"
#include "base/text.h"

namespace tavrel {
namespace {

using files::FileRead;
using testing::Members;

std::string MakePackage(const Members& members) {
  return testing::MakePackage(testing::ScratchFolder(), "p.dat", members);
}

const Members kPackage = {{"QXcat.xml", "<c/>"},
                          {"QXAdd.dat", ".txt|from the package"},
                          {"qxdel.DAT", ".tmp"},
                          {"QXma.xml", "<p/>"},
                          {"readme.txt", "not read"}};

// A work folder of files by name, and a package locked for the first few reads.
class FakeSource final : public DataSource {
 public:
  FileRead ReadWorkFile(std::string_view name, std::uint64_t maxBytes,
                        std::string& bytes) override {
    for (const auto& [stored, content] : work) {
      if (!text::EqualsNoCase(stored, name)) continue;
      if (content.size() > maxBytes) return FileRead::kTooLarge;
      if (content == "locked") return FileRead::kLocked;
      bytes = content;
      return FileRead::kRead;
    }
    return FileRead::kMissing;
  }
  FileRead ReadPackage(std::string& bytes) override {
    ++reads;
    if (reads <= lockedReads) return FileRead::kLocked;
    if (!package) return FileRead::kMissing;
    bytes = *package;
    return FileRead::kRead;
  }
  void WaitBeforeRetry() override { ++waits; }
  void ReportMissingCheckFile() override { ++reports; }

  std::map<std::string, std::string> work;
  std::optional<std::string> package = MakePackage(kPackage);
  int lockedReads = 0;
  int reads = 0;
  int waits = 0;
  int reports = 0;
};

std::string Show(const std::optional<std::string>& file) {
  return file ? *file : "(none)";
}

// What was read: add, del, def and catalogue, each "(none)" when missing, the problem, then the
// reads of the package, the waits and the reports of a missing check file.
std::string Read(FakeSource& source) {
  const DataFiles files = ReadDataFiles(source);
  return Show(files.add) + " " + Show(files.del) + " " + Show(files.def) + " " +
         Show(files.catalogue) + " \"" + files.problem + "\" " + std::to_string(source.reads) +
         " " + std::to_string(source.waits) + " " + std::to_string(source.reports);
}

// The package gives the choice files and the catalogue, unless any of the three choice files is
// in the work folder.
TEST(ReadDataFiles, OnlyTheThreeChoiceFilesInTheWorkFolderWinOverThePackage) {
  const std::string kFromPackage = ".txt|from the package .tmp (none) <p/> \"\" 1 0 0";
  const std::pair<std::map<std::string, std::string>, std::string> cases[] = {
      {{}, kFromPackage},
      {{{"qxdef.dat", ".log|x"}, {"QXma.xml", "<w/>"}}, "(none) (none) .log|x <w/> \"\" 0 0 0"},
      // A choice file counts though it cannot be read; a catalogue over 32 MiB is not read.
      {{{"QXAdd.dat", "locked"}}, "(none) (none) (none) (none) \"\" 0 0 0"},
      {{{"QXAdd.dat", ".txt|w"}, {"QXma.xml", std::string((32u << 20) + 1, ' ')}},
       ".txt|w (none) (none) (none) \"\" 0 0 0"},
      // A leftover package, other data files or a catalogue alone are no unpacked choices.
      {{{"QXTavrel.dat", "PK"}, {"other.dat", "x"}, {"QXma.xml", "<w/>"}}, kFromPackage},
  };
  for (const auto& [work, read] : cases) {
    FakeSource source;
    source.work = work;
    EXPECT_EQ(Read(source), read);
  }
}

// A locked package is tried up to eleven times, anything else once. A package without check file
// is reported once, its files still read, and the failure pending before is cleared.
TEST(ReadDataFiles, LockedDamagedAndMissingPackagesAndOneWithoutCheckFile) {
  const struct {
    int lockedReads;
    std::optional<std::string> package;
    std::string read;
  } cases[] = {
      {10, MakePackage(kPackage), ".txt|from the package .tmp (none) <p/> \"\" 11 10 0"},
      {11, MakePackage(kPackage),
       "(none) (none) (none) (none) \"data package locked by another program\" 11 10 0"},
      {0, std::nullopt, "(none) (none) (none) (none) \"data package missing\" 1 0 0"},
      {0, "PK\x03\x04 damaged", "(none) (none) (none) (none) \"data package damaged\" 1 0 0"},
      {0, MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", std::string(200, 'a')}}).substr(0, 150),
       "(none) (none) (none) (none) \"data package damaged\" 1 0 0"},
      {0, MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}}),
       ".txt|x (none) (none) <p/> \"data package holds no check file\" 1 0 1"},
  };
  for (const auto& c : cases) {
    FakeSource source;
    source.lockedReads = c.lockedReads;
    source.package = c.package;
    PendingFailure() = MakeFailure(errnum::kFileNotFound);
    EXPECT_EQ(Read(source), c.read);
    EXPECT_EQ(PendingFailure().number, c.read.ends_with(" 1") ? 0 : errnum::kFileNotFound);
  }
  PendingFailure() = {};
}

}  // namespace
}  // namespace tavrel
