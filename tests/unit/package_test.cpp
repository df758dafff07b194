#include "data/package.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../support/scratch_folder.h"
#include "data/package_writer.h"

namespace tavrel::package {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += ".txt|C:\\Programs\\Editor " + std::to_string(i) + "\r\n";
  return text;
}

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXma.xml", "<Programs><Alias Company='x'/></Programs>"},
                               {"QXAdd.dat", Lines(200)}};

// A scratch folder with an empty "out" folder to extract into.
struct Folder : testing::ScratchFolder {
  Folder() { fs::create_directory(*this / "out"); }
  void Make(const std::string& name, const Members& members,
            Encryption encryption = Encryption::kPkware, std::string_view password = kPassword) {
    PackageWriter writer(*this / name, encryption, password);
    for (const auto& [member, content] : members)
      ASSERT_TRUE(writer.AddBytes(member, content));
    ASSERT_TRUE(writer.Close()) << writer.Error();
  }
  Result Extract(const std::string& name, const Limits& limits = {}) {
    return package::Extract(*this / name, *this / "out", kPassword, limits);
  }
  bool OutEmpty() const { return fs::is_empty(*this / "out"); }
};

TEST(Package, ExtractsWhatTavrelPackWritesWithEitherEncryption) {
  for (const Encryption encryption : {Encryption::kPkware, Encryption::kAes256}) {
    Folder folder;
    folder.Make("p.dat", kProductFiles, encryption);
    const std::string before = folder.Read("p.dat");
    const Result result = folder.Extract("p.dat");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.written, (Names{"QXcat.xml", "QXma.xml", "QXAdd.dat"}));
    EXPECT_EQ(folder.Read("out/QXAdd.dat"), Lines(200));
    EXPECT_EQ(folder.Read("p.dat"), before);  // the package is only read
  }
}

TEST(Package, ExtractsPackagesOfOtherZipTools) {
  Folder folder;
  folder.Write("QXAdd.dat", Lines(300));
  folder.Write("QXcat.xml", "<cat/>");
  const std::string cd = "cd '" + folder.path() + "' && ";
  // Info-ZIP with traditional encryption, the way the product's packages have always been made.
  ASSERT_EQ(std::system((cd + "zip -q -P 746Rudo+ info.dat QXAdd.dat QXcat.xml").c_str()), 0);
  ASSERT_TRUE(folder.Extract("info.dat").ok());
  EXPECT_EQ(folder.Read("out/QXAdd.dat"), Lines(300));

  // 7-Zip writes AES entries of the AE-2 kind, whose checksum field is 0.
  if (std::system("command -v 7zz >/dev/null") != 0) GTEST_SKIP() << "7zz is not installed";
  ASSERT_EQ(std::system((cd + "7zz a -bso0 -tzip -mem=AES256 -p746Rudo+ seven.dat QXAdd.dat && "
                              "7zz a -bso0 -tzip -mx0 -mem=AES256 -p746Rudo+ stored.dat QXAdd.dat")
                            .c_str()),
            0);
  fs::remove(folder / "out/QXAdd.dat");
  ASSERT_TRUE(folder.Extract("seven.dat").ok());
  EXPECT_EQ(folder.Read("out/QXAdd.dat"), Lines(300));
  EXPECT_EQ(Extract(folder / "seven.dat", folder / "out", "wrong pw").outcome,
            Outcome::kWrongPassword);
  // A stored AE-2 entry of 20 bytes or more is beyond this libzip: refused as damaged, cleanly.
  fs::remove(folder / "out/QXAdd.dat");
  EXPECT_EQ(folder.Extract("stored.dat").outcome, Outcome::kDamaged);
  EXPECT_FALSE(folder.Has("out/QXAdd.dat"));
}

TEST(Package, SizeRatioAndMemberCountBounds) {
  Folder folder;
  folder.Make("p.dat", {{"small.dat", "abc"},
                        {"big.dat", std::string(5000, 'x') + Lines(100)},
                        {"zeros.dat", std::string(4000, '\0')},
                        {"last.dat", Lines(10)}});
  Limits limits;
  limits.maxMemberBytes = 6000;
  limits.ratioCheckFrom = 1000;
  limits.maxRatio = 50;
  // big.dat is over the member bound and zeros.dat compresses far beyond 50:1.
  Result result = folder.Extract("p.dat", limits);
  ASSERT_EQ(result.skipped.size(), 2u);
  EXPECT_EQ(result.skipped[0].name, "big.dat");
  EXPECT_EQ(result.skipped[1].name, "zeros.dat");
  EXPECT_EQ(result.written, (Names{"small.dat", "last.dat"}));

  limits = Limits{};
  limits.maxTotalBytes = 100;  // only what fits in the total is written
  EXPECT_EQ(folder.Extract("p.dat", limits).written, Names{"small.dat"});

  // Four members pass a bound of four; a bound of three refuses the package before any write.
  fs::remove_all(folder / "out");
  fs::create_directory(folder / "out");
  limits = Limits{};
  limits.maxMembers = 3;
  EXPECT_EQ(folder.Extract("p.dat", limits).outcome, Outcome::kTooManyMembers);
  EXPECT_TRUE(folder.OutEmpty());
  limits.maxMembers = 4;
  EXPECT_TRUE(folder.Extract("p.dat", limits).ok());
}

TEST(Package, BrokenPackagesWriteNothing) {
  Folder folder;
  folder.Make("good.dat", kProductFiles);
  folder.Make("otheraes.dat", kProductFiles, Encryption::kAes256, "other");
  folder.Make("liar.dat", {{"liar.dat", std::string(100000, 'a')}}, Encryption::kNone);
  // The member claims 10 bytes in its local header and in the central directory.
  std::string liar = folder.Read("liar.dat");
  for (const std::size_t at : {std::size_t{22}, liar.find("PK\x01\x02") + 24})
    liar.replace(at, 4, std::string("\x0A\0\0\0", 4));
  folder.Write("liar.dat", liar);
  // Damage inside the last member, which is extracted after the others were written.
  std::string corrupted = folder.Read("good.dat");
  corrupted[corrupted.rfind("QXAdd.dat", corrupted.find("PK\x01\x02")) + 9 + 12 + 200] ^= 0x55;
  folder.Write("corrupted.dat", corrupted);
  folder.Write("notzip.dat", "this is no zip archive at all");

  const std::pair<const char*, Outcome> cases[] = {{"corrupted.dat", Outcome::kDamaged},
                                                   {"liar.dat", Outcome::kDamaged},
                                                   {"notzip.dat", Outcome::kDamaged},
                                                   {"otheraes.dat", Outcome::kWrongPassword},
                                                   {"missing.dat", Outcome::kMissing}};
  for (const auto& [name, outcome] : cases) {
    const Result result = folder.Extract(name);
    EXPECT_EQ(result.outcome, outcome) << name;
    EXPECT_FALSE(result.message.empty()) << name;
    EXPECT_TRUE(result.written.empty()) << name;
    EXPECT_TRUE(folder.OutEmpty()) << name;
  }
}

}  // namespace
}  // namespace tavrel::package
