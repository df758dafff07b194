#include "errors/errors_edge.h"

#include <atomic>

namespace tavrel {
namespace {
std::atomic<MessageBoxEdge*> boxEdge{nullptr};
std::atomic<SystemTextEdge*> textEdge{nullptr};
}  // namespace

MessageBoxEdge& BoxEdge() noexcept {
  MessageBoxEdge* e = boxEdge.load();
  return e ? *e : PlatformBoxEdge();
}

SystemTextEdge& TextEdge() noexcept {
  SystemTextEdge* e = textEdge.load();
  return e ? *e : PlatformTextEdge();
}

MessageBoxEdge* InstallEdge(MessageBoxEdge* edge) noexcept {
  return boxEdge.exchange(edge);
}

SystemTextEdge* InstallEdge(SystemTextEdge* edge) noexcept {
  return textEdge.exchange(edge);
}

}  // namespace tavrel
