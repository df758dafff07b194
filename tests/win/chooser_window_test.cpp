// The chooser window under Wine: rows, fitting, picking by key and cancelling by closing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "../support/chooser_view.h"
#include "../support/scratch_folder.h"
#include "base/failure.h"
#include "ui/chooser_window.h"
#include "ui/list_fitting_win.h"

// While set, every allocation of this program fails.
bool failAllocations = false;

void* operator new(std::size_t size) {
  void* memory = failAllocations ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace tavrel {
namespace {

using namespace testing;

// Rows whose programs alternate between one that exists, one that is missing and none at all.
void AddRows(ChooserWindow& chooser, int rows, const std::string& name = "A rather long product") {
  chooser.Clear();
  const char* programs[] = {"C:\\windows\\notepad.exe", "C:\\missing\\gone.exe", ""};
  for (int i = 0; i < rows; ++i) {
    Candidate row;
    row.rowId = i;
    row.text = "Company " + std::to_string(i) + " - " + name;
    row.detail = "1.2." + std::to_string(i) + "    [Windows Default]";
    row.program = programs[i % 3];
    chooser.Add(row);
  }
}

RECT RowRect(HWND list, int row) {
  RECT item{};
  item.left = LVIR_SELECTBOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return item;
}

// The last row shows without scrolling, the frame does not clip the list, and the frame lies in
// its monitor's work area.
void ExpectWholeOnScreen(HWND frame, int rows) {
  HWND list = ListOf(frame);
  RECT client{}, listRect{}, frameClient{}, frameRect{};
  GetClientRect(list, &client);
  EXPECT_LE(RowRect(list, rows - 1).bottom, client.bottom) << "the last row must be visible";
  GetWindowRect(list, &listRect);
  GetClientRect(frame, &frameClient);
  EXPECT_LE(listRect.right - listRect.left, frameClient.right) << "the list must not be clipped";
  EXPECT_LE(listRect.bottom - listRect.top, frameClient.bottom);
  GetWindowRect(frame, &frameRect);
  const RECT work = WorkAreaOf(frame);
  EXPECT_GE(frameRect.left, work.left);
  EXPECT_GE(frameRect.top, work.top);
  EXPECT_LE(frameRect.right, work.right);
  EXPECT_LE(frameRect.bottom, work.bottom);
}

class ChooserWindowTest : public ::testing::Test {
 protected:
  const std::unique_ptr<ChooserWindow> window = CreateChooserWindow();
  ChooserWindow& chooser = *window;
};

// A new chooser is loaded, hidden, and cannot be fitted without rows; the rows of an earlier
// request are cleared. (Its caption is read by the end-to-end tests.)
TEST_F(ChooserWindowTest, FitShowsEveryRowWithItsIconAndWholeTexts) {
  EXPECT_TRUE(chooser.Loaded());
  EXPECT_FALSE(chooser.FitToList());
  EXPECT_EQ(ListHeightForRows(ListOf(ChooserFrame()), 3), 0);
  AddRows(chooser, 3);
  AddRows(chooser, 5);
  EXPECT_EQ(chooser.Count(), 5);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = ChooserFrame();
  EXPECT_FALSE(IsWindowVisible(frame));
  HWND list = ListOf(frame);
  ExpectWholeOnScreen(frame, 5);
  RECT client{};
  GetClientRect(list, &client);
  const long rowHeight = RowRect(list, 4).bottom - RowRect(list, 4).top;
  EXPECT_LT(client.bottom - RowRect(list, 4).bottom, rowHeight) << "no empty space below the rows";

  // Every row has an icon, the generic one for a missing program or none, and room for it and
  // for its whole texts. The programs' own icons follow once the window is shown.
  ASSERT_NE(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
  EXPECT_GE(rowHeight, GetSystemMetrics(SM_CYSMICON));
  chooser.Show();
  PumpMessages(500, false);
  ASSERT_TRUE(chooser.Loaded());
  EXPECT_EQ(RowRect(list, 4).bottom - RowRect(list, 4).top, rowHeight)
      << "rows keep their height as the icons arrive";
  int images[5] = {};
  for (int i = 0; i < 5; ++i) {
    LVITEMA image{};
    image.mask = LVIF_IMAGE;
    image.iItem = i;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&image)));
    images[i] = image.iImage;
    EXPECT_GE(image.iImage, 0) << "row " << i;
    EXPECT_FALSE(CellIsCut(list, i, 0) || CellIsCut(list, i, 1)) << "row " << i;
  }
  EXPECT_NE(images[0], images[1]) << "notepad has its own icon";
  EXPECT_EQ(images[1], images[2]) << "a missing program and none share the generic icon";
  EXPECT_EQ(images[0], images[3]);
}

// A program file that is not a program image, such as a batch file, shows the shell's icon for it.
TEST_F(ChooserWindowTest, ABatchFileShowsTheShellsIconNotTheGenericOne) {
  const ScratchFolder folder("icons");
  folder.Write("run.cmd", "@echo off\r\n");
  for (const std::string& program : {folder / "run.cmd", std::string()}) {
    Candidate row;
    row.rowId = chooser.Count();
    row.text = "Batch";
    row.program = program;
    chooser.Add(row);
  }
  ASSERT_TRUE(chooser.FitToList());
  chooser.Show();
  PumpMessages(500, false);
  LVITEMA rows[2] = {};
  for (int i = 0; i < 2; ++i) {
    rows[i].mask = LVIF_IMAGE;
    rows[i].iItem = i;
    ASSERT_TRUE(
        SendMessageA(ListOf(ChooserFrame()), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&rows[i])));
  }
  EXPECT_NE(rows[0].iImage, rows[1].iImage);
}

// A name wider than the monitor gives way; a version that alone is wider is cut in front of the
// mark, which stays whole; a short version stays whole.
TEST_F(ChooserWindowTest, ALongNameOrVersionGivesWaySoTheWindowFitsTheMonitor) {
  AddRows(chooser, 2, std::string(3000, 'W'));
  Candidate row;
  row.rowId = 2;
  row.text = "Vendor - Program";
  row.detail = std::string(2000, '9') + "    [Windows Default]";
  chooser.Add(row);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = ChooserFrame();
  HWND list = ListOf(frame);
  ExpectWholeOnScreen(frame, 3);
  EXPECT_TRUE(CellIsCut(list, 0, 0)) << "the name is cut";
  EXPECT_FALSE(CellIsCut(list, 0, 1)) << "a short version and the mark are whole";
  const std::string shown = CellText(list, 2, 1);
  EXPECT_LT(shown.size(), 2000u);
  EXPECT_EQ(shown.substr(shown.size() - 17), "[Windows Default]");
  EXPECT_FALSE(CellIsCut(list, 2, 1));
}

TEST_F(ChooserWindowTest, ADensityChangeTakesTheSuggestedPlaceAndKeepsTheRowsWhole) {
  AddRows(chooser, 4);
  ASSERT_TRUE(chooser.FitToList());
  HWND frame = ChooserFrame();
  RECT suggested{40, 50, 340, 110};  // too small for the rows: the fitting grows it again
  SendMessageA(frame, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT frameRect{};
  GetWindowRect(frame, &frameRect);
  EXPECT_EQ(frameRect.left, 40);
  EXPECT_EQ(frameRect.top, 50);
  ExpectWholeOnScreen(frame, 4);
}

// Any character key picks the selected row; without a selection, or when the window is closed,
// the chooser ends without a pick.
TEST(ChooserWindowPick, AKeyPicksTheSelectedRowAndAnythingElseIsACancel) {
  const struct {
    bool select, close;
    WPARAM key;
    int picked;
  } cases[] = {{true, false, 'x', 2}, {false, false, 'a', -1}, {true, true, 0, -1}};
  for (const auto& c : cases) {
    const auto picker = CreateChooserWindow();
    AddRows(*picker, 3);
    ASSERT_TRUE(picker->FitToList());
    picker->Show();  // keys reach the list of a shown chooser only
    HWND list = ListOf(ChooserFrame());
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (c.select) SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    if (c.close) {
      PostMessageA(ChooserFrame(), WM_CLOSE, 0, 0);
    } else {
      SendMessageA(list, WM_CHAR, c.key, 0);
    }
    PumpMessages(3000);
    ASSERT_FALSE(picker->Loaded()) << "key " << c.key;
    EXPECT_EQ(picker->WaitForPick(), c.picked) << "key " << c.key;
  }
}

// A quit message while the chooser waits ends the wait without a pick and closes the window; the
// quit stays for the thread's own loop. A failure while the window handles a message (here an
// allocation in the icons' steps) does not unwind through the system: the window closes and the
// wait raises it.
TEST(ChooserWindowPick, AQuitOrAFailingHandlerEndsTheWaitAndClosesTheWindow) {
  for (const bool quit : {true, false}) {
    const auto picker = CreateChooserWindow();
    AddRows(*picker, 3);
    ASSERT_TRUE(picker->FitToList());
    picker->Show();
    std::int32_t picked = 0;
    std::int32_t failure = 0;
    if (quit) {
      PostQuitMessage(0);
    } else {
      failAllocations = true;
      for (int step = 0; step < 3; ++step)
        SendMessageA(ChooserFrame(), WM_APP + 1, 0, 0);
      failAllocations = false;
    }
    try {
      picked = picker->WaitForPick();
    } catch (const Failure& f) {
      failure = f.number;
    }
    EXPECT_FALSE(picker->Loaded()) << quit;
    EXPECT_EQ(picked, quit ? -1 : 0);
    EXPECT_EQ(failure, quit ? 0 : errnum::kOutOfMemory);
    MSG msg;
    EXPECT_EQ(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), quit ? TRUE : FALSE);
  }
}

}  // namespace
}  // namespace tavrel
