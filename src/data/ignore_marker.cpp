#include "data/ignore_marker.h"

#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "os/files.h"
#include "os/os.h"

namespace tavrel {
namespace {
constexpr const char* kArmed = "Bl1.ign";
constexpr const char* kUsed = "Bl1.ok";
}  // namespace

bool CheckIgnoreMarkerIn(const std::string& folder) {
  bool armed = false;
  if (folder.empty()) return false;
  SkipFailure([&] {
    const std::string ign = JoinPaths(folder, kArmed);
    if (!os::IsFile(ign)) return;
    armed = true;
    const std::string ok = JoinPaths(folder, kUsed);
    // When it cannot be renamed (a used marker is in the way) it is deleted instead: a marker
    // that stayed armed would make every later request pass through, not just this one.
    if (!SkipFailure([&] { files::RenameFile(ign, ok); }))
      SkipFailure([&] { files::RemoveFile(ign); });
  });
  return armed;
}

namespace {
// The marker files of the folder as they are now; one that cannot be tested counts as given.
IgnoreMarkerState MarkersIn(const std::string& ign, const std::string& ok,
                            bool armedIfUnknown = false, bool usedIfUnknown = false) {
  IgnoreMarkerState state;
  state.armed = armedIfUnknown;
  state.used = usedIfUnknown;
  SkipFailure([&] { state.armed = os::IsFile(ign); });
  SkipFailure([&] { state.used = os::IsFile(ok); });
  return state;
}

// Makes a marker file exist or not, as wanted.
void SetMarker(const std::string& path, bool present, bool wanted) {
  if (present == wanted) return;
  if (wanted)
    SkipFailure([&] { files::WriteWholeFile(path, " \r\n"); });
  else
    SkipFailure([&] { files::RemoveFile(path); });
}
}  // namespace

IgnoreMarkerState ArmIgnoreMarkerIn(const std::string& folder) {
  IgnoreMarkerState before;
  if (folder.empty()) return before;
  SkipFailure([&] {
    const std::string ok = JoinPaths(folder, kUsed);
    const std::string ign = JoinPaths(folder, kArmed);
    before = MarkersIn(ign, ok);
    before.folder = folder;
    if (before.used) {
      // Renaming fails when an armed marker exists already: then the used one goes.
      if (!SkipFailure([&] { files::RenameFile(ok, ign); }))
        SkipFailure([&] { files::RemoveFile(ok); });
    } else {
      SkipFailure([&] { files::WriteWholeFile(ign, " \r\n"); });
    }
  });
  return before;
}

void RestoreIgnoreMarkerIn(const std::string& folder, const IgnoreMarkerState& before) {
  if (folder.empty()) return;
  SkipFailure([&] {
    const std::string ok = JoinPaths(folder, kUsed);
    const std::string ign = JoinPaths(folder, kArmed);
    // A marker that cannot be tested counts as changed, so that putting it back is tried: an
    // armed marker left behind would pass the user's next document.
    IgnoreMarkerState now = MarkersIn(ign, ok, !before.armed, !before.used);
    // An armed marker that was the used one before the launch is renamed back.
    if (now.armed && !before.armed && before.used && !now.used &&
        SkipFailure([&] { files::RenameFile(ign, ok); })) {
      now.armed = false;
      now.used = true;
    }
    SetMarker(ign, now.armed, before.armed);
    SetMarker(ok, now.used, before.used);
  });
}

namespace {
// The program folder; empty when it cannot be had.
std::string MarkerFolder() noexcept {
  std::string folder;
  SkipFailure([&] { folder = files::ProgramFolder(); });
  return folder;
}
}  // namespace

bool CheckIgnoreMarker() {
  return CheckIgnoreMarkerIn(MarkerFolder());
}

IgnoreMarkerState ArmIgnoreMarker() {
  return ArmIgnoreMarkerIn(MarkerFolder());
}

void RestoreIgnoreMarker(const IgnoreMarkerState& before) {
  RestoreIgnoreMarkerIn(before.folder, before);
}

}  // namespace tavrel
