#include "fileinfo/strings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "errors/reporting.h"
#include "fake_os.h"

namespace tavrel {
namespace {

TEST(Strings, JoinPathsPutsExactlyOneBackslashAtEachSeam) {
  EXPECT_EQ(JoinPaths(R"(C:\Data\)", R"(\QXAdd.dat)"), R"(C:\Data\QXAdd.dat)");
  EXPECT_EQ(JoinPaths("C:", "x"), R"(C:\x)");
  EXPECT_EQ(JoinPaths("\\", "\\"), "\\");
  EXPECT_EQ(JoinPaths("a", "b", {"", "c"}), R"(a\b\c)");
  // Empty parts join unchanged, and nothing else is normalised.
  EXPECT_EQ(JoinPaths("", "x"), "x");
  EXPECT_EQ(JoinPaths("a", ""), "a");
  EXPECT_EQ(JoinPaths("", "", {"x"}), "x");
  EXPECT_EQ(JoinPaths("a/", "b"), R"(a/\b)");
  EXPECT_EQ(JoinPaths(R"(a\\)", R"(\\b )"), R"(a\\\b )");
}

TEST(Strings, StripChrsRemovesListedCharactersWithoutRegardToCaseAndByCode) {
  EXPECT_EQ(StripChrs("A.b,C-d", ".,-", true, true), "AbCd");
  EXPECT_EQ(StripChrs("xXyY", "X", false, false), "yY");
  const std::string raw = "a\tb\x01 c~\x7f\xe9";
  EXPECT_EQ(StripChrs(raw, "", false, false), raw);
  EXPECT_EQ(StripChrs(raw, "", true, false), "ab c~\x7f\xe9");
  EXPECT_EQ(StripChrs(raw, "", false, true), "a\tb\x01 c~");
}

TEST(Strings, SubstEnvVarsReplacesReferencesInTheFirstWord) {
  fake_os::Scope os;
  fake_os::SetEnv("windir", R"(C:\WINDOWS)");
  fake_os::SetEnv("1", "one");
  fake_os::SetEnv("D", "X");
  fake_os::SetEnv("A", "%B%");
  fake_os::SetEnv("B", "bee");
  fake_os::SetEnv("C", "sea");
  fake_os::SetEnv("P", R"(C:\Program Files)");
  const auto depth = CallDepth();
  const std::pair<const char*, const char*> cases[] = {
      {R"(%WINDIR%\notepad.exe %1)", R"(C:\WINDOWS\notepad.exe %1)"},
      {R"(notepad.exe %windir%\a.txt)", R"(notepad.exe %windir%\a.txt)"},
      {R"(%Undefined%\x.exe)", R"(%Undefined%\x.exe)"},
      {"%1", "%1"},
      {"", ""},
      // A number between two "%" is a placeholder: the substitution stops there.
      {R"(%1%windir%\x)", R"(%1%windir%\x)"},
      // One step replaces every reference to the same variable, one after the blank as well.
      {R"(%d%\%D%\app.exe %d%)", R"(X\X\app.exe X)"},
      // An inserted value is not searched again; the scan goes on after it.
      {R"(%A%\%C%\x.exe)", R"(%B%\sea\x.exe)"},
      // An undefined name stays, and the scan resumes at its closing "%".
      {R"(%none%C%\x)", R"(%none%C%\x)"},
      {R"(%none%%C%\x)", R"(%none%sea\x)"},
      // A value holding a blank does not end the first word early.
      {R"(%P%\%C%.exe %1)", R"(C:\Program Files\sea.exe %1)"},
  };
  for (const auto& [line, expected] : cases)
    EXPECT_EQ(SubstEnvVars(line), expected) << line;
  EXPECT_EQ(CallDepth(), depth);
}

TEST(Strings, StrReplaceReplacesEveryOccurrenceButNeverTheInsertedText) {
  EXPECT_EQ(StrReplace("aXbxc", "x", "--", true), "a--b--c");
  EXPECT_EQ(StrReplace("aXbxc", "x", "--", false), "aXb--c");
  EXPECT_EQ(StrReplace("aa", "a", "aa", false), "aaaa");
  EXPECT_EQ(StrReplace("abab", "ab", "", false), "");
  EXPECT_EQ(StrReplace("abc", "", "z", false), "abc");
}

TEST(Strings, StrIsLikeAnyMatchesTheWholeTextAgainstAnyPattern) {
  const char* absolute = R"(\\||[a-zA-Z]:)";  // a network or drive prefix
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"c:", absolute, true},
      {R"(\\)", absolute, true},
      {R"(\a)", absolute, false},
      {"1:", absolute, false},
      {"Report.TXT", "*.txt", true},
      {"Report.txt.bak", "*.txt", false},
      {"aXbYbc", "a*b*c", true},
      {"aXbYb", "a*b*c", false},
      {"", "*", true},
      {"abc", "**c", true},
      {"v12", "v##", true},
      {"v1x", "v##", false},
      {"q", "?", true},
      {"", "?", false},
      {"x-", "[!0-9][-]", true},
      {"5-", "[!0-9][-]", false},
      {"B", "[a-c]", true},
      {"*", "[*]", true},
      {"b", "a||b", true},
      {"", "a||", true},
      {"a", "", false},
      // A bad pattern ends the matching quietly, even before a pattern that would match.
      {"a", "[abc", false},
      {"b", "[z-a]||b", false},
  };
  for (const auto& [text, pattern, matches] : cases)
    EXPECT_EQ(StrIsLikeAny(text, pattern), matches) << text << " like " << pattern;
  EXPECT_EQ(PendingFailure().number, 0);
}

}  // namespace
}  // namespace tavrel
