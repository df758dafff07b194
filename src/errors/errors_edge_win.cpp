// The Win32 edge of the error subsystem: message boxes, the beep and the system's error texts.
#include <windows.h>

#include <array>

#include "errors/errors_edge.h"
#include "os/ansi_win.h"
#include "os/handles_win.h"

namespace tavrel {
namespace {

class Win32Box final : public MessageBoxEdge {
 public:
  int ShowBox(const std::string& caption, const std::string& text, std::uint16_t style) override {
    // The server has no window of its own to own the box: it is task-modal and brought to the
    // front so that the user sees it over the window that asked for the request.
    return MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
                       UINT{style} | MB_TASKMODAL | MB_SETFOREGROUND);
  }
  void Beep() override { MessageBeep(MB_OK); }
};

class Win32Texts final : public SystemTextEdge {
 public:
  std::string SystemMessage(std::int32_t number, const char* extraTable) override {
    // A message table is loaded as data only, so none of its code runs; one that does not load
    // is simply not searched.
    ModuleHandle table;
    if (extraTable)
      table.reset(
          LoadLibraryExW(Utf8ToWide(extraTable).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    DWORD flags =
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
    if (table) flags |= FORMAT_MESSAGE_FROM_HMODULE;
    std::array<wchar_t, 1024> buffer{};
    const DWORD count = FormatMessageW(flags, table.get(), static_cast<DWORD>(number), 0,
                                       buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
    return WideToUtf8(std::wstring_view(buffer.data(), count < buffer.size() ? count : 0));
  }

  bool IsNtFamily() override {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }

  std::int32_t LastError() override { return static_cast<std::int32_t>(GetLastError()); }
};

}  // namespace

ErrorEdges PlatformEdges() noexcept {
  // Stateless: the one pair is shared by every thread.
  static Win32Box box;
  static Win32Texts texts;
  return {box, texts};
}

}  // namespace tavrel
