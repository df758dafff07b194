// Fakes of the error subsystem's edge: a message box that records what it was asked to show and
// answers with a chosen button, and system texts from a table.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "errors/error_handler.h"
#include "errors/errors_edge.h"
#include "errors/failure.h"
#include "errors/reporting.h"

namespace tavrel {

struct ShownBox {
  std::string caption;
  std::string text;
  std::uint16_t style;
};

class FakeBox final : public MessageBoxEdge {
 public:
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

class FakeTexts final : public SystemTextEdge {
 public:
  std::string SystemMessage(std::int32_t number, const char* extraTable) override {
    asked.push_back({number, extraTable ? extraTable : ""});
    const auto it = texts.find(number);
    return it == texts.end() ? std::string() : it->second;
  }
  bool IsNtFamily() override { return ntFamily; }
  std::int32_t LastError() override { return lastError; }

  std::map<std::int32_t, std::string> texts;
  std::vector<std::pair<std::int32_t, std::string>> asked;  // number and table of each request
  bool ntFamily = true;
  std::int32_t lastError = 0;
};

// Installs both fakes and starts every test with an empty trail, depth 0 and nothing pending.
class ErrorsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetThread(); }
  void TearDown() override { ResetThread(); }

  static void ResetThread() {
    CallDepth() = 0;
    ErrorHandler(action::kReset);
    ClearPendingFailure();
    LocalLine() = 0;
  }

  static std::int16_t TrailCount() { return std::get<std::int16_t>(ErrorHandler(action::kCount)); }

  static void SetPending(std::int32_t number, std::string description = {}) {
    PendingFailure() = MakeFailure(number, std::move(description));
  }

  static HandlerArgs Tag(std::string tag) {
    HandlerArgs args;
    args.procedure = std::move(tag);
    return args;
  }

  FakeBox box;
  FakeTexts texts;
  ScopedEdge<MessageBoxEdge> boxInstalled{box};
  ScopedEdge<SystemTextEdge> textsInstalled{texts};
};

}  // namespace tavrel
