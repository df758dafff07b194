#include "errors/message_box.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "errors_fakes.h"

namespace tavrel {
namespace {

using MessageBoxTest = ErrorsTest;
using namespace boxstyle;
using namespace msgresult;

constexpr std::int32_t C(std::int32_t n) {  // a catalogue number
  return errnum::kObjectBase + n;
}

std::string Wrapped(const std::string& text) {
  return text::WrapWords(text, 50);
}

void SetReported(std::int32_t number) {
  PendingFailure() = MakeFailure(number, "D");
  PendingFailure().source = "S";
}

TEST_F(MessageBoxTest, PendingFailureGivesErrorCaptionWithHexStopIconAndItsReportOrTheGivenText) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {429, "Error -  429   :   h01AD"},
      {C(4001), "Error -  4001   :   h0FA1"},  // catalogue numbers without the base
      {static_cast<std::int32_t>(0x80004005u), "Error -  -2147467259   :   h080004005"}};
  box.answer = answer::kNo;
  // A text given replaces the failure's own unless it is empty; the answer is the result.
  std::string empty, own = "Own words";
  for (std::string* text : {static_cast<std::string*>(nullptr), &empty, &own}) {
    for (const auto& [number, caption] : cases) {
      SetReported(number);
      EXPECT_EQ(MessageHandler(number, std::nullopt, text), text ? answer::kNo : kDescribed);
      EXPECT_EQ(box.shown.back().caption, caption);
      EXPECT_EQ(box.shown.back().style, kStop);
      EXPECT_EQ(box.shown.back().text, Wrapped(text == &own ? own : "Error: D\r\nS"));
    }
  }
}

TEST_F(MessageBoxTest, CatalogueRangesComposeCaptionIconAndText) {
  const std::string given = std::string(30, 'a').append(" ").append(30, 'b');
  ASSERT_NE(Wrapped(given), given);
  const auto described = [](std::int32_t n) { return "Error: " + StandardDescription(n); };
  struct Case {
    std::int32_t number;
    std::optional<std::string_view> title;
    const char* caption;  // nullptr: nothing is shown
    std::uint16_t style;
    std::string text;  // empty: the given text is shown; else no text is given
    std::optional<std::int32_t> result;
  };
  const int no = answer::kNo;
  const Case cases[] = {
      {C(4000), {}, "Error -  4000", kStop, "", no},
      {C(4003), "Oops", "OopsError -  4003", kStop, "", no},
      {C(4500), {}, "Information 4500", kInfo, "", no},
      {C(4513), "  Note  ", "Note 4513", kInfo, "", no},
      {C(5000), {}, "Question 5000", kQuestion, "", no},
      {C(5001), "Sure?", "Sure? 5001", kQuestion, "", no},
      {C(4499), {}, "Error -  4499", kPlain, "", no},
      {5, "X", "X5", kPlain, "", no},
      {-5, {}, "Error -  &FFFFFFFB", kPlain, "", no},
      {C(5002), {}, "Error -  &8004138A", kPlain, "", no},
      {0, "T", nullptr, 0, "", std::nullopt},
      {1, "T", nullptr, 0, "", std::nullopt},
      {32755, "T", nullptr, 0, "", std::nullopt},
      // Without a text the number's description is shown, as an error whatever the range.
      {message::kUnpackFailed, {}, "Information 4502", kStop, described(4502), kDescribed},
      {5, "X", "X5", kStop, described(5), kDescribed},
      {-5, {}, "Error -  &FFFFFFFB", kStop, "Error number not defined.", kNotDescribed},
  };
  box.answer = no;
  for (const auto& c : cases) {
    box.shown.clear();
    box.beeps = 0;
    std::string text = given;
    EXPECT_EQ(MessageHandler(c.number, c.title, c.text.empty() ? &text : nullptr), c.result)
        << c.number;
    ASSERT_EQ(box.shown.size(), c.caption ? 1u : 0u) << c.number;
    EXPECT_EQ(box.beeps, static_cast<int>(box.shown.size()));
    if (!c.caption) continue;
    EXPECT_EQ(box.shown[0].caption, c.caption);
    EXPECT_EQ(box.shown[0].style, c.style) << c.number;
    EXPECT_EQ(box.shown[0].text, Wrapped(c.text.empty() ? given : c.text)) << c.number;
  }
}

TEST_F(MessageBoxTest, QuietModeHandsBackTheTextAndShowsNothing) {
  const std::tuple<std::int32_t, const char*, std::string, std::int32_t> cases[] = {
      {C(4502), "", "Error: " + StandardDescription(4502), kDescribed},
      {C(4510), "Kept", "Kept", kCatalogueError},
      {-7, "", "Error number not defined.", kNotDescribed},
      {53, "", "Error: D\r\nS", kDescribed},  // with a failure pending
  };
  for (const auto& [number, given, composed, result] : cases) {
    if (number == 53) SetReported(53);
    std::string text = given;
    EXPECT_EQ(MessageHandler(number, "Info", &text, true), result) << number;
    EXPECT_EQ(text, composed);
  }
  EXPECT_EQ(box.shown.size() + box.beeps, 0u);
}

TEST_F(MessageBoxTest, OwnFailureIsShownInAPlainBoxAndGivesTheTrapResult) {
  box.whileShown = [&] {
    if (box.shown.size() == 1) Raise(70);
  };
  EXPECT_EQ(MessageHandler(C(4502)), kOwnFailure);
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[1].caption, "Error - 70");
  EXPECT_EQ(box.shown[1].style, kStop);
  EXPECT_EQ(box.shown[1].text, Wrapped("Permission denied"));
  EXPECT_EQ(box.beeps, 1);  // the first box's beep only
  EXPECT_EQ(State(), std::tuple(0, 0, 0));
}

}  // namespace
}  // namespace tavrel
