// The desktop's colour theme and system colours as the chooser reads them, and its title bar.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/colour_theme.h"

namespace tavrel {

// Whether the system's high-contrast mode is on.
bool SystemHighContrast();

// High contrast when it is on, else the theme the user's apps are set to.
ColourTheme ReadColourTheme(bool highContrast);

SystemColours ReadSystemColours();

// Whether a message to a top-level (Unicode) window says the theme or the system colours may have
// changed: a new colour set or high-contrast setting, or new system colours.
bool IsColourChange(UINT message, WPARAM wParam, LPARAM lParam);

// A list view's background, text background and text colours.
struct ListColours {
  COLORREF background = 0;
  COLORREF textBackground = 0;
  COLORREF text = 0;
};
ListColours ListColoursOf(HWND list);

// Shows the theme on the chooser: its title bar (darkTitleShown: whether it is dark now; a new
// window's is not) and its list's colours, which in the light theme are the list's own (the ones
// it was made with).
void ShowTheme(HWND frame, HWND list, const ThemeColours& colours, const ListColours& own,
               bool darkTitleShown);

// Gives a row its theme's colours as the list draws it (custom draw, item pre-paint stage).
void ColourRow(NMLVCUSTOMDRAW& draw, const ThemeColours& colours, std::uint32_t rowColour);

}  // namespace tavrel
