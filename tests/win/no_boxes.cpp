// Nobody can click a message box while the tests run: for the whole test program, boxes are
// answered with OK at once. A test of the real box installs the platform's own edge for itself.
#include "errors/errors_edge.h"

namespace tavrel {
namespace {

class AnswerAtOnce final : public MessageBoxEdge {
 public:
  int ShowBox(const std::string&, const std::string&, std::uint16_t) override {
    return answer::kOk;
  }
  void Beep() override {}
};

AnswerAtOnce answerAtOnce;
const ScopedEdge<MessageBoxEdge> noBoxes{answerAtOnce};

}  // namespace
}  // namespace tavrel
