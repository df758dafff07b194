// Data packages read by the Windows build: AES through the system's cryptography.
#include <gtest/gtest.h>

#include "../support/package_maker.h"
#include "data/package.h"

namespace tavrel::package {
namespace {

using testing::MakePackage;

const testing::Members kProductFiles = {
    {"QXcat.xml", "<c/>"}, {"QXAdd.dat", std::string(5000, 'a') + "\r\n.txt|notepad.exe"}};

TEST(PackageWin, AesThroughTheSystemAndBrokenPackages) {
  testing::ScratchFolder folder;
  const std::string good = MakePackage(folder, "good.dat", kProductFiles, Encryption::kAes256);
  const Result read = Read(good, kPassword);
  ASSERT_TRUE(read.ok()) << read.message;
  EXPECT_EQ(read.members[1].content, kProductFiles[1].second);

  std::string tampered = good;
  tampered[good.find("QXAdd.dat") + 9 + 40] ^= 1;  // caught by the AES authentication code
  // A wrong password shows as such, or as damage when it passes the one-byte check.
  for (const std::string& bytes :
       {tampered, MakePackage(folder, "pw.dat", kProductFiles, Encryption::kPkware, "746Rudo-")}) {
    const Result result = Read(bytes, kPassword);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.members.empty());
  }
  EXPECT_EQ(Read(tampered, kPassword).outcome, Outcome::kDamaged);
}

}  // namespace
}  // namespace tavrel::package
