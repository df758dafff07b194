// The real message box: shown by a worker thread, found by its caption and answered by this one.
#include "errors/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "base/failure.h"
#include "base/text.h"
#include "errors/errors_edge.h"

namespace tavrel {
namespace {

HWND WaitForWindow(const char* caption) {
  for (int i = 0; i < 200; ++i) {
    if (HWND w = FindWindowA(nullptr, caption)) return w;
    Sleep(50);
  }
  return nullptr;
}

TEST(RealMessageBox, QuestionShowsItsTextWithYesAndNoAndReturnsTheButtonPressed) {
  const ScopedEdge<MessageBoxEdge> real{PlatformBoxEdge()};
  std::optional<std::int32_t> result;
  std::thread shower([&] {
    std::string text = "Shall the test go on?";
    result = MessageHandler(errnum::kObjectBase + 5000, "Proceed", &text);
  });
  HWND box = WaitForWindow("Proceed 5000");
  if (!box) {
    shower.detach();  // the test program ends the waiting thread on exit
    FAIL() << "no box captioned \"Proceed 5000\" appeared";
  }
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static control holding the text
  EXPECT_EQ(text, text::WrapWords("Shall the test go on?", 50));
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  shower.join();
  EXPECT_EQ(result, answer::kNo);
}

}  // namespace
}  // namespace tavrel
