// The platform edge where there is no Windows: no box is shown (the answer is OK), there is no
// beep, and there are no system texts, so every number gets the made-up text.
#include "errors/errors_edge.h"

namespace tavrel {
namespace {

class NoBox final : public MessageBoxEdge {
 public:
  int ShowBox(const std::string&, const std::string&, std::uint16_t) override {
    return answer::kOk;
  }
  void Beep() override {}
};

class NoTexts final : public SystemTextEdge {
 public:
  std::string SystemMessage(std::int32_t, const char*) override { return {}; }
  bool IsNtFamily() override { return false; }
  std::int32_t LastError() override { return 0; }
};

}  // namespace

MessageBoxEdge& PlatformBoxEdge() noexcept {
  static NoBox box;
  return box;
}

SystemTextEdge& PlatformTextEdge() noexcept {
  static NoTexts texts;
  return texts;
}

}  // namespace tavrel
