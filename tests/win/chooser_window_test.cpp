// The chooser window under Wine: rows, fitting, picking by key and cancelling by closing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>

#include "ui/chooser_window.h"
#include "ui/list_fitting_win.h"

namespace tavrel {
namespace {

HWND FindChooser() {
  return FindWindowA("frmList", nullptr);
}

HWND ListOf(HWND frame) {
  return FindWindowExA(frame, nullptr, WC_LISTVIEWA, nullptr);
}

void PumpWhileLoaded(int maxMilliseconds = 3000) {
  const DWORD start = GetTickCount();
  while (ChooserIsLoaded() && GetTickCount() - start < static_cast<DWORD>(maxMilliseconds)) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

// Rows whose programs alternate between one that exists, one that is missing and none at all.
void PumpFor(int milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

void AddRows(ChooserWindow& chooser, int rows, const std::string& name = "A rather long product") {
  chooser.Clear();
  const char* programs[] = {"C:\\windows\\notepad.exe", "C:\\missing\\gone.exe", ""};
  for (int i = 0; i < rows; ++i) {
    Candidate row;
    row.rowId = i;
    row.key = "k" + std::to_string(i);
    row.text = "Company " + std::to_string(i) + " - " + name;
    row.detail = "1.2." + std::to_string(i) + "    [Windows Default]";
    row.program = programs[i % 3];
    chooser.Add(row);
  }
}

int TextWidth(HWND list, int item, int subItem) {
  char text[1024] = {};
  LVITEMA query{};
  query.iSubItem = subItem;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&query));
  return static_cast<int>(
      SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

// The width a cell gives its text: the label after the icon, or the whole sub-item.
int CellWidth(HWND list, int item, int subItem) {
  RECT r{};
  r.top = subItem;
  r.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
  return r.right - r.left;
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

class ChooserWindowTest : public ::testing::Test {
 protected:
  // Windows maps ".exe" to "exefile", whose icon is the program's own; a fresh Wine prefix lacks
  // the mapping and gives every program the generic icon.
  static void SetUpTestSuite() {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L".exe", nullptr, REG_SZ, L"exefile", sizeof L"exefile");
  }
  void TearDown() override {
    if (HWND frame = FindChooser()) DestroyWindow(frame);
    PumpWhileLoaded(200);
    EXPECT_FALSE(ChooserIsLoaded());
  }
};

TEST_F(ChooserWindowTest, OneInstanceLoadedHiddenWithCaptionAndRows) {
  ChooserWindow& chooser = Chooser();
  EXPECT_EQ(&chooser, &Chooser());
  chooser.SetCaption("  [.txt] - Tavrel Ferrule Choices ");
  AddRows(chooser, 3);
  EXPECT_EQ(chooser.Count(), 3);
  HWND frame = FindChooser();
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(IsWindowVisible(frame));
  char caption[100] = {};
  GetWindowTextA(frame, caption, sizeof(caption));
  EXPECT_STREQ(caption, "  [.txt] - Tavrel Ferrule Choices ");
  AddRows(chooser, 2);  // rows of an earlier request are cleared
  EXPECT_EQ(chooser.Count(), 2);
}

TEST_F(ChooserWindowTest, FitShowsEveryRowAndKeepsTheWindowOnScreen) {
  ChooserWindow& chooser = Chooser();
  AddRows(chooser, 5);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = FindChooser();
  HWND list = ListOf(frame);
  RECT item{};
  item.left = LVIR_SELECTBOUNDS;
  ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item)));
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_LE(item.bottom, client.bottom) << "the last row must be visible without scrolling";
  EXPECT_LT(client.bottom - item.bottom, item.bottom - item.top) << "no empty space below the rows";
  RECT listRect{};
  RECT frameClient{};
  GetWindowRect(list, &listRect);
  GetClientRect(frame, &frameClient);
  EXPECT_LE(listRect.right - listRect.left, frameClient.right) << "the list must not be clipped";
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  EXPECT_GE(frameRect.left, 0);
  EXPECT_GE(frameRect.top, 0);
  EXPECT_LE(frameRect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_LE(frameRect.bottom, GetSystemMetrics(SM_CYSCREEN));

  // Every row has an icon, the generic one for a missing program or none, and room for it and
  // for its whole texts. The programs' own icons follow once the window is shown.
  const auto placeholder = SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0);
  ASSERT_NE(placeholder, 0);
  const long rowHeight = item.bottom - item.top;
  EXPECT_GE(rowHeight, GetSystemMetrics(SM_CYSMICON));
  chooser.Show();
  PumpFor(500);
  ASSERT_TRUE(ChooserIsLoaded());
  EXPECT_NE(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), placeholder);
  item.left = LVIR_SELECTBOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.bottom - item.top, rowHeight) << "rows keep their height as the icons arrive";
  int images[5] = {};
  for (int i = 0; i < 5; ++i) {
    LVITEMA image{};
    image.mask = LVIF_IMAGE;
    image.iItem = i;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&image)));
    images[i] = image.iImage;
    EXPECT_GE(image.iImage, 0) << "row " << i;
    EXPECT_GE(CellWidth(list, i, 0), TextWidth(list, i, 0)) << "row " << i;
    EXPECT_GE(CellWidth(list, i, 1), TextWidth(list, i, 1)) << "row " << i;
  }
  EXPECT_NE(images[0], images[1]) << "notepad has its own icon";
  EXPECT_EQ(images[1], images[2]) << "a missing program and none share the generic icon";
  EXPECT_EQ(images[0], images[3]);
}

TEST_F(ChooserWindowTest, ALongNameGivesWaySoTheWindowFitsTheMonitor) {
  ChooserWindow& chooser = Chooser();
  AddRows(chooser, 3, std::string(3000, 'W'));
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = FindChooser();
  HWND list = ListOf(frame);
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  const RECT work = WorkAreaOf(frame);
  EXPECT_GE(frameRect.left, work.left);
  EXPECT_LE(frameRect.right, work.right);
  EXPECT_LT(CellWidth(list, 0, 0), TextWidth(list, 0, 0)) << "the name is cut";
  EXPECT_GE(CellWidth(list, 0, 1), TextWidth(list, 0, 1)) << "the version and mark are whole";
  RECT listRect{};
  RECT frameClient{};
  GetWindowRect(list, &listRect);
  GetClientRect(frame, &frameClient);
  EXPECT_LE(listRect.right - listRect.left, frameClient.right) << "the list must not be clipped";
}

TEST_F(ChooserWindowTest, AVersionWiderThanTheMonitorIsCutBeforeTheMarkWhichStaysWhole) {
  ChooserWindow& chooser = Chooser();
  AddRows(chooser, 2);
  Candidate row;
  row.rowId = 2;
  row.text = "Vendor - Program";
  row.detail = std::string(2000, '9') + "    [Windows Default]";
  chooser.Add(row);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = FindChooser();
  HWND list = ListOf(frame);
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  EXPECT_LE(frameRect.right - frameRect.left, WorkAreaOf(frame).right - WorkAreaOf(frame).left);
  char text[4096] = {};
  LVITEMA query{};
  query.iSubItem = 1;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&query));
  const std::string shown = text;
  EXPECT_LT(shown.size(), 2000u);
  EXPECT_EQ(shown.substr(shown.size() - 17), "[Windows Default]");
  EXPECT_GE(CellWidth(list, 2, 1), TextWidth(list, 2, 1));
  EXPECT_GE(CellWidth(list, 0, 1), TextWidth(list, 0, 1)) << "a short version stays whole";
}

TEST_F(ChooserWindowTest, ADensityChangeTakesTheSuggestedPlaceAndKeepsTheRowsWhole) {
  ChooserWindow& chooser = Chooser();
  AddRows(chooser, 4);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = FindChooser();
  HWND list = ListOf(frame);
  RECT suggested{40, 50, 340, 110};  // too small for the rows: the fitting grows it again
  SendMessageA(frame, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  EXPECT_EQ(frameRect.left, 40);
  EXPECT_EQ(frameRect.top, 50);
  RECT item{};
  item.left = LVIR_SELECTBOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_LE(item.bottom, client.bottom) << "the last row must be visible without scrolling";
  RECT listRect{};
  RECT frameClient{};
  GetWindowRect(list, &listRect);
  GetClientRect(frame, &frameClient);
  EXPECT_LE(listRect.right - listRect.left, frameClient.right) << "the list must not be clipped";
  EXPECT_LE(listRect.bottom - listRect.top, frameClient.bottom);
}

TEST_F(ChooserWindowTest, ListHeightIsZeroForAnEmptyListOrAnotherView) {
  ChooserWindow& chooser = Chooser();
  chooser.Clear();
  EXPECT_FALSE(chooser.FitToList());
  HWND list = ListOf(FindChooser());
  EXPECT_EQ(ListHeightForRows(list, 3), 0);
  AddRows(chooser, 2);
  EXPECT_GT(ListHeightForRows(list, 2), 0);
  SendMessageA(list, LVM_SETVIEW, LV_VIEW_ICON, 0);
  EXPECT_EQ(ListHeightForRows(list, 2), 0);
  const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
  AutoSizeColumns(list, false, 0);
  EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), width);
  EXPECT_EQ(ListHeightForRows(nullptr, 2), 0);
}

TEST_F(ChooserWindowTest, AnyCharacterKeyPicksTheSelectedRow) {
  for (WPARAM key : {WPARAM{'x'}, WPARAM{VK_ESCAPE}, WPARAM{VK_RETURN}}) {
    ChooserWindow& chooser = Chooser();
    AddRows(chooser, 3);
    ASSERT_TRUE(chooser.FitToList());
    ChosenIndex() = -1;
    HWND list = ListOf(FindChooser());
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, WM_CHAR, key, 0);
    PumpWhileLoaded();
    EXPECT_FALSE(ChooserIsLoaded()) << "key " << key;
    EXPECT_EQ(ChosenIndex(), 2) << "key " << key;
  }
}

TEST_F(ChooserWindowTest, AKeyWithoutSelectionOrAClosedWindowIsACancel) {
  ChooserWindow& chooser = Chooser();
  AddRows(chooser, 2);
  ChosenIndex() = -1;
  SendMessageA(ListOf(FindChooser()), WM_CHAR, 'a', 0);
  PumpWhileLoaded();
  EXPECT_FALSE(ChooserIsLoaded());
  EXPECT_EQ(ChosenIndex(), -1);

  AddRows(Chooser(), 2);
  PostMessageA(FindChooser(), WM_CLOSE, 0, 0);
  PumpWhileLoaded();
  EXPECT_FALSE(ChooserIsLoaded());
  EXPECT_EQ(ChosenIndex(), -1);
}

}  // namespace
}  // namespace tavrel
