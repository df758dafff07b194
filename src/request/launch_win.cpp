#include <windows.h>

#include <shellapi.h>

#include "os/ansi_win.h"
#include "request/launch.h"

namespace tavrel {

LaunchResult LaunchProgram(const std::string& program, const std::string& document,
                           const std::string& verb, const SearchFolders& folders) {
  const LaunchCall call = PlanLaunch(program, document, verb, folders);
  const HINSTANCE answer = ShellExecuteW(
      GetDesktopWindow(), Utf8ToWide(call.operation).c_str(), Utf8ToWide(call.file).c_str(),
      Utf8ToWide(call.parameters).c_str(), Utf8ToWide(call.directory).c_str(), SW_SHOWNORMAL);
  return LaunchResultOf(static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(answer)));
}

}  // namespace tavrel
