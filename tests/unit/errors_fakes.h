// Fakes of the error subsystem's edge: a message box that records what it was asked to show and
// answers with a chosen button, and system texts from a table.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/failure.h"
#include "errors/error_handler.h"
#include "errors/errors_edge.h"
#include "errors/reporting.h"

namespace tavrel {

struct ShownBox {
  std::string caption, text;
  std::uint16_t style;
};

struct FakeBox final : MessageBoxEdge {
  int ShowBox(const std::string& caption, const std::string& text, std::uint16_t style) override {
    shown.push_back({caption, text, style});
    if (whileShown) whileShown();
    return answer;
  }
  void Beep() override { ++beeps; }

  std::vector<ShownBox> shown;
  int beeps = 0;
  int answer = answer::kOk;
  std::function<void()> whileShown;  // runs while the box is up, as code the box lets run would
};

struct FakeTexts final : SystemTextEdge {
  std::string SystemMessage(std::int32_t number, const char* extraTable) override {
    asked.push_back({number, extraTable ? extraTable : ""});
    return texts.contains(number) ? texts[number] : std::string();
  }
  bool IsNtFamily() override { return ntFamily; }
  std::int32_t LastError() override { return lastError; }

  std::map<std::int32_t, std::string> texts;
  std::vector<std::pair<std::int32_t, std::string>> asked;  // number and table of each request
  bool ntFamily = true;
  std::int32_t lastError = 0;
};

// Reports through both fakes; every test starts and ends with an empty trail, depth 0, nothing
// pending.
class ErrorsTest : public ::testing::Test {
 protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    CallDepth() = 0;
    ErrorHandler(action::kReset);  // also clears the pending failure and the local line
  }

  static std::int16_t TrailCount() { return std::get<std::int16_t>(ErrorHandler(action::kCount)); }
  // Records on the trail, call depth and the pending failure's number.
  static std::tuple<int, int, int> State() {
    return {TrailCount(), CallDepth(), PendingFailure().number};
  }
  static void SetPending(std::int32_t number, std::string description = {}) {
    PendingFailure() = MakeFailure(number, std::move(description));
  }
  static void Push(std::int32_t number) {
    SetPending(number);
    ErrorHandler(action::kRecord);
  }
  static HandlerArgs Tag(std::string tag) {
    HandlerArgs args;
    args.procedure = std::move(tag);
    return args;
  }
  static std::string CaptionOf(std::int32_t number, const char* hex) {
    return "Error -  " + std::to_string(number) + "   :   h0" + hex;
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& shown : box.shown)
      captions.push_back(shown.caption);
    return captions;
  }

  FakeBox box;
  FakeTexts texts;
  ReportThrough reporting{{box, texts}};
};

}  // namespace tavrel
