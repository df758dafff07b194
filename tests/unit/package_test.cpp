#include "data/package.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../support/scratch_folder.h"
#include "data/package_writer.h"

namespace tavrel::package {
namespace {

using testing::ScratchFolder;
using Members = std::vector<std::pair<std::string, std::string>>;

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += ".txt|C:\\Programs\\Editor " + std::to_string(i) + "\r\n";
  return text;
}

void MakePackage(const std::string& path, const Members& members,
                 Encryption encryption = Encryption::kPkware,
                 std::string_view password = kPassword) {
  PackageWriter writer(path, encryption, password);
  for (const auto& [name, content] : members)
    ASSERT_TRUE(writer.AddBytes(name, content));
  ASSERT_TRUE(writer.Close()) << writer.Error();
}

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXma.xml", "<Programs><Alias Company='x'/></Programs>"},
                               {"QXAdd.dat", Lines(200)}};

std::string Bytes(const ScratchFolder& folder, const std::string& name) {
  return folder.Read(name);
}

// Sets the uncompressed size of the first member in its local header and in the central
// directory, leaving the data as it is.
void DeclareFirstSize(std::string& zip, std::uint32_t size) {
  const auto put = [&](std::size_t at) {
    for (int i = 0; i < 4; ++i)
      zip[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  };
  ASSERT_EQ(zip.compare(0, 4, "PK\x03\x04"), 0);
  put(22);
  const std::size_t central = zip.find("PK\x01\x02");
  ASSERT_NE(central, std::string::npos);
  put(central + 24);
}

TEST(Package, ExtractsWhatTavrelPackWritesWithEitherEncryption) {
  for (const Encryption encryption : {Encryption::kPkware, Encryption::kAes256}) {
    ScratchFolder folder;
    MakePackage(folder / "p.dat", kProductFiles, encryption);
    const std::string before = Bytes(folder, "p.dat");
    std::filesystem::create_directory(folder / "out");
    const Result result = Extract(folder / "p.dat", folder / "out");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.written, (std::vector<std::string>{"QXcat.xml", "QXma.xml", "QXAdd.dat"}));
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(Bytes(folder, "out/QXAdd.dat"), Lines(200));
    EXPECT_EQ(Bytes(folder, "out/QXcat.xml"), "<c/>");
    EXPECT_EQ(Bytes(folder, "p.dat"), before);  // the package is only read
  }
}

TEST(Package, ExtractsPackagesOfOtherZipTools) {
  ScratchFolder folder;
  folder.Write("QXAdd.dat", Lines(300));
  folder.Write("QXcat.xml", "<cat/>");
  std::filesystem::create_directory(folder / "out");
  // Info-ZIP with traditional encryption, the way the product's packages have always been made.
  const std::string zip =
      "cd '" + folder.Path() + "' && zip -q -P 746Rudo+ info.dat QXAdd.dat QXcat.xml";
  ASSERT_EQ(std::system(zip.c_str()), 0);
  Result result = Extract(folder / "info.dat", folder / "out");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(Bytes(folder, "out/QXAdd.dat"), Lines(300));

  // 7-Zip writes AES entries of the AE-2 kind, whose checksum field is 0.
  if (std::system("command -v 7zz >/dev/null") != 0) GTEST_SKIP() << "7zz is not installed";
  const std::string sevenZip = "cd '" + folder.Path() +
                               "' && 7zz a -bso0 -tzip -mem=AES256 -p746Rudo+ seven.dat QXAdd.dat "
                               "QXcat.xml && 7zz a -bso0 -tzip -mx0 -mem=AES256 -p746Rudo+ "
                               "stored.dat QXAdd.dat";
  ASSERT_EQ(std::system(sevenZip.c_str()), 0);
  std::filesystem::remove(folder / "out/QXAdd.dat");
  result = Extract(folder / "seven.dat", folder / "out");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(Bytes(folder, "out/QXAdd.dat"), Lines(300));
  EXPECT_EQ(Bytes(folder, "out/QXcat.xml"), "<cat/>");
  result = Extract(folder / "seven.dat", folder / "out", "wrong pw");
  EXPECT_EQ(result.outcome, Outcome::kWrongPassword);

  // A stored AE-2 entry of 20 bytes or more is beyond this libzip: refused as damaged, cleanly.
  std::filesystem::remove(folder / "out/QXAdd.dat");
  result = Extract(folder / "stored.dat", folder / "out");
  EXPECT_EQ(result.outcome, Outcome::kDamaged);
  EXPECT_FALSE(folder.Has("out/QXAdd.dat"));
}

TEST(Package, UnsafeNamesAreSkippedAndFoldersFlattened) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  std::filesystem::create_directory(folder / "out/sub");
  MakePackage(folder / "p.dat", {{"../escape.dat", "x"},
                                 {"sub/../../escape2.dat", "x"},
                                 {"C:evil.dat", "x"},
                                 {"/abs.dat", "x"},
                                 {"NUL.dat", "x"},
                                 {"a:stream.dat", "x"},
                                 {"data/QXAdd.dat", "flat"}});
  const Result result = Extract(folder / "p.dat", folder / "out/sub");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.written, std::vector<std::string>{"QXAdd.dat"});
  EXPECT_EQ(result.skipped.size(), 6u);
  EXPECT_EQ(Bytes(folder, "out/sub/QXAdd.dat"), "flat");
  EXPECT_FALSE(folder.Has("out/escape.dat"));
  EXPECT_FALSE(folder.Has("escape2.dat"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "out/sub"),
                          std::filesystem::directory_iterator{}),
            1);
}

TEST(Package, SizeAndRatioBoundsSkipMembers) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "p.dat", {{"small.dat", "abc"},
                                 {"big.dat", std::string(5000, 'x') + Lines(100)},
                                 {"zeros.dat", std::string(4000, '\0')},
                                 {"last.dat", Lines(10)}});
  Limits limits;
  limits.maxMemberBytes = 6000;
  limits.ratioCheckFrom = 1000;
  limits.maxRatio = 50;
  limits.maxTotalBytes = 6000;
  const Result result = Extract(folder / "p.dat", folder / "out", kPassword, limits);
  ASSERT_TRUE(result.ok()) << result.message;
  // big.dat is over the member bound, zeros.dat compresses far beyond 50:1, and last.dat would
  // pass the total (3 + 538 + 4000 skipped...) only while the total allows it.
  ASSERT_EQ(result.skipped.size(), 2u);
  EXPECT_EQ(result.skipped[0].name, "big.dat");
  EXPECT_EQ(result.skipped[1].name, "zeros.dat");
  EXPECT_EQ(result.written, (std::vector<std::string>{"small.dat", "last.dat"}));

  limits = Limits{};
  limits.maxTotalBytes = 100;
  const Result capped = Extract(folder / "p.dat", folder / "out", kPassword, limits);
  ASSERT_TRUE(capped.ok());
  EXPECT_EQ(capped.written, std::vector<std::string>{"small.dat"});
}

TEST(Package, ZipBombOfTheDefaultBoundIsNotExtracted) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "bomb.dat",
              {{"bomb.dat", std::string((64u << 20) + 1, '\0')}, {"QXcat.xml", "<c/>"}});
  EXPECT_LT(std::filesystem::file_size(folder / "bomb.dat"), 200'000u);
  const Result result = Extract(folder / "bomb.dat", folder / "out");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.written, std::vector<std::string>{"QXcat.xml"});
  EXPECT_FALSE(folder.Has("out/bomb.dat"));
}

TEST(Package, MemberLargerThanItDeclaresFailsThePackage) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "p.dat", {{"liar.dat", std::string(100000, 'a')}}, Encryption::kNone);
  std::string zip = Bytes(folder, "p.dat");
  DeclareFirstSize(zip, 10);
  folder.Write("p.dat", zip);
  const Result result = Extract(folder / "p.dat", folder / "out");
  EXPECT_EQ(result.outcome, Outcome::kDamaged) << result.message;
  EXPECT_FALSE(folder.Has("out/liar.dat"));
}

TEST(Package, TooManyMembersAreRefusedBeforeAnythingIsWritten) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  Members many;
  for (int i = 0; i < 4097; ++i)
    many.push_back({"m" + std::to_string(i) + ".dat", "x"});
  MakePackage(folder / "many.dat", many, Encryption::kNone);
  const Result result = Extract(folder / "many.dat", folder / "out");
  EXPECT_EQ(result.outcome, Outcome::kTooManyMembers);
  EXPECT_TRUE(std::filesystem::is_empty(folder / "out"));
  // At the bound itself the package is read.
  Limits limits;
  limits.maxMembers = 3;
  MakePackage(folder / "p3.dat", kProductFiles);
  EXPECT_TRUE(Extract(folder / "p3.dat", folder / "out", kPassword, limits).ok());
  limits.maxMembers = 2;
  EXPECT_EQ(Extract(folder / "p3.dat", folder / "out", kPassword, limits).outcome,
            Outcome::kTooManyMembers);
}

TEST(Package, BrokenPackagesWriteNothing) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "good.dat", kProductFiles);
  const std::string good = Bytes(folder, "good.dat");

  folder.Write("truncated.dat", good.substr(0, good.size() / 2));
  std::string corrupted = good;
  // Inside the compressed data of the last member, which is extracted after the others.
  const std::size_t last = corrupted.rfind("QXAdd.dat", corrupted.find("PK\x01\x02"));
  corrupted[last + 9 + 12 + 200] ^= 0x55;
  folder.Write("corrupted.dat", corrupted);
  folder.Write("notzip.dat", "this is no zip archive at all");
  MakePackage(folder / "otherpw.dat", kProductFiles, Encryption::kPkware, "other");
  MakePackage(folder / "otheraes.dat", kProductFiles, Encryption::kAes256, "other");

  for (const char* name : {"truncated.dat", "corrupted.dat", "notzip.dat", "otherpw.dat",
                           "otheraes.dat", "missing.dat"}) {
    const Result result = Extract(folder / name, folder / "out");
    EXPECT_FALSE(result.ok()) << name;
    EXPECT_FALSE(result.message.empty()) << name;
    EXPECT_TRUE(result.written.empty()) << name;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "out")) << name;
  }
  EXPECT_EQ(Extract(folder / "missing.dat", folder / "out").outcome, Outcome::kMissing);
  EXPECT_EQ(Extract(folder / "notzip.dat", folder / "out").outcome, Outcome::kDamaged);
  EXPECT_EQ(Extract(folder / "otheraes.dat", folder / "out").outcome, Outcome::kWrongPassword);
}

TEST(Package, ListShowsMembersAndTestsThePassword) {
  ScratchFolder folder;
  MakePackage(folder / "p.dat", kProductFiles, Encryption::kAes256);
  std::vector<MemberInfo> members;
  ASSERT_TRUE(List(folder / "p.dat", members).ok());
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[2].name, "QXAdd.dat");
  EXPECT_EQ(members[2].size, Lines(200).size());
  EXPECT_EQ(members[2].encryption, "AES-256");
  EXPECT_TRUE(members[2].passwordOpens);
  EXPECT_EQ(List(folder / "p.dat", members, "nope").outcome, Outcome::kWrongPassword);
  EXPECT_FALSE(members[0].passwordOpens);
}

}  // namespace
}  // namespace tavrel::package
