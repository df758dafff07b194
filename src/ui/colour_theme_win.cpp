#include "ui/colour_theme_win.h"

#include "os/handles_win.h"

namespace tavrel {
namespace {

// Only a DWORD counts: a value that is missing, of another type or unreadable means light.
std::optional<std::uint32_t> AppsUseLightTheme() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER,
                   L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                   L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::uint32_t SystemColour(int index) {
  return static_cast<std::uint32_t>(GetSysColor(index));
}

using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// Windows 10 2004 and later know the attribute as 20, builds from 1809 as 19.
constexpr DWORD kDarkModeAttribute = 20;
constexpr DWORD kDarkModeAttributeBefore2004 = 19;

// A dark title bar, or the usual one again; a system without dark title bars keeps its own.
void UseDarkTitleBar(HWND window, bool dark) {
  // Loaded on first use: systems before Vista have no dwmapi, and Wine may lack the call.
  static const ModuleHandle dwmapi(
      LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  static const auto setAttribute =
      dwmapi ? reinterpret_cast<SetAttributeFn>(
                   reinterpret_cast<void*>(GetProcAddress(dwmapi.get(), "DwmSetWindowAttribute")))
             : nullptr;
  if (!setAttribute) return;
  const BOOL value = dark ? TRUE : FALSE;
  if (FAILED(setAttribute(window, kDarkModeAttribute, &value, sizeof value)))
    setAttribute(window, kDarkModeAttributeBefore2004, &value, sizeof value);
}

}  // namespace

bool SystemHighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

ColourTheme ReadColourTheme(bool highContrast) {
  return ThemeFor(highContrast, AppsUseLightTheme());
}

SystemColours ReadSystemColours() {
  return {SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_HIGHLIGHT),
          SystemColour(COLOR_HIGHLIGHTTEXT), SystemColour(COLOR_HOTLIGHT)};
}

bool IsColourChange(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOLORCHANGE) return true;
  if (message != WM_SETTINGCHANGE) return false;
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return wParam == SPI_SETHIGHCONTRAST || (area && lstrcmpiW(area, L"ImmersiveColorSet") == 0);
}

ListColours ListColoursOf(HWND list) {
  return {static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)),
          static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0)),
          static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0))};
}

void ShowTheme(HWND frame, HWND list, const ThemeColours& colours, const ListColours& own,
               bool darkTitleShown) {
  // A title bar already as wanted is left alone: the usual one needs neither dwmapi nor a call.
  const bool dark = colours.theme == ColourTheme::kDark;
  if (dark != darkTitleShown) UseDarkTitleBar(frame, dark);
  const ListColours themed =
      colours.theme == ColourTheme::kLight
          ? own
          : ListColours{colours.background, colours.background, colours.plainText};
  SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(themed.background));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(themed.textBackground));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(themed.text));
  InvalidateRect(list, nullptr, TRUE);
}

void ColourRow(NMLVCUSTOMDRAW& draw, const ThemeColours& colours, std::uint32_t rowColour) {
  draw.clrText = RowColours(colours, rowColour, false).text;
  // Unmarked as selected, the row is drawn in the colours given here, not the system's.
  if ((draw.nmcd.uItemState & CDIS_SELECTED) && colours.drawsSelection) {
    draw.nmcd.uItemState &= ~CDIS_SELECTED;
    draw.clrText = colours.selected.text;
    draw.clrTextBk = colours.selected.background;
  }
}

}  // namespace tavrel
