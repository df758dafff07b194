#include <windows.h>

#include <shellapi.h>

#include "request/launch.h"

namespace tavrel {

LaunchResult LaunchProgram(const std::string& program, const std::string& document,
                           const std::string& verb, const SearchFolders& folders) {
  const LaunchCall call = PlanLaunch(program, document, verb, folders);
  const HINSTANCE answer =
      ShellExecuteA(GetDesktopWindow(), call.operation.c_str(), call.file.c_str(),
                    call.parameters.c_str(), call.directory.c_str(), SW_SHOWNORMAL);
  return LaunchResultOf(static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(answer)));
}

}  // namespace tavrel
