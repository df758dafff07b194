#include "ui/chooser_layout.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(ChooserLayout, TheNameColumnGivesWayFirst) {
  struct Case {
    const char* what;
    ColumnWidths wanted;
    int available;
    ColumnWidths fitted;
  } cases[] = {
      {"fits exactly: kept", {300, 100}, 400, {300, 100}},
      {"one pixel short: the name narrows", {300, 100}, 399, {299, 100}},
      {"a long name: only the name narrows", {30000, 180}, 1000, {820, 180}},
      {"the version alone is wider: the name keeps its minimum", {600, 2000}, 500, {80, 420}},
      {"a short name is not widened", {50, 2000}, 500, {50, 450}},
      {"less room than the name's minimum", {600, 100}, 50, {50, 0}},
      {"no room", {600, 100}, -10, {0, 0}},
  };
  for (const Case& c : cases) {
    const ColumnWidths w = FitColumns(c.wanted, c.available, 80);
    EXPECT_EQ(w.name, c.fitted.name) << c.what;
    EXPECT_EQ(w.version, c.fitted.version) << c.what;
  }
}

// Every character is 10 pixels wide; the mark is 5 characters.
TEST(ChooserLayout, AVersionTooWideIsCutInFrontOfTheMark) {
  const auto widthOf = [](const std::wstring& text) { return static_cast<int>(text.size()) * 10; };
  struct Case {
    const wchar_t* text;
    int width;
    const wchar_t* shown;
  } cases[] = {
      {L"1.2.3  [M]", 0, L"1.2.3  [M]"},       // no limit
      {L"1.2.3  [M]", 100, L"1.2.3  [M]"},     // fits exactly
      {L"1.2.3  [M]", 99, L"1.2\x2026  [M]"},  // one pixel short
      {L"123456", 40, L"123\x2026"},           // no mark
      {L"123  [M]", 20, L"\x2026  [M]"},       // not even the mark fits: it stays whole
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShortenDetail(c.text, L"  [M]", c.width, widthOf), c.shown) << c.width;
}

}  // namespace
}  // namespace tavrel
