#include <windows.h>

#include "data/process.h"
#include "errors/api_check.h"
#include "errors/error_handler.h"
#include "errors/reporting.h"
#include "os/ansi_win.h"
#include "os/handles_win.h"

namespace tavrel {
namespace {

constexpr const char* kTag = "ShellAndWaitUntilDone";

// The platform-call check: a call that returned its failure value is reported under this
// procedure's tag. Returns whether the call succeeded.
bool Succeeded(std::int32_t result, std::int16_t failureValue) {
  return CheckApiResult(result, kTag, failureValue, action::kReportAndShow) !=
         std::int32_t{failureValue};
}

}  // namespace

bool ShellAndWaitUntilDone(const std::string& program, const std::string& arguments) {
  bool allSucceeded = false;
  RunReported(kTag, [&] {
    const std::string commandLine = program + " " + arguments;
    // The system may write into the command line it is given.
    std::wstring buffer = Utf8ToWide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    const BOOL created = CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE,
                                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &child);
    if (!Succeeded(created, 0)) return;
    KernelHandle process(child.hProcess);
    const KernelHandle thread(
        child.hThread);  // of no use here, but closed so that it does not leak

    const DWORD waited = WaitForSingleObject(process.get(), kChildWaitMilliseconds);
    bool ok = Succeeded(static_cast<std::int32_t>(waited), -1);
    DWORD exitCode = 0;
    ok = Succeeded(GetExitCodeProcess(process.get(), &exitCode), 0) && ok;
    ok = Succeeded(CloseHandle(process.release()), 0) && ok;
    allSucceeded = ok;
  });
  return allSucceeded;
}

}  // namespace tavrel
