#include "fileinfo/strings.h"

#include <gtest/gtest.h>

#include "errors/reporting.h"
#include "fake_os.h"

namespace tavrel {
namespace {

TEST(JoinPaths, PutsExactlyOneBackslashAtEachSeam) {
  EXPECT_EQ(JoinPaths(R"(C:\Data\)", R"(\QXAdd.dat)"), R"(C:\Data\QXAdd.dat)");
  EXPECT_EQ(JoinPaths("C:", "x"), R"(C:\x)");
  EXPECT_EQ(JoinPaths("C:", R"(\x)"), R"(C:\x)");
  EXPECT_EQ(JoinPaths("\\", "\\"), "\\");
  EXPECT_EQ(JoinPaths("a", "b", {"c"}), R"(a\b\c)");
  // Empty parts join unchanged, and nothing else is normalised.
  EXPECT_EQ(JoinPaths("", "x"), "x");
  EXPECT_EQ(JoinPaths("a", ""), "a");
  EXPECT_EQ(JoinPaths("", "", {"x"}), "x");
  EXPECT_EQ(JoinPaths("a", "b", {"", "c"}), R"(a\b\c)");
  EXPECT_EQ(JoinPaths("a/", "b"), R"(a/\b)");
  EXPECT_EQ(JoinPaths(R"(a\\)", R"(\\b )"), R"(a\\\b )");
}

TEST(StripChrs, RemovesListedCharactersWithoutRegardToCaseAndByCode) {
  EXPECT_EQ(StripChrs("A.b,C-d", ".,-", true, true), "AbCd");
  EXPECT_EQ(StripChrs("xXyY", "X", false, false), "yY");
  EXPECT_EQ(StripChrs("a.b", "", false, false), "a.b");
  const std::string raw = "a\tb\x01 c~\x7f\xe9";
  EXPECT_EQ(StripChrs(raw, "", true, false), "ab c~\x7f\xe9");
  EXPECT_EQ(StripChrs(raw, "", false, true), "a\tb\x01 c~");
  EXPECT_EQ(StripChrs(raw, "", true, true), "ab c~");
}

TEST(StrWrap, BreaksBeforeAWordThatWouldPassTheWidth) {
  EXPECT_EQ(StrWrap("aaa bbb ccc", 10), "aaa bbb \r\nccc ");
  // Exactly at the width still fits.
  EXPECT_EQ(StrWrap("aaaa bbbbb", 10), "aaaa bbbbb ");
  // A line after a break also counts the blank behind its first word.
  EXPECT_EQ(StrWrap("aaaaaaa bb cccccc d", 9), "aaaaaaa \r\nbb \r\ncccccc d ");
  // Long words, empty words and line breaks of the text's own.
  EXPECT_EQ(StrWrap("", 10), "");
  EXPECT_EQ(StrWrap("abcdefghijkl x", 5), "abcdefghijkl \r\nx ");
  EXPECT_EQ(StrWrap("a  b", 10), "a  b ");
  // A word holding its own line break restarts the count from the break.
  EXPECT_EQ(StrWrap("Error:\r\nabc defg hi", 10), "Error:\r\nabc defg \r\nhi ");
}

class SubstEnvVarsTest : public ::testing::Test {
 protected:
  fake_os::Scope os_;
};

TEST_F(SubstEnvVarsTest, ReplacesReferencesInTheFirstWordOnly) {
  fake_os::SetEnv("windir", R"(C:\WINDOWS)");
  EXPECT_EQ(SubstEnvVars(R"(%WINDIR%\notepad.exe %1)"), R"(C:\WINDOWS\notepad.exe %1)");
  EXPECT_EQ(SubstEnvVars(R"(notepad.exe %windir%\a.txt)"), R"(notepad.exe %windir%\a.txt)");
  EXPECT_EQ(SubstEnvVars(R"(%Undefined%\x.exe)"), R"(%Undefined%\x.exe)");
  EXPECT_EQ(SubstEnvVars("%1"), "%1");
  // A number between two "%" is a placeholder: the substitution stops there.
  fake_os::SetEnv("1", "one");
  EXPECT_EQ(SubstEnvVars(R"(%1%windir%\x)"), R"(%1%windir%\x)");
  EXPECT_EQ(SubstEnvVars(""), "");
}

TEST_F(SubstEnvVarsTest, OneStepReplacesEveryReferenceToTheSameVariable) {
  fake_os::SetEnv("D", "X");
  // Both references in the first word go at once, and so does one after the first blank.
  EXPECT_EQ(SubstEnvVars(R"(%d%\%D%\app.exe %d%)"), R"(X\X\app.exe X)");
}

TEST_F(SubstEnvVarsTest, ScanGoesOnAfterTheInsertedValue) {
  fake_os::SetEnv("A", "%B%");
  fake_os::SetEnv("B", "bee");
  fake_os::SetEnv("C", "sea");
  // The value of A is not searched again; C after it still is.
  EXPECT_EQ(SubstEnvVars(R"(%A%\%C%\x.exe)"), R"(%B%\sea\x.exe)");
  // An undefined name stays, and the scan resumes at its closing "%".
  EXPECT_EQ(SubstEnvVars(R"(%none%C%\x)"), R"(%none%C%\x)");
  EXPECT_EQ(SubstEnvVars(R"(%none%%C%\x)"), R"(%none%sea\x)");
  // A value holding a blank does not end the first word early.
  fake_os::SetEnv("P", R"(C:\Program Files)");
  EXPECT_EQ(SubstEnvVars(R"(%P%\%C%.exe %1)"), R"(C:\Program Files\sea.exe %1)");
}

TEST_F(SubstEnvVarsTest, KeepsTheCallDepth) {
  fake_os::SetEnv("A", "x");
  const auto before = CallDepth();
  SubstEnvVars("%A%");
  EXPECT_EQ(CallDepth(), before);
}

TEST(StrReplace, ReplacesEveryOccurrenceButNeverTheInsertedText) {
  EXPECT_EQ(StrReplace("aXbxc", "x", "--", true), "a--b--c");
  EXPECT_EQ(StrReplace("aXbxc", "x", "--", false), "aXb--c");
  EXPECT_EQ(StrReplace("aa", "a", "aa", false), "aaaa");
  EXPECT_EQ(StrReplace("abab", "ab", "", false), "");
  EXPECT_EQ(StrReplace("abc", "", "z", false), "abc");
}

TEST(StrIsLikeAny, NetworkOrDrivePrefix) {
  const char* absolute = R"(\\||[a-zA-Z]:)";
  EXPECT_TRUE(StrIsLikeAny("c:", absolute));
  EXPECT_TRUE(StrIsLikeAny("Z:", absolute));
  EXPECT_TRUE(StrIsLikeAny(R"(\\)", absolute));
  EXPECT_FALSE(StrIsLikeAny("ab", absolute));
  EXPECT_FALSE(StrIsLikeAny(R"(\a)", absolute));
  EXPECT_FALSE(StrIsLikeAny("1:", absolute));
}

TEST(StrIsLikeAny, WildcardsMatchTheWholeTextWithoutRegardToCase) {
  EXPECT_TRUE(StrIsLikeAny("Report.TXT", "*.txt"));
  EXPECT_FALSE(StrIsLikeAny("Report.txt.bak", "*.txt"));
  EXPECT_TRUE(StrIsLikeAny("aXbYbc", "a*b*c"));
  EXPECT_FALSE(StrIsLikeAny("aXbYb", "a*b*c"));
  EXPECT_TRUE(StrIsLikeAny("", "*"));
  EXPECT_TRUE(StrIsLikeAny("abc", "**c"));
  EXPECT_TRUE(StrIsLikeAny("v12", "v##"));
  EXPECT_FALSE(StrIsLikeAny("v1x", "v##"));
  EXPECT_TRUE(StrIsLikeAny("q", "?"));
  EXPECT_FALSE(StrIsLikeAny("", "?"));
  EXPECT_TRUE(StrIsLikeAny("x-", "[!0-9][-]"));
  EXPECT_FALSE(StrIsLikeAny("5-", "[!0-9][-]"));
  EXPECT_TRUE(StrIsLikeAny("B", "[a-c]"));
  EXPECT_TRUE(StrIsLikeAny("*", "[*]"));
}

TEST(StrIsLikeAny, TriesEachPatternAndFailsQuietlyOnBadOnes) {
  EXPECT_TRUE(StrIsLikeAny("b", "a||b"));
  EXPECT_TRUE(StrIsLikeAny("", "a||"));
  EXPECT_FALSE(StrIsLikeAny("a", ""));
  EXPECT_FALSE(StrIsLikeAny("a", "[abc"));
  EXPECT_FALSE(StrIsLikeAny("b", "[z-a]||b"));
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
