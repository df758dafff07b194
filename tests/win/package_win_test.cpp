// Real and hostile data packages on a Windows file system: Windows paths and device names, and
// AES through the system's cryptography.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/package.h"
#include "data/package_writer.h"
#include "scratch.h"

namespace tavrel::package {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;
namespace fs = std::filesystem;

const Members kProductFiles = {{"QXcat.xml", "<c/>"},
                               {"QXAdd.dat", std::string(5000, 'a') + "\r\n.txt|notepad.exe"}};

void MakePackage(const std::string& path, const Members& members,
                 Encryption encryption = Encryption::kPkware,
                 std::string_view password = kPassword) {
  PackageWriter writer(path, encryption, password);
  for (const auto& [name, content] : members)
    ASSERT_TRUE(writer.AddBytes(name, content));
  ASSERT_TRUE(writer.Close()) << writer.Error();
}

std::size_t FilesIn(const std::string& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

TEST(PackageWin, HostileMembersAreNotWritten) {
  wintest::ScratchFolder folder;
  fs::create_directories(folder / "work\\ZV");
  MakePackage(folder / "p.dat", {{"..\\up.dat", "x"},
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
                                 {"nested\\deeper\\QXAdd.dat", "flat"}});
  const Result result = Extract(folder / "p.dat", folder / "work\\ZV");
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.written, std::vector<std::string>{"QXAdd.dat"});
  EXPECT_EQ(result.skipped.size(), 12u);
  EXPECT_EQ(folder.Read("work\\ZV\\QXAdd.dat"), "flat");
  EXPECT_EQ(FilesIn(folder / "work\\ZV"), 1u);
  EXPECT_EQ(FilesIn(folder / "work"), 1u);
  EXPECT_FALSE(fs::exists("C:\\Windows\\evil.dat"));
}

TEST(PackageWin, BrokenPackagesWriteNothingAndStayAsTheyWere) {
  wintest::ScratchFolder folder;
  fs::create_directory(folder / "out");
  // AES goes through the system's cryptography.
  MakePackage(folder / "good.dat", kProductFiles, Encryption::kAes256);
  ASSERT_TRUE(Extract(folder / "good.dat", folder / "out").ok());
  EXPECT_EQ(folder.Read("out\\QXAdd.dat"), kProductFiles[1].second);
  std::filesystem::remove(folder / "out\\QXAdd.dat");
  std::filesystem::remove(folder / "out\\QXcat.xml");
  const std::string good = folder.Read("good.dat");
  folder.Write("truncated.dat", good.substr(0, good.size() - 30));
  std::string tampered = good;
  tampered[good.find("QXAdd.dat") + 9 + 40] ^= 1;  // caught by the AES authentication code
  folder.Write("tampered.dat", tampered);
  MakePackage(folder / "otherpw.dat", kProductFiles, Encryption::kPkware, "746Rudo-");
  Members many;
  for (int i = 0; i < 4097; ++i)
    many.push_back({std::to_string(i), ""});
  MakePackage(folder / "many.dat", many, Encryption::kNone);

  for (const char* name :
       {"truncated.dat", "tampered.dat", "otherpw.dat", "many.dat", "missing.dat"}) {
    const std::string before = folder.Read(name);
    EXPECT_FALSE(Extract(folder / name, folder / "out").ok()) << name;
    EXPECT_EQ(FilesIn(folder / "out"), 0u) << name;
    EXPECT_EQ(folder.Read(name), before) << name;
  }
  EXPECT_EQ(Extract(folder / "many.dat", folder / "out").outcome, Outcome::kTooManyMembers);
}

}  // namespace
}  // namespace tavrel::package
