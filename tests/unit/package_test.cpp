#include "data/package.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "../support/package_maker.h"
#include "package_listing.h"

namespace tavrel::package {
namespace {

using testing::MakePackage;
using testing::Members;
using Folder = testing::ScratchFolder;
using Names = std::vector<std::string>;

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += ".txt|C:\\Programs\\Editor " + std::to_string(i) + "\r\n";
  return text;
}

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXma.xml", "<Programs><Alias Company='x'/></Programs>"},
                               {"QXAdd.dat", Lines(200)}};

Names NamesOf(const Result& result) {
  Names names;
  for (const Member& member : result.members)
    names.push_back(member.name);
  return names;
}

TEST(Package, ReadsPackagesOfOtherZipTools) {
  Folder folder;
  folder.Write("QXAdd.dat", Lines(300));
  folder.Write("QXcat.xml", "<cat/>");
  const std::string cd = "cd '" + folder.path() + "' && ";
  // Info-ZIP with traditional encryption, the way the product's packages have always been made.
  ASSERT_EQ(std::system((cd + "zip -q -P 746Rudo+ info.dat QXAdd.dat QXcat.xml").c_str()), 0);
  Result result = package::Read(folder.Read("info.dat"), kPassword);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.members[0].content, Lines(300));

  // 7-Zip writes AES entries of the AE-2 kind, whose checksum field is 0.
  if (std::system("command -v 7zz >/dev/null") != 0) GTEST_SKIP() << "7zz is not installed";
  ASSERT_EQ(std::system((cd + "7zz a -bso0 -tzip -mem=AES256 -p746Rudo+ seven.dat QXAdd.dat && "
                              "7zz a -bso0 -tzip -mx0 -mem=AES256 -p746Rudo+ stored.dat QXAdd.dat")
                            .c_str()),
            0);
  result = package::Read(folder.Read("seven.dat"), kPassword);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.members[0].content, Lines(300));
  EXPECT_EQ(package::Read(folder.Read("seven.dat"), "wrong pw").outcome, Outcome::kWrongPassword);
  // A stored AE-2 entry of 20 bytes or more is beyond this libzip: refused as damaged, cleanly.
  EXPECT_EQ(package::Read(folder.Read("stored.dat"), kPassword).outcome, Outcome::kDamaged);
}

// Each bound exactly at what the package holds, and one short of it.
TEST(Package, EveryBoundAtItsLimitAndOnePast) {
  Folder folder;
  const std::string bytes =
      MakePackage(folder, "p.dat", {{"a.dat", std::string(3000, '\0')}, {"b.dat", "0123456789"}});
  std::vector<pack::MemberInfo> listed;
  ASSERT_TRUE(pack::List(bytes, kPassword, listed).ok());
  const std::uint64_t ratio = 3000 / listed[0].compressedSize;  // as the reader divides
  const struct {
    std::uint64_t Limits::*bound;
    std::uint64_t atLimit;
    Names kept;  // one past the limit; none: the package is refused
  } cases[] = {
      {&Limits::maxMemberBytes, 3000, {"b.dat"}},
      {&Limits::maxTotalBytes, 3010, {"a.dat"}},
      {&Limits::maxRatio, ratio, {"b.dat"}},
      {&Limits::maxMembers, 2, {}},
  };
  for (const auto& c : cases) {
    Limits limits;
    limits.ratioCheckFrom = 3000;
    limits.*c.bound = c.atLimit;
    EXPECT_EQ(NamesOf(package::Read(bytes, kPassword, {}, limits)), (Names{"a.dat", "b.dat"}))
        << c.atLimit;
    limits.*c.bound = c.atLimit - 1;
    const Result past = package::Read(bytes, kPassword, {}, limits);
    EXPECT_EQ(NamesOf(past), c.kept) << c.atLimit;
    EXPECT_EQ(past.ok(), !c.kept.empty()) << c.atLimit;
    EXPECT_EQ(past.skipped.size(), c.kept.empty() ? 0u : 1u) << c.atLimit;
  }
  // Members left out by the caller still count towards the total.
  Limits total;
  total.maxTotalBytes = 3009;
  const Result result = package::Read(
      bytes, kPassword, [](std::string_view name) { return name == "b.dat"; }, total);
  EXPECT_EQ(NamesOf(result), Names{});
  ASSERT_EQ(result.skipped.size(), 1u);
  EXPECT_EQ(result.skipped[0].name, "b.dat");
  // The default bounds: a member over 64 MiB and one compressed beyond 200:1 are left out.
  EXPECT_EQ(NamesOf(package::Read(MakePackage(folder, "bomb.dat",
                                              {{"bomb.dat", std::string((64u << 20) + 1, '\0')},
                                               {"ratio.dat", std::string(2u << 20, 'z')},
                                               {"ok.dat", "x"}}),
                                  kPassword)),
            Names{"ok.dat"});
  // The ratio is checked from its size on: a member one byte short of it is not.
  Limits limits;
  limits.maxRatio = 1;
  limits.ratioCheckFrom = 3001;
  EXPECT_EQ(NamesOf(package::Read(bytes, kPassword, {}, limits)), (Names{"a.dat", "b.dat"}));
  limits.ratioCheckFrom = 3000;
  EXPECT_EQ(NamesOf(package::Read(bytes, kPassword, {}, limits)), Names{"b.dat"});
}

TEST(Package, MemberNames) {
  Folder folder;
  // Base names equal without regard to case: one member, the later bytes under the first name.
  // Names that would reach outside a folder or name a device are left out.
  const Result result = package::Read(MakePackage(folder, "base.dat",
                                                  {{"a/QXAdd.dat", "first"},
                                                   {"..\\up.dat", "x"},
                                                   {"other.dat", "o"},
                                                   {"CON", "x"},
                                                   {"b/qxadd.DAT", "second"}}),
                                      kPassword);
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(NamesOf(result), (Names{"QXAdd.dat", "other.dat"}));
  EXPECT_EQ(result.members[0].content, "second");
  ASSERT_EQ(result.skipped.size(), 2u);
  EXPECT_EQ(result.skipped[0].name, "..\\up.dat");
}

TEST(Package, BrokenPackagesYieldNothing) {
  Folder folder;
  const std::string good = MakePackage(folder, "good.dat", kProductFiles);
  const std::string otherAes =
      MakePackage(folder, "o.dat", kProductFiles, Encryption::kAes256, "other");
  // The member claims 10 bytes in its local header and in the central directory.
  std::string liar =
      MakePackage(folder, "liar.dat", {{"liar.dat", std::string(100000, 'a')}}, Encryption::kNone);
  for (const std::size_t at : {std::size_t{22}, liar.find("PK\x01\x02") + 24})
    liar.replace(at, 4, std::string("\x0A\0\0\0", 4));
  // Damage inside the last member, which is read after the others were taken.
  std::string corrupted = good;
  corrupted[corrupted.rfind("QXAdd.dat", corrupted.find("PK\x01\x02")) + 9 + 12 + 200] ^= 0x55;
  // Strong encryption (general-purpose bit 6) announced in the local and the central header.
  std::string strong = MakePackage(folder, "strong.dat", {{"QXAdd.dat", Lines(3)}});
  for (const std::size_t at : {std::size_t{6}, strong.find("PK\x01\x02") + 8})
    strong[at] = static_cast<char>(strong[at] | 0x40);
  // Exactly the same stored name twice: the package is inconsistent.
  std::string same = MakePackage(folder, "same.dat", {{"QXAdd.dat", "one"}, {"QXAdd.daX", "two"}},
                                 Encryption::kNone);
  for (std::size_t at = same.find("QXAdd.daX"); at != std::string::npos;
       at = same.find("QXAdd.daX"))
    same[at + 8] = 't';

  const std::pair<std::string, Outcome> cases[] = {
      {corrupted, Outcome::kDamaged},
      {liar, Outcome::kDamaged},
      {strong, Outcome::kDamaged},
      {"this is no zip archive at all", Outcome::kDamaged},
      {otherAes, Outcome::kWrongPassword},
      {good.substr(0, good.size() - 30), Outcome::kDamaged},
      {same, Outcome::kDamaged}};
  for (const auto& [bytes, outcome] : cases) {
    const Result result = package::Read(bytes, kPassword);
    EXPECT_EQ(result.outcome, outcome) << result.message;
    EXPECT_FALSE(result.message.empty());
    EXPECT_TRUE(result.members.empty()) << result.message;
  }
  // Reading stops at the first piece past the declared 10 bytes, not at the member's bound.
  const std::string said = package::Read(liar, kPassword).message;
  const std::size_t held = said.find("holds ");
  ASSERT_NE(held, std::string::npos) << said;
  EXPECT_LT(std::stoull(said.substr(held + 6)), 100000u) << said;

  // Listing refuses the strong member without opening it.
  std::vector<pack::MemberInfo> listed;
  EXPECT_EQ(pack::List(strong, kPassword, listed).outcome, Outcome::kDamaged);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_FALSE(listed[0].passwordOpens);
}

}  // namespace
}  // namespace tavrel::package
