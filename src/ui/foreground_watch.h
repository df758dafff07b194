// What the chooser does about the foreground on each tick of its timer, free of any window. The
// chooser stays while it owns the foreground; it unloads once it has had the foreground and lost
// it, or when another window takes the foreground before it ever had it; and when the system's
// foreground lock would keep it behind, it pushes itself to the front once that time has passed.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrel {

class ForegroundWatch {
 public:
  enum class Step { kWait, kBringToFront, kUnload };

  // lockTimeout is the system's foreground lock timeout in milliseconds, interval the timer's;
  // without the timeout the chooser pushes itself to the front on the first tick.
  ForegroundWatch(std::optional<std::int32_t> lockTimeout, std::int32_t interval);

  // One tick. ours: the chooser owns the foreground; startKept: the window that owned it when
  // the chooser was first activated still does.
  Step Tick(bool ours, bool startKept);

 private:
  std::int32_t tickLimit_;
  std::int32_t ticks_ = 0;
  bool wasForeground_ = false;
};

}  // namespace tavrel
