#include "data/ignore_marker.h"

#include "errors/reporting.h"
#include "fileinfo/strings.h"
#include "platform/files.h"

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
    if (!files::IsFile(ign)) return;
    armed = true;
    // The used marker's path is the armed one with its file name replaced.
    const std::string ok = ign.substr(0, ign.size() - 7) + kUsed;
    // When it cannot be renamed (a used marker is in the way) it is deleted instead: a marker
    // that stayed armed would make every later request pass through, not just this one.
    if (!SkipFailure([&] { files::RenameFile(ign, ok); }))
      SkipFailure([&] { files::RemoveFile(ign); });
  });
  return armed;
}

void ArmIgnoreMarkerIn(const std::string& folder) {
  if (folder.empty()) return;
  SkipFailure([&] {
    const std::string ok = JoinPaths(folder, kUsed);
    const std::string ign = JoinPaths(folder, kArmed);
    if (files::IsFile(ok)) {
      // Renaming fails when an armed marker exists already: then the used one goes.
      if (!SkipFailure([&] { files::RenameFile(ok, ign); }))
        SkipFailure([&] { files::RemoveFile(ok); });
    } else {
      SkipFailure([&] { files::WriteWholeFile(ign, " \r\n"); });
    }
  });
}

bool CheckIgnoreMarker() {
  return CheckIgnoreMarkerIn(files::ProgramFolder());
}

void ArmIgnoreMarker() {
  ArmIgnoreMarkerIn(files::ProgramFolder());
}

}  // namespace tavrel
