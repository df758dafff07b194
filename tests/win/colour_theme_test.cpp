// The theme as read from the user's registry: only a DWORD of 0 means dark.
#include "ui/colour_theme_win.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel {
namespace {

constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr wchar_t kValue[] = L"AppsUseLightTheme";

TEST(ColourThemeWin, OnlyADwordOfZeroMeansDark) {
  const DWORD zero = 0;
  const DWORD one = 1;
  const std::wstring text = L"0";
  const struct {
    DWORD type;
    const void* data;
    DWORD size;
    ColourTheme theme;
  } cases[] = {
      {REG_DWORD, &zero, sizeof zero, ColourTheme::kDark},
      {REG_DWORD, &one, sizeof one, ColourTheme::kLight},
      {REG_SZ, text.c_str(), 4, ColourTheme::kLight},
      {REG_BINARY, &zero, sizeof zero, ColourTheme::kLight},
      {REG_QWORD, "\0\0\0\0\0\0\0", 8, ColourTheme::kLight},
      {REG_NONE, nullptr, 0, ColourTheme::kLight},  // no value at all
  };
  for (const auto& c : cases) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    if (c.data) {
      ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, c.type, c.data, c.size),
                ERROR_SUCCESS);
    }
    EXPECT_EQ(ReadColourTheme(false), c.theme) << "type " << c.type;
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
}

}  // namespace
}  // namespace tavrel
