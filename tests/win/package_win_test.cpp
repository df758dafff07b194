// The data package's bounds where they matter: a Windows file system, Windows device names, and
// AES through the system's cryptography.
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/scratch_folder.h"
#include "data/package.h"
#include "data/package_writer.h"

namespace tavrel::package {
namespace {

using testing::ScratchFolder;
using Members = std::vector<std::pair<std::string, std::string>>;

void MakePackage(const std::string& path, const Members& members,
                 Encryption encryption = Encryption::kPkware,
                 std::string_view password = kPassword) {
  PackageWriter writer(path, encryption, password);
  for (const auto& [name, content] : members)
    ASSERT_TRUE(writer.AddBytes(name, content));
  ASSERT_TRUE(writer.Close()) << writer.Error();
}

std::size_t FilesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator{}));
}

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXma.xml", "<Programs><Alias Company='x'/></Programs>"},
                               {"QXAdd.dat", std::string(5000, 'a') + "\r\n.txt|notepad.exe"}};

TEST(PackageWin, BothEncryptionsRoundTripThroughTheSystemsCryptography) {
  for (const Encryption encryption : {Encryption::kPkware, Encryption::kAes256}) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "out");
    MakePackage(folder / "p.dat", kProductFiles, encryption);
    const Result result = Extract(folder / "p.dat", folder / "out");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(folder.Read("out\\QXAdd.dat"), kProductFiles[2].second);
    EXPECT_EQ(Extract(folder / "p.dat", folder / "out", "746rudo+").outcome == Outcome::kOk, false);
  }
}

TEST(PackageWin, NamesThatWouldLeaveTheFolderOrReachADeviceAreNotWritten) {
  ScratchFolder folder;
  std::filesystem::create_directories(folder / "work\\ZV");
  MakePackage(folder / "p.dat", {{"..\\up.dat", "x"},
                                 {"../up2.dat", "x"},
                                 {"C:\\Windows\\evil.dat", "x"},
                                 {"C:evil.dat", "x"},
                                 {"\\\\server\\share\\evil.dat", "x"},
                                 {"CON", "x"},
                                 {"nul.dat", "x"},
                                 {"COM1.xml", "x"},
                                 {"QXAdd.dat:hidden", "x"},
                                 {"a?b.dat", "x"},
                                 {"trail.dat.", "x"},
                                 {"nested\\deeper\\QXAdd.dat", "flat"}});
  const Result result = Extract(folder / "p.dat", folder / "work\\ZV");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.written, std::vector<std::string>{"QXAdd.dat"});
  EXPECT_EQ(result.skipped.size(), 11u);
  EXPECT_EQ(folder.Read("work\\ZV\\QXAdd.dat"), "flat");
  EXPECT_EQ(FilesIn(folder / "work\\ZV"), 1u);
  EXPECT_EQ(FilesIn(folder / "work"), 1u);
  EXPECT_FALSE(std::filesystem::exists("C:\\Windows\\evil.dat"));
}

TEST(PackageWin, BombsAndOversizedPackagesAreBounded) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "bomb.dat", {{"bomb.dat", std::string((64u << 20) + 1, '\0')},
                                    {"ratio.dat", std::string(2u << 20, 'z')},
                                    {"QXcat.xml", "<c/>"}});
  Result result = Extract(folder / "bomb.dat", folder / "out");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.written, std::vector<std::string>{"QXcat.xml"});
  ASSERT_EQ(result.skipped.size(), 2u);

  Members many;
  for (int i = 0; i < 4097; ++i)
    many.push_back({std::to_string(i), ""});
  MakePackage(folder / "many.dat", many, Encryption::kNone);
  result = Extract(folder / "many.dat", folder / "out");
  EXPECT_EQ(result.outcome, Outcome::kTooManyMembers);
}

TEST(PackageWin, DamagedOrForeignPackagesLeaveTheFolderEmptyAndThePackageAsItWas) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder / "out");
  MakePackage(folder / "good.dat", kProductFiles, Encryption::kAes256);
  const std::string good = folder.Read("good.dat");
  folder.Write("truncated.dat", good.substr(0, good.size() - 30));
  std::string tampered = good;
  tampered[good.find("QXAdd.dat") + 9 + 40] ^= 1;  // caught by the AES authentication code
  folder.Write("tampered.dat", tampered);
  MakePackage(folder / "otherpw.dat", kProductFiles, Encryption::kPkware, "746Rudo-");
  for (const char* name : {"truncated.dat", "tampered.dat", "otherpw.dat", "missing.dat"}) {
    const std::string before = folder.Has(name) ? folder.Read(name) : "";
    const Result result = Extract(folder / name, folder / "out");
    EXPECT_FALSE(result.ok()) << name;
    EXPECT_EQ(FilesIn(folder / "out"), 0u) << name;
    if (folder.Has(name)) {
      EXPECT_EQ(folder.Read(name), before) << name;
    }
  }
}

}  // namespace
}  // namespace tavrel::package
