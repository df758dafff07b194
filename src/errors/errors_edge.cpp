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

// Part of the thread's error trail: the edges its reports go through, nullptr for the silent ones.
thread_local const ErrorEdges* reportingEdges = nullptr;

ErrorEdges CurrentEdges() noexcept {
  return reportingEdges ? *reportingEdges : SilentEdges();
}

}  // namespace

ErrorEdges SilentEdges() noexcept {
  // Stateless: the one pair is shared by every thread.
  static NoBox box;
  static NoTexts texts;
  return {box, texts};
}

ReportThrough::ReportThrough(const ErrorEdges& edges) noexcept
    : previous_(reportingEdges), edges_(edges) {
  reportingEdges = &edges_;
}

ReportThrough::~ReportThrough() {
  reportingEdges = previous_;
}

MessageBoxEdge& BoxEdge() noexcept {
  return CurrentEdges().box;
}

SystemTextEdge& TextEdge() noexcept {
  return CurrentEdges().texts;
}

}  // namespace tavrel
