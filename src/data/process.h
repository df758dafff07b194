// Starting another program and waiting for it, and (re-)registering a COM library with the
// system's registration tool "regsvr32".
#pragma once

#include <string>

namespace tavrel {

// Runs "program arguments" as a child process and waits until it ends or 30 seconds have passed
// (then the child keeps running). True when the child was started and every system call of the
// wait succeeded; the child's exit code does not count. Failed calls are reported under
// "ShellAndWaitUntilDone".
[[nodiscard]] bool ShellAndWaitUntilDone(const std::string& program, const std::string& arguments);

// Unregisters the library (in double quotes when it holds a blank) silently twice, then registers
// it silently; returns the result of the registration run. Failures before the runs are reported
// under "RegisterDLL".
[[nodiscard]] bool RegisterDLL(const std::string& path);

// How long ShellAndWaitUntilDone waits for the child.
inline constexpr unsigned kChildWaitMilliseconds = 30000;

}  // namespace tavrel
