// Where a request's trace line goes: to the debug output, which a debugger or a debug-output
// viewer shows and which costs next to nothing when none listens, and to a log file when the user
// has named one for support.
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// Before a line would take the log file past this size, the file is renamed to "<name>.old"
// (replacing an older one) and a new file is started.
inline constexpr std::uint64_t kTraceLogCap = std::uint64_t{1} << 20;

// The log file named by the string value LogFile under HKCU\Software\Tavrel\Chooser, with
// environment variables expanded; empty when there is none or it is not a full path. Read anew for
// every request, so that logging is switched on and off without restarting anything.
std::wstring ConfiguredTraceLog() noexcept;

// Sends the line to the debug output and, when logFile is not empty, appends it with the local
// time to that file, in UTF-8. Never fails and never shows anything: a log file that cannot be
// written is left alone.
void PublishTrace(const std::string& line, const std::wstring& logFile) noexcept;

}  // namespace tavrel
