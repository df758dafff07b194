// The chooser's colours in the user's theme: light (the classic look), dark (when the user's apps
// use the dark theme) or high contrast (the system's own colours, nothing of ours), and the
// contrast every row's text keeps against its background. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel {

enum class ColourTheme { kLight, kDark, kHighContrast };

// High contrast comes first; apps set to the dark theme (a value of 0) get dark; anything else,
// a missing or unreadable value included, is light.
ColourTheme ThemeFor(bool highContrast, std::optional<std::uint32_t> appsUseLightTheme);

// The system colours the light and high-contrast themes draw with.
struct SystemColours {
  std::uint32_t window = 0;
  std::uint32_t windowText = 0;
  std::uint32_t highlight = 0;
  std::uint32_t highlightText = 0;
  std::uint32_t hotlight = 0;  // hyperlinks
};

struct TextColours {
  std::uint32_t text = 0;
  std::uint32_t background = 0;
};

struct ThemeColours {
  ColourTheme theme = ColourTheme::kLight;
  std::uint32_t background = 0;  // the list's
  std::uint32_t plainText = 0;
  std::uint32_t catalogueText = 0;  // rows of programs found in the catalogue
  TextColours selected;
  // Whether the chooser draws selected rows itself; otherwise the list draws them in the
  // system's selection colours, which `selected` then holds.
  bool drawsSelection = false;
};

ThemeColours ColoursFor(ColourTheme theme, const SystemColours& system);

// The colours of a row whose candidate has rowColour (kColourBlack or kColourBlue).
TextColours RowColours(const ThemeColours& colours, std::uint32_t rowColour, bool selected);

// The WCAG 2 contrast ratio of two colours: 1 for the same luminance, 21 for black and white.
double ContrastRatio(std::uint32_t a, std::uint32_t b);

// The least contrast text keeps against its background (WCAG 2 AA, normal text).
constexpr double kMinimumContrast = 4.5;

}  // namespace tavrel
