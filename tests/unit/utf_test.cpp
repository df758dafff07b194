#include "base/utf.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(Utf, RoundTripsEveryPlaneAndMarksLoneSurrogates) {
  for (const std::u16string& text : {std::u16string(u"Отчёт 会議 🎉.txt"), std::u16string(u"a.txt"),
                                     std::u16string(), std::u16string(u"Σημειώσεις \U0010FFFF")}) {
    EXPECT_TRUE(utf::IsValidUtf16(text));
    EXPECT_EQ(utf::Utf16FromUtf8(utf::Utf8FromUtf16(text)), text);
  }
  EXPECT_EQ(utf::Utf8FromUtf16(u"Отчёт 🎉"), "Отчёт 🎉");
  // A high surrogate at the end or before a non-surrogate, and a low one alone, become U+FFFD.
  const std::pair<std::u16string, std::string> lone[] = {{u"a\xD83D", "a\uFFFD"},
                                                         {u"\xD83D"
                                                          u"b",
                                                          "\uFFFDb"},
                                                         {u"\xDE89\xD83D", "\uFFFD\uFFFD"}};
  for (const auto& [text, utf8] : lone) {
    EXPECT_FALSE(utf::IsValidUtf16(text));
    EXPECT_EQ(utf::Utf8FromUtf16(text), utf8);
  }
}

TEST(Utf, BytesThatStartNoValidSequenceBecomeReplacementCharacters) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"M\xFCller", u"M\uFFFDller"},                      // a Windows-1252 byte
      {"\xC3", u"\uFFFD"},                                // cut short
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // longer than needed
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
  };
  for (const auto& [utf8, utf16] : cases)
    EXPECT_EQ(utf::Utf16FromUtf8(utf8), utf16) << ::testing::PrintToString(utf8);
}

}  // namespace
}  // namespace tavrel
