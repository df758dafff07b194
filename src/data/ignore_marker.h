// The one-shot marker that makes the request following a launch pass straight through:
// "Bl1.ign" (armed) and "Bl1.ok" (used) in the program folder. Only their existence counts.
#pragma once

#include <string>

namespace tavrel {

// True when the marker was armed: it is renamed to the used marker and the request is ignored.
// Never raises.
bool CheckIgnoreMarker();

// Arms the marker right before a launch: the used marker is renamed back (or, when that fails,
// deleted), or a new armed marker is written. Never raises; a folder that cannot be written
// gets no marker.
void ArmIgnoreMarker();

// The same operations on the markers of a given folder.
bool CheckIgnoreMarkerIn(const std::string& folder);
void ArmIgnoreMarkerIn(const std::string& folder);

}  // namespace tavrel
