#include "data/member_name.h"

#include <gtest/gtest.h>

namespace tavrel::package {
namespace {

TEST(MemberName, PlainNamesAndFolderMembersAreExtractedUnderTheirBaseName) {
  EXPECT_EQ(ExtractedName("QXAdd.dat"), "QXAdd.dat");
  EXPECT_EQ(ExtractedName("data/QXma.xml"), "QXma.xml");
  EXPECT_EQ(ExtractedName("a\\b\\QXDel.dat"), "QXDel.dat");
  EXPECT_EQ(ExtractedName("./QXcat.xml"), "QXcat.xml");
  EXPECT_EQ(ExtractedName("CONSOLE.txt"), "CONSOLE.txt");  // only whole device names count
  EXPECT_EQ(ExtractedName("COM10"), "COM10");
  EXPECT_EQ(ExtractedName(".hidden"), ".hidden");
}

TEST(MemberName, NamesThatCouldLeaveTheFolderOrAliasADeviceAreSkipped) {
  const char* const skipped[] = {
      "",
      "../QXAdd.dat",
      "a/../../x.dat",
      "..",
      "..\\x.dat",
      "/etc/passwd",
      "\\x.dat",
      "\\\\srv\\share\\x.dat",
      "C:x.dat",
      "c:\\x.dat",
      "dir/",
      "dir\\",
      ".",
      "CON",
      "nul.dat",
      "Com1.txt",
      "LPT9",
      "aux .dat",
      "CONIN$",
      "a<b.dat",
      "a>b",
      "a:b",
      "a\"b",
      "a|b",
      "a?b",
      "a*b",
      "a\tb",
      "x.dat.",
      "x.dat ",
      "caf\xC3\xA9.dat",
  };
  for (const char* name : skipped) {
    std::string reason;
    EXPECT_EQ(ExtractedName(name, &reason), std::nullopt) << '"' << name << '"';
    EXPECT_FALSE(reason.empty()) << name;
  }
  EXPECT_EQ(ExtractedName(std::string(kMaxMemberNameLength + 1, 'x')), std::nullopt);
  EXPECT_EQ(ExtractedName(std::string(kMaxMemberNameLength, 'x')),
            std::string(kMaxMemberNameLength, 'x'));
}

}  // namespace
}  // namespace tavrel::package
