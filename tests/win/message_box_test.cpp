// The real message box: shown by this thread, found by its caption and answered by a worker.
#include "errors/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "base/failure.h"
#include "base/text.h"
#include "errors/errors_edge.h"

namespace tavrel {
namespace {

// The box is shown by this thread and answered by a worker that touches none of the product's
// per-thread state: a thread that did would end with it, and MinGW frees per-thread storage before
// it runs the destructors of what lies there (Wine 10's heap then fails).
TEST(RealMessageBox, QuestionShowsItsTextWithYesAndNoAndReturnsTheButtonPressed) {
  const ReportThrough real{PlatformEdges()};
  const DWORD self = GetCurrentThreadId();
  std::string shown;
  bool buttons = false;
  std::thread answerer([&] {
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i, Sleep(50))
      box = FindWindowA(nullptr, "Proceed 5000");
    if (!box) {
      PostThreadMessageA(self, WM_QUIT, 0, 0);  // ends a box with another caption
      return;
    }
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static control holding the text
    shown = text;
    buttons = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  });
  std::string text = "Shall the test go on?";
  const std::optional<std::int32_t> result =
      MessageHandler(errnum::kObjectBase + 5000, "Proceed", &text);
  answerer.join();
  EXPECT_EQ(shown, text::WrapWords("Shall the test go on?", 50));
  EXPECT_TRUE(buttons);
  EXPECT_EQ(result, answer::kNo);
}

}  // namespace
}  // namespace tavrel
