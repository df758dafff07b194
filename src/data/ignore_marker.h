// The one-shot marker that makes the request following a launch pass straight through:
// "Bl1.ign" (armed) and "Bl1.ok" (used) in the program folder. Only their existence counts.
#pragma once

#include <string>

namespace tavrel {

// Which of the two marker files exist, and in which folder.
struct IgnoreMarkerState {
  bool armed = false;
  bool used = false;
  std::string folder;  // set by ArmIgnoreMarkerIn; empty for a folder without markers
};

// Consumes an armed marker: true when the marker was armed, which is then renamed to the used
// marker and the request is ignored. Never raises.
[[nodiscard]] bool CheckIgnoreMarker();

// Arms the marker right before a launch: the used marker is renamed back (or, when that fails,
// deleted), or a new armed marker is written. Returns the markers as they were before. Never
// raises; a folder that cannot be written gets no marker.
IgnoreMarkerState ArmIgnoreMarker();

// Puts the markers back as they were before ArmIgnoreMarker, when the launch it was armed for
// did not happen: an armed marker renamed from the used one gets its old name back, one written
// for the launch is removed. The folder is the one the marker was armed in. Never raises.
void RestoreIgnoreMarker(const IgnoreMarkerState& before);

// The same operations on the markers of a given folder.
[[nodiscard]] bool CheckIgnoreMarkerIn(const std::string& folder);
IgnoreMarkerState ArmIgnoreMarkerIn(const std::string& folder);
void RestoreIgnoreMarkerIn(const std::string& folder, const IgnoreMarkerState& before);

}  // namespace tavrel
