#include "ui/colour_theme.h"

#include <algorithm>
#include <cmath>

#include "ui/candidate.h"

namespace tavrel {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Dark: the background of dark-mode apps, white text, a light blue for catalogue rows and a
// deep blue behind selected rows; every pair above 7:1.
constexpr std::uint32_t kDarkBackground = 0x202020;
constexpr std::uint32_t kDarkCatalogue = 0xFFB86C;  // RGB(108, 184, 255)
constexpr std::uint32_t kDarkSelection = 0x9E5A00;  // RGB(0, 90, 158)

double Channel(std::uint32_t colour, int shift) {
  const double c = ((colour >> shift) & 0xFF) / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t colour) {
  return 0.2126 * Channel(colour, 0) + 0.7152 * Channel(colour, 8) + 0.0722 * Channel(colour, 16);
}

bool Reads(std::uint32_t text, std::uint32_t background) {
  return ContrastRatio(text, background) >= kMinimumContrast;
}

// The background moved towards black or white, whichever sets the text off more, by the least
// step that makes the text read; one of the two always does.
std::uint32_t ReadableBackground(std::uint32_t background, std::uint32_t text) {
  const std::uint32_t target = ContrastRatio(text, 0) > ContrastRatio(text, kWhite) ? 0 : kWhite;
  constexpr int kSteps = 64;
  for (int step = 1; step < kSteps; ++step) {
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int from = static_cast<int>((background >> shift) & 0xFF);
      const int to = static_cast<int>((target >> shift) & 0xFF);
      mixed |= static_cast<std::uint32_t>(from + (to - from) * step / kSteps) << shift;
    }
    if (Reads(text, mixed)) return mixed;
  }
  return target;
}

}  // namespace

ColourTheme ThemeFor(bool highContrast, std::optional<std::uint32_t> appsUseLightTheme) {
  if (highContrast) return ColourTheme::kHighContrast;
  return appsUseLightTheme == 0u ? ColourTheme::kDark : ColourTheme::kLight;
}

ThemeColours ColoursFor(ColourTheme theme, const SystemColours& system) {
  const TextColours systemSelection{system.highlightText, system.highlight};
  const bool selectionReads = Reads(system.highlightText, system.highlight);
  switch (theme) {
    case ColourTheme::kDark:
      return {theme, kDarkBackground, kWhite, kDarkCatalogue, {kWhite, kDarkSelection}, true};
    case ColourTheme::kHighContrast:
      // System colours only: a hyperlink colour that does not read gives way to the text colour,
      // a selection that does not read to the window's colours swapped.
      return {theme,
              system.window,
              system.windowText,
              Reads(system.hotlight, system.window) ? system.hotlight : system.windowText,
              selectionReads ? systemSelection : TextColours{system.window, system.windowText},
              !selectionReads};
    case ColourTheme::kLight:
      break;
  }
  // The classic colours; the system's selection is kept unless its text would not read (as
  // Windows 10's own highlight, 4.499:1), when the chooser darkens it just enough.
  return {theme,
          system.window,
          kColourBlack,
          kColourBlue,
          selectionReads ? systemSelection
                         : TextColours{system.highlightText,
                                       ReadableBackground(system.highlight, system.highlightText)},
          !selectionReads};
}

TextColours RowColours(const ThemeColours& colours, std::uint32_t rowColour, bool selected) {
  if (selected) return colours.selected;
  return {rowColour == kColourBlue ? colours.catalogueText : colours.plainText, colours.background};
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace tavrel
