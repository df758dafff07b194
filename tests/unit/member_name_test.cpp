#include "data/member_name.h"

#include <gtest/gtest.h>

namespace tavrel::package {
namespace {

TEST(MemberName, FolderMembersAreFlattenedAndUnsafeNamesSkipped) {
  const std::string longest(kMaxMemberNameLength, 'x');
  for (const std::string& name :
       std::vector<std::string>{"QXAdd.dat", ".hidden", "CONSOLE.txt", "COM10", longest})
    EXPECT_EQ(ExtractedName(name), name);  // only whole device names count
  EXPECT_EQ(ExtractedName("data/QXma.xml"), "QXma.xml");
  EXPECT_EQ(ExtractedName("a\\b\\QXDel.dat"), "QXDel.dat");
  EXPECT_EQ(ExtractedName("./QXcat.xml"), "QXcat.xml");

  // clang-format off
  const char* const skipped[] = {
      "", "../QXAdd.dat", "a/../../x.dat", "..", "..\\x.dat", "/etc/passwd", "\\x.dat",
      "\\\\srv\\share\\x.dat", "C:x.dat", "c:\\x.dat", "dir/", "dir\\", ".", "CON", "nul.dat",
      "Com1.txt", "LPT9", "COM0", "lpt0.txt", "aux .dat", "CONIN$", "a<b.dat", "a>b", "a:b",
      "a\"b", "a|b", "a?b", "a*b", "a\tb", "x.dat.", "x.dat ", "caf\xC3\xA9.dat"};
  // clang-format on
  EXPECT_EQ(ExtractedName(longest + "x"), std::nullopt);
  for (const std::string name : skipped) {
    std::string reason;
    EXPECT_EQ(ExtractedName(name, &reason), std::nullopt) << '"' << name << '"';
    EXPECT_FALSE(reason.empty()) << name;
  }
}

}  // namespace
}  // namespace tavrel::package
