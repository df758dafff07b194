#include <windows.h>

#include <memory>
#include <vector>

#include "data/process.h"
#include "errors/failure.h"
#include "errors/reporting.h"

namespace tavrel {
namespace {

constexpr const char* kTag = "ShellAndWaitUntilDone";

// The platform-call check: a call that returned its failure value is reported under the tag,
// with the system's last error as the failure's number. Returns whether the call succeeded.
// TODO(errors): the error subsystem's CheckApiResult takes this place once it is in.
bool CallSucceeded(long long result, long long failureValue) {
  if (result != failureValue) return true;
  const auto lastError = static_cast<std::int32_t>(GetLastError());
  PendingFailure() = MakeFailure(lastError, {}, lastError);
  ReportFailure(kTag);
  return false;
}

struct HandleClose {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleClose>;

}  // namespace

bool ShellAndWaitUntilDone(const std::string& program, const std::string& arguments) {
  bool allSucceeded = false;
  RunReported(kTag, [&] {
    const std::string commandLine = program + " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    const BOOL created = CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE,
                                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &child);
    if (!CallSucceeded(created, 0)) return;
    Handle process(child.hProcess);
    Handle thread(child.hThread);  // of no use here, but closed so that it does not leak

    const DWORD waited = WaitForSingleObject(process.get(), kChildWaitMilliseconds);
    bool ok = CallSucceeded(static_cast<long long>(waited), static_cast<long long>(WAIT_FAILED));
    DWORD exitCode = 0;
    ok = CallSucceeded(GetExitCodeProcess(process.get(), &exitCode), 0) && ok;
    ok = CallSucceeded(CloseHandle(process.release()), 0) && ok;
    allSucceeded = ok;
  });
  return allSucceeded;
}

}  // namespace tavrel
