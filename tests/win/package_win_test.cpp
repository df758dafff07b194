// Real and hostile data packages read by the Windows build: AES through the system's
// cryptography, and member names that would reach outside a Windows folder.
#include <gtest/gtest.h>

#include "data/package.h"
#include "data/package_writer.h"
#include "scratch.h"

namespace tavrel::package {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXAdd.dat", std::string(5000, 'a') + "\r\n.txt|notepad.exe"}};

std::string MakePackage(const wintest::ScratchFolder& folder, const std::string& name,
                        const Members& members, Encryption encryption = Encryption::kPkware,
                        std::string_view password = kPassword) {
  PackageWriter writer(folder / name, encryption, password);
  for (const auto& [member, content] : members)
    EXPECT_TRUE(writer.AddBytes(member, content));
  EXPECT_TRUE(writer.Close()) << writer.Error();
  return folder.Read(name);
}

TEST(PackageWin, HostileMembersAreLeftOut) {
  wintest::ScratchFolder folder;
  const Result result = Read(MakePackage(folder, "p.dat",
                                         {{"..\\up.dat", "x"},
                                          {"C:\\Windows\\evil.dat", "x"},
                                          {"C:evil.dat", "x"},
                                          {"\\\\server\\share\\evil.dat", "x"},
                                          {"CON", "x"},
                                          {"nul.dat", "x"},
                                          {"COM1.xml", "x"},
                                          {"QXAdd.dat:hidden", "x"},
                                          {"a?b.dat", "x"},
                                          {"trail.dat.", "x"},
                                          {"bomb.dat", std::string((64u << 20) + 1, '\0')},
                                          {"ratio.dat", std::string(2u << 20, 'z')},
                                          {"nested\\deeper\\QXAdd.dat", "flat"}}));
  ASSERT_TRUE(result.ok()) << result.message;
  ASSERT_EQ(result.members.size(), 1u);
  EXPECT_EQ(result.members[0].name, "QXAdd.dat");
  EXPECT_EQ(result.members[0].content, "flat");
  EXPECT_EQ(result.skipped.size(), 12u);
}

TEST(PackageWin, AesThroughTheSystemAndBrokenPackages) {
  wintest::ScratchFolder folder;
  const std::string good = MakePackage(folder, "good.dat", kProductFiles, Encryption::kAes256);
  const Result read = Read(good);
  ASSERT_TRUE(read.ok()) << read.message;
  EXPECT_EQ(read.members[1].content, kProductFiles[1].second);

  std::string tampered = good;
  tampered[good.find("QXAdd.dat") + 9 + 40] ^= 1;  // caught by the AES authentication code
  Members many;
  for (int i = 0; i < 4097; ++i)
    many.push_back({std::to_string(i), ""});
  const std::pair<std::string, Outcome> cases[] = {
      {good.substr(0, good.size() - 30), Outcome::kDamaged},
      {tampered, Outcome::kDamaged},
      // A wrong password shows as such, or as damage when it passes the one-byte check.
      {MakePackage(folder, "pw.dat", kProductFiles, Encryption::kPkware, "746Rudo-"), Outcome::kOk},
      {MakePackage(folder, "many.dat", many, Encryption::kNone), Outcome::kTooManyMembers}};
  for (const auto& [bytes, outcome] : cases) {
    const Result result = Read(bytes);
    EXPECT_FALSE(result.ok());
    if (outcome != Outcome::kOk) {
      EXPECT_EQ(result.outcome, outcome) << result.message;
    }
    EXPECT_TRUE(result.members.empty());
  }
}

}  // namespace
}  // namespace tavrel::package
