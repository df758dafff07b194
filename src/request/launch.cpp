#include "request/launch.h"

#include "base/failure.h"
#include "base/path.h"
#include "errors/reporting.h"
#include "errors/system_error_text.h"
#include "fileinfo/file_type.h"
#include "fileinfo/strings.h"

namespace tavrel {
namespace {

// The shell answers 32 or less when a program does not start. Its codes for a missing file or
// path, denied access, lack of memory and a bad format are the system's error numbers; the
// others are its own and stand for these system errors.
struct ShellCode {
  std::int32_t answer, systemError;
};
constexpr ShellCode kShellCodes[] = {
    {0, 8},      // out of memory or resources
    {26, 32},    // sharing violation
    {27, 1155},  // incomplete association: no application is associated
    {28, 1156},  // DDE time-out: the DDE transaction failed
    {29, 1156},  // DDE failure
    {30, 1156},  // DDE busy
    {31, 1155},  // no association
    {32, 1157},  // a library the program needs was not found
};

std::int32_t SystemErrorOf(std::int32_t shellAnswer) {
  for (const ShellCode& code : kShellCodes)
    if (code.answer == shellAnswer) return code.systemError;
  return shellAnswer;
}

}  // namespace

LaunchCall PlanLaunch(const std::string& program, const std::string& document,
                      const std::string& verb, const SearchFolders& folders) {
  const FileTypeInfo parts = GetFileType(document, folders);
  // A short path holds no blank; the long path a volume without short names gives instead may,
  // and is quoted so that the program gets it as one argument.
  return LaunchCall{verb.empty() ? std::string("open") : verb, program,
                    path::QuotedIfBlank(document), JoinPaths(parts.Drive, parts.Folder)};
}

LaunchResult LaunchResultOf(std::int32_t shellAnswer) {
  if (shellAnswer > 32) return {true, shellAnswer, 0};
  return {false, shellAnswer, SystemErrorOf(shellAnswer)};
}

void ReportFailedStart(const std::string& program, const LaunchResult& result) noexcept {
  SkipFailure([&] {
    PendingFailure() =
        MakeFailure(result.systemError,
                    "Cannot start " + program + ": " + GetSystemErrorText(result.systemError),
                    result.systemError);
  });
  if (PendingFailure().number != 0) ReportFailure("LaunchProgram");
}

}  // namespace tavrel
