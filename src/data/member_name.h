// Which names of a data package's members may be written into the work folder, and under what
// name: members are extracted flat, under their base name, and only when that name is a plain
// file name on every Windows file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel::package {

// The longest base name written; longer names are skipped.
inline constexpr std::size_t kMaxMemberNameLength = 200;

// The base name a member is extracted under, or nullopt when it is skipped; then *reason (when
// given) says why. Skipped: folder entries, names with a ".." part, drive letters, absolute and
// UNC paths, device names (CON, NUL, COM1, ...), characters Windows forbids in file names,
// characters outside ASCII, names ending in a dot or a blank, over-long names.
[[nodiscard]] std::optional<std::string> ExtractedName(std::string_view memberName,
                                                       std::string* reason = nullptr);

}  // namespace tavrel::package
