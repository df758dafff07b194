#include "ui/foreground_watch.h"

#include "ui/placement.h"

namespace tavrel {

ForegroundWatch::ForegroundWatch(std::optional<std::int32_t> lockTimeout, std::int32_t interval)
    : tickLimit_(lockTimeout ? RoundHalfEven(static_cast<double>(*lockTimeout) / interval) : 0) {}

ForegroundWatch::Step ForegroundWatch::Tick(bool ours, bool startKept) {
  ++ticks_;
  if (ours) {
    wasForeground_ = true;
    return Step::kWait;
  }
  if (wasForeground_) return Step::kUnload;
  if (ticks_ >= tickLimit_) return Step::kBringToFront;
  return startKept ? Step::kWait : Step::kUnload;
}

}  // namespace tavrel
