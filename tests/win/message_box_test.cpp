// The real message box: shown by a worker thread, found by its caption and answered by this one.
#include "errors/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

#include "errors/error_handler.h"
#include "errors/errors_edge.h"
#include "errors/failure.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

constexpr int kBoxTextId = 0xFFFF;  // the static control that holds a message box's text

HWND WaitForWindow(const char* caption) {
  for (int i = 0; i < 200; ++i) {
    if (HWND w = FindWindowA(nullptr, caption)) return w;
    Sleep(50);
  }
  return nullptr;
}

std::string BoxText(HWND box) {
  char text[1024] = {};
  GetDlgItemTextA(box, kBoxTextId, text, sizeof text);
  return text;
}

void Press(HWND box, int button) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

class RealBox : public ::testing::Test {
 protected:
  // A box that was never found leaves its thread waiting; the test program ends it on exit.
  void Finish(std::thread& shower, HWND box) {
    if (box) {
      shower.join();
    } else {
      shower.detach();
    }
  }

  ScopedEdge<MessageBoxEdge> real{PlatformBoxEdge()};
};

TEST_F(RealBox, QuestionShowsYesAndNoAndReturnsTheButtonPressed) {
  std::optional<std::int32_t> result;
  std::thread shower([&] {
    std::string text = "Shall the test go on?";
    result = MessageHandler(errnum::kObjectBase + 5000, "Proceed", &text);
  });
  HWND box = WaitForWindow("Proceed 5000");
  if (box) {
    EXPECT_NE(BoxText(box).find("Shall the test go on?"), std::string::npos);
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    Press(box, IDNO);
  }
  Finish(shower, box);
  ASSERT_NE(box, nullptr) << "no box captioned \"Proceed 5000\" appeared";
  EXPECT_EQ(result, answer::kNo);
}

TEST_F(RealBox, ReportedFailureShowsItsReportUntilTheUserClosesIt) {
  bool finished = true;
  std::int16_t left = -1;
  std::thread shower([&] {
    finished = RunReported("ProbeProcedure", [] { Raise(errnum::kFileNotFound); });
    left = std::get<std::int16_t>(ErrorHandler(action::kCount));
  });
  HWND box = WaitForWindow("Error -  53   :   h035");
  if (box) {
    const std::string text = BoxText(box);
    EXPECT_NE(text.find("File not found"), std::string::npos) << text;
    EXPECT_NE(text.find("Subroutine: ProbeProcedure"), std::string::npos) << text;
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    Press(box, IDOK);
  }
  Finish(shower, box);
  ASSERT_NE(box, nullptr) << "no box for the failure appeared";
  EXPECT_FALSE(finished);
  EXPECT_EQ(left, 0);
}

}  // namespace
}  // namespace tavrel
