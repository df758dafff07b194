#include "data/member_name.h"

#include <gtest/gtest.h>

namespace tavrel::package {
namespace {

TEST(MemberName, FolderMembersAreExtractedUnderTheirBaseName) {
  const std::pair<std::string, std::string> kept[] = {
      {"QXAdd.dat", "QXAdd.dat"},
      {"data/QXma.xml", "QXma.xml"},
      {"a\\b\\QXDel.dat", "QXDel.dat"},
      {"./QXcat.xml", "QXcat.xml"},
      {"CONSOLE.txt", "CONSOLE.txt"},
      {"COM10", "COM10"},  // only whole device names count
      {".hidden", ".hidden"},
      {std::string(kMaxMemberNameLength, 'x'), std::string(kMaxMemberNameLength, 'x')}};
  for (const auto& [name, extracted] : kept)
    EXPECT_EQ(ExtractedName(name), extracted);
}

TEST(MemberName, NamesThatCouldLeaveTheFolderOrAliasADeviceAreSkipped) {
  const std::string skipped[] = {"",
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
                                 std::string(kMaxMemberNameLength + 1, 'x')};
  for (const auto& name : skipped) {
    std::string reason;
    EXPECT_EQ(ExtractedName(name, &reason), std::nullopt) << '"' << name << '"';
    EXPECT_FALSE(reason.empty()) << name;
  }
}

}  // namespace
}  // namespace tavrel::package
