#include "ui/colour_theme.h"

#include <gtest/gtest.h>

#include "ui/candidate.h"

namespace tavrel {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | g << 8 | b << 16;
}
constexpr std::uint32_t kWhite = Rgb(255, 255, 255);

// Window, window text, highlight, highlight text, hyperlink: as the systems ship them.
constexpr SystemColours kWindows10{kWhite, 0, Rgb(0, 120, 215), kWhite, Rgb(0, 102, 204)};
constexpr SystemColours kWine8{kWhite, 0, Rgb(48, 150, 250), kWhite, Rgb(224, 224, 224)};
constexpr SystemColours kClassic{kWhite, 0, Rgb(10, 36, 106), kWhite, Rgb(0, 0, 255)};
constexpr SystemColours kHcBlack{0, kWhite, Rgb(26, 235, 255), 0, Rgb(255, 255, 0)};
// A user's own scheme whose hyperlink colour (pure blue on black) and selection do not read.
constexpr SystemColours kPoor{0, kWhite, Rgb(64, 64, 64), 0, Rgb(0, 0, 255)};

struct ThemeCase {
  const char* what;
  ColourTheme theme;
  SystemColours system;
  bool drawsSelection;             // the system's selection does not read, or is not used
  bool catalogueStandsOut = true;  // false where the scheme's hyperlink colour does not read
};

class EveryTheme : public ::testing::TestWithParam<ThemeCase> {};

// Every kind of row, selected or not, reads; high contrast draws nothing but system colours.
TEST_P(EveryTheme, EveryRowReads) {
  const ThemeCase& t = GetParam();
  SCOPED_TRACE(t.what);
  const ThemeColours colours = ColoursFor(t.theme, t.system);
  const std::pair<const char*, std::uint32_t> kinds[] = {{"plain", kColourBlack},
                                                         {"catalogue", kColourBlue}};
  for (const auto& [kind, colour] : kinds) {
    for (const bool selected : {false, true}) {
      const TextColours row = RowColours(colours, colour, selected);
      EXPECT_GE(ContrastRatio(row.text, row.background), kMinimumContrast)
          << kind << (selected ? ", selected" : "");
      if (t.theme != ColourTheme::kHighContrast) continue;
      for (const std::uint32_t c : {row.text, row.background}) {
        const SystemColours& s = t.system;
        EXPECT_TRUE(c == s.window || c == s.windowText || c == s.highlight ||
                    c == s.highlightText || c == s.hotlight)
            << kind << ": " << std::hex << c;
      }
    }
  }
  EXPECT_EQ(RowColours(colours, kColourBlue, false).text != colours.plainText,
            t.catalogueStandsOut);
  EXPECT_EQ(colours.drawsSelection, t.drawsSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Themes, EveryTheme,
    ::testing::Values(
        ThemeCase{"light, Windows 10", ColourTheme::kLight, kWindows10, true},
        ThemeCase{"light, Wine 8", ColourTheme::kLight, kWine8, true},
        ThemeCase{"light, classic", ColourTheme::kLight, kClassic, false},
        ThemeCase{"dark", ColourTheme::kDark, kWindows10, true},
        ThemeCase{"high contrast black", ColourTheme::kHighContrast, kHcBlack, false},
        ThemeCase{"high contrast, Wine 8", ColourTheme::kHighContrast, kWine8, true, false},
        ThemeCase{"high contrast, poor", ColourTheme::kHighContrast, kPoor, true, false}));

TEST(ColourTheme, LightKeepsTheClassicColoursAndASelectionThatReads) {
  for (const SystemColours& s : {kClassic, kWindows10, kWine8}) {
    const ThemeColours c = ColoursFor(ColourTheme::kLight, s);
    EXPECT_EQ(std::make_tuple(c.background, c.plainText, c.catalogueText, c.selected.text),
              std::make_tuple(s.window, kColourBlack, kColourBlue, s.highlightText));
  }
  EXPECT_EQ(ColoursFor(ColourTheme::kLight, kClassic).selected.background, kClassic.highlight);
  // Windows 10's highlight gives its white text 4.499:1, Wine 8's 3.2:1: the chooser draws the
  // selection itself, Windows 10's a shade darker.
  const ThemeColours windows = ColoursFor(ColourTheme::kLight, kWindows10);
  EXPECT_NE(windows.selected.background, kWindows10.highlight);
  EXPECT_LT(ContrastRatio(windows.selected.background, kWindows10.highlight), 1.05);
}

// Only a DWORD of 0 means dark; the Windows tests read it from the registry.
TEST(ColourTheme, ThemeFromTheDesktop) {
  EXPECT_EQ(ThemeFor(false, 2), ColourTheme::kLight);
  EXPECT_EQ(ThemeFor(true, 0), ColourTheme::kHighContrast);
}

TEST(ColourTheme, ContrastRatio) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, 0), 21);
  EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(1, 2, 3), Rgb(1, 2, 3)), 1);
  EXPECT_NEAR(ContrastRatio(kColourBlue, 0), 2.44, 0.01);  // blue on a black background
  EXPECT_NEAR(ContrastRatio(kWindows10.highlight, kWhite), 4.499, 0.001);
}

}  // namespace
}  // namespace tavrel
