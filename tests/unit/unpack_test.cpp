#include "data/unpack.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

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

// The package gives the choice files and the catalogue, unless any of the three choice files is
// in the work folder.
TEST(ReadDataFiles, OnlyTheThreeChoiceFilesInTheWorkFolderWinOverThePackage) {
  struct Case {
    std::map<std::string, std::string> work;
    std::string add, del, def, catalogue;
    int packageReads;
  } cases[] = {
      {{}, ".txt|from the package", ".tmp", "(none)", "<p/>", 1},
      {{{"qxdef.dat", ".log|x"}, {"QXma.xml", "<w/>"}}, "(none)", "(none)", ".log|x", "<w/>", 0},
      {{{"QXAdd.dat", "locked"}}, "(none)", "(none)", "(none)", "(none)", 0},  // though unreadable
      {{{"QXAdd.dat", ".txt|w"}, {"QXma.xml", std::string((32u << 20) + 1, ' ')}},
       ".txt|w",
       "(none)",
       "(none)",
       "(none)",
       0},
      // A leftover package, other data files or a catalogue alone are no unpacked choices.
      {{{"QXTavrel.dat", "PK"}, {"other.dat", "x"}, {"QXma.xml", "<w/>"}},
       ".txt|from the package",
       ".tmp",
       "(none)",
       "<p/>",
       1},
  };
  for (const Case& c : cases) {
    FakeSource source;
    source.work = c.work;
    const DataFiles files = ReadDataFiles(source);
    EXPECT_EQ(Show(files.add) + " " + Show(files.del) + " " + Show(files.def),
              c.add + " " + c.del + " " + c.def);
    EXPECT_EQ(Show(files.catalogue), c.catalogue);
    EXPECT_EQ(source.reads, c.packageReads);
    EXPECT_EQ(source.reports, 0);
  }
}

TEST(ReadDataFiles, ALockedPackageIsTriedElevenTimesAnythingElseOnce) {
  struct Case {
    int lockedReads;
    std::optional<std::string> package;
    int reads;
    bool read;
    std::string problem;
  } cases[] = {
      {3, MakePackage(kPackage), 4, true, ""},
      {100, MakePackage(kPackage), 11, false, "data package locked by another program"},
      {0, std::nullopt, 1, false, "data package missing"},
      {0, std::string("PK\x03\x04 damaged"), 1, false, "data package damaged"},
      {0, MakePackage({{"QXcat.xml", "<c/>"}, {"QXAdd.dat", std::string(200, 'a')}}).substr(0, 150),
       1, false, "data package damaged"},
  };
  for (const Case& c : cases) {
    FakeSource source;
    source.lockedReads = c.lockedReads;
    source.package = c.package;
    const DataFiles files = ReadDataFiles(source);
    EXPECT_EQ(source.reads, c.reads);
    EXPECT_EQ(source.waits, c.reads - 1);
    EXPECT_EQ(files.add.has_value(), c.read);
    EXPECT_EQ(files.problem, c.problem);
    EXPECT_EQ(source.reports, 0);
  }
}

TEST(ReadDataFiles, APackageWithoutCheckFileIsReportedOnceAndItsFilesAreStillRead) {
  FakeSource source;
  source.package = MakePackage({{"QXAdd.dat", ".txt|x"}, {"QXma.xml", "<p/>"}});
  PendingFailure() = MakeFailure(errnum::kFileNotFound);
  const DataFiles files = ReadDataFiles(source);
  EXPECT_EQ(source.reports, 1);
  EXPECT_EQ(PendingFailure().number, 0);  // cleared before the message
  EXPECT_EQ(Show(files.add), ".txt|x");
  EXPECT_EQ(Show(files.catalogue), "<p/>");
  EXPECT_EQ(files.problem, "data package holds no check file");
}

}  // namespace
}  // namespace tavrel
