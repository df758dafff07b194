#include "errors/message_box.h"

#include <gtest/gtest.h>

#include "errors_fakes.h"
#include "fileinfo/strings.h"

namespace tavrel {
namespace {

using MessageBoxTest = ErrorsTest;

constexpr std::int32_t Catalogue(std::int32_t n) {
  return errnum::kObjectBase + n;
}

TEST_F(MessageBoxTest, PendingFailureGivesErrorCaptionStopIconAndItsReport) {
  PendingFailure() = MakeFailure(429, "D");
  PendingFailure().source = "S";
  box.answer = answer::kNo;
  EXPECT_EQ(MessageHandler(429), msgresult::kDescribed);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Error -  429   :   h01AD");
  EXPECT_EQ(box.shown[0].style, boxstyle::kStop);
  EXPECT_EQ(box.shown[0].text, StrWrap("Error: D\r\nS", 50));
  EXPECT_EQ(box.beeps, 1);
  EXPECT_EQ(CallDepth(), 0);
}

TEST_F(MessageBoxTest, ErrorCaptionShowsCatalogueNumbersWithoutTheBase) {
  SetPending(Catalogue(4001));
  MessageHandler(Catalogue(4001));
  const auto unspecified = static_cast<std::int32_t>(0x80004005u);
  SetPending(unspecified);
  MessageHandler(unspecified);
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[0].caption, "Error -  4001   :   h0FA1");
  EXPECT_EQ(box.shown[1].caption, "Error -  -2147467259   :   h080004005");
}

TEST_F(MessageBoxTest, UnpackingMessageIsAnErrorWithTheStandardDescription) {
  EXPECT_EQ(message::kUnpackFailed, static_cast<std::int32_t>(0x80041196u));
  EXPECT_EQ(MessageHandler(message::kUnpackFailed), msgresult::kDescribed);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].caption, "Information 4502");
  EXPECT_EQ(box.shown[0].style, boxstyle::kStop);  // the text came from the description
  EXPECT_EQ(box.shown[0].text, StrWrap("Error: " + StandardDescription(4502), 50));
}

TEST_F(MessageBoxTest, SilentNumbersShowNothing) {
  for (std::int32_t n : {0, 1, 32755}) {
    EXPECT_EQ(MessageHandler(n, "Title"), std::nullopt) << n;
  }
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(box.beeps, 0);
  EXPECT_EQ(CallDepth(), 0);
}

struct CatalogueCase {
  std::int32_t number;
  std::optional<std::string_view> title;
  std::string caption;
  std::uint16_t style;
};

TEST_F(MessageBoxTest, CatalogueRangesComposeCaptionAndIcon) {
  const CatalogueCase cases[] = {
      {Catalogue(4000), std::nullopt, "Error -  4000", boxstyle::kStop},
      {Catalogue(4003), "Oops", "OopsError -  4003", boxstyle::kStop},
      {Catalogue(4500), std::nullopt, "Information 4500", boxstyle::kInfo},
      {Catalogue(4513), "  Note  ", "Note 4513", boxstyle::kInfo},
      {Catalogue(5000), std::nullopt, "Question 5000", boxstyle::kQuestion},
      {Catalogue(5001), "Sure?", "Sure? 5001", boxstyle::kQuestion},
      {Catalogue(4499), std::nullopt, "Error -  4499", boxstyle::kPlain},
      {5, "X", "X5", boxstyle::kPlain},
      {-5, std::nullopt, "Error -  &FFFFFFFB", boxstyle::kPlain},
      {Catalogue(5002), std::nullopt, "Error -  &8004138A", boxstyle::kPlain},
  };
  for (const auto& c : cases) {
    box.shown.clear();
    std::string text = "Given text";
    MessageHandler(c.number, c.title, &text);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].caption, c.caption) << c.number;
    EXPECT_EQ(box.shown[0].style, c.style) << c.number;
    EXPECT_EQ(box.shown[0].text, StrWrap("Given text", 50)) << c.number;
  }
}

TEST_F(MessageBoxTest, WithoutTextTheDescriptionMakesItAnError) {
  box.answer = answer::kNo;
  EXPECT_EQ(MessageHandler(Catalogue(5000)), msgresult::kDescribed);
  EXPECT_EQ(box.shown.back().style, boxstyle::kStop);
  EXPECT_EQ(box.shown.back().text, StrWrap("Error: " + StandardDescription(5000), 50));

  EXPECT_EQ(MessageHandler(5, "X"), msgresult::kDescribed);
  EXPECT_EQ(box.shown.back().text, StrWrap("Error: Invalid procedure call or argument", 50));

  EXPECT_EQ(MessageHandler(-5), msgresult::kNotDescribed);
  EXPECT_EQ(box.shown.back().text, StrWrap("Error number not defined.", 50));
  EXPECT_EQ(box.shown.back().style, boxstyle::kStop);
}

TEST_F(MessageBoxTest, TextArgumentDecidesWhatIsShownAndWhoseResultCounts) {
  PendingFailure() = MakeFailure(53);
  PendingFailure().source = "S";
  box.answer = answer::kNo;

  std::string empty;
  EXPECT_EQ(MessageHandler(53, std::nullopt, &empty), answer::kNo);
  EXPECT_EQ(box.shown.back().text, StrWrap("Error: File not found\r\nS", 50));
  EXPECT_EQ(empty, "");

  std::string own = "Own words";
  EXPECT_EQ(MessageHandler(53, std::nullopt, &own), answer::kNo);
  EXPECT_EQ(box.shown.back().text, StrWrap("Own words", 50));

  ClearPendingFailure();
  box.answer = answer::kYes;
  std::string question = "Go on?";
  EXPECT_EQ(MessageHandler(Catalogue(5000), std::nullopt, &question), answer::kYes);
}

TEST_F(MessageBoxTest, QuietModeHandsBackTheTextAndShowsNothing) {
  std::string text;
  EXPECT_EQ(MessageHandler(Catalogue(4502), std::nullopt, &text, true), msgresult::kDescribed);
  EXPECT_EQ(text, "Error: " + StandardDescription(4502));

  text = "Kept";
  EXPECT_EQ(MessageHandler(Catalogue(4510), "Info", &text, true), 1);
  EXPECT_EQ(text, "Kept");

  text.clear();
  EXPECT_EQ(MessageHandler(-7, std::nullopt, &text, true), msgresult::kNotDescribed);
  EXPECT_EQ(text, "Error number not defined.");

  PendingFailure() = MakeFailure(53);
  PendingFailure().source = "S";
  EXPECT_EQ(MessageHandler(53, std::nullopt, &text, true), msgresult::kDescribed);
  EXPECT_EQ(text, "Error: File not found\r\nS");

  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(box.beeps, 0);
}

TEST_F(MessageBoxTest, LongTextIsWrappedAtFiftyAndLongWordsStayWhole) {
  const std::string word(60, 'w');
  std::string text = "A text that is clearly longer than fifty characters " + word + " end";
  MessageHandler(Catalogue(4510), std::nullopt, &text);
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].text, StrWrap(text, 50));
  EXPECT_NE(box.shown[0].text.find(word), std::string::npos);
}

TEST_F(MessageBoxTest, OwnFailureIsShownInAPlainBoxWithoutBeep) {
  int calls = 0;
  box.whileShown = [&] {
    if (++calls == 1) Raise(70);
  };
  EXPECT_EQ(MessageHandler(Catalogue(4502)), msgresult::kOwnFailure);
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[1].caption, "Error - 70");
  EXPECT_EQ(box.shown[1].style, boxstyle::kStop);
  EXPECT_EQ(box.shown[1].text, StrWrap("Permission denied", 50));
  EXPECT_EQ(box.beeps, 1);  // the first box's beep only
  EXPECT_EQ(CallDepth(), 0);
  EXPECT_EQ(PendingFailure().number, 0);
}

TEST_F(MessageBoxTest, FailureWhileAFailureIsPendingPassesToTheCaller) {
  SetPending(53);
  box.whileShown = [] { Raise(70); };
  EXPECT_THROW(MessageHandler(53), Failure);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(CallDepth(), 0);
}

}  // namespace
}  // namespace tavrel
