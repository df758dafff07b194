// Reads the chooser window of another process (the server's) from outside, as a user sees it:
// prints its caption, its rectangle on the screen, its list's colours, then one line per row with
// the row's centre on the screen and its two column texts, and one with where its texts lie on the
// screen (from the first column's label to the row's end). With "setting AREA" it first tells
// every window that the setting AREA changed, as the system does (WM_SETTINGCHANGE). Exit code 1
// when no chooser is shown. Texts are printed in UTF-8.
// Output: CAPTION=<caption>  WINDOW <left> <top> <right> <bottom>
//         COLOURS=<background> <text background> <text> (0xBBGGRR), then
//         ROW <n> <x> <y> <column 1>|<column 2>  and  TEXT <n> <left> <top> <right> <bottom>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "os/ansi_win.h"
#include "os/handles_win.h"

namespace {

// A block of memory in the list's process, where the list view reads a message's argument and
// writes its answer.
class Remote {
 public:
  explicit Remote(HANDLE process)
      : process_(process),
        at_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  ~Remote() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
  }
  Remote(const Remote&) = delete;
  Remote& operator=(const Remote&) = delete;
  explicit operator bool() const { return at_; }

  // Sends the list a message whose argument points at data, and reads data back.
  template <class T>
  LRESULT Ask(HWND list, UINT message, int item, T& data) const {
    WriteProcessMemory(process_, at_, &data, sizeof data, nullptr);
    const LRESULT answer =
        SendMessageW(list, message, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(at_));
    ReadProcessMemory(process_, at_, &data, sizeof data, nullptr);
    return answer;
  }

  std::string ItemText(HWND list, int item, int subItem) const {
    wchar_t text[kTextSize] = {};
    LVITEMW query{};
    query.iSubItem = subItem;
    query.pszText = reinterpret_cast<wchar_t*>(at_ + kTextOffset);
    query.cchTextMax = kTextSize;
    const auto length = Ask(list, LVM_GETITEMTEXTW, item, query);
    ReadProcessMemory(process_, at_ + kTextOffset, text, sizeof text, nullptr);
    return tavrel::WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(length)));
  }

  RECT ScreenRect(HWND list, int item, int part) const {
    RECT r{part, 0, 0, 0};
    Ask(list, LVM_GETITEMRECT, item, r);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

 private:
  static constexpr std::size_t kTextOffset = 512;
  static constexpr int kTextSize = 256;
  static constexpr std::size_t kSize = kTextOffset + kTextSize * sizeof(wchar_t);
  HANDLE process_;
  char* at_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "setting") {
    const std::wstring area(argv[2], argv[2] + std::strlen(argv[2]));
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  }
  const HWND frame = FindWindowA("frmList", nullptr);
  if (!frame || !IsWindowVisible(frame)) {
    std::printf("NONE\n");
    return 1;
  }
  const HWND list = FindWindowExA(frame, nullptr, WC_LISTVIEWA, nullptr);
  wchar_t caption[512] = {};
  const int captionLength = GetWindowTextW(frame, caption, 512);
  std::printf("CAPTION=%s\n",
              tavrel::WideToUtf8(std::wstring_view(caption, captionLength)).c_str());
  RECT window{};
  GetWindowRect(frame, &window);
  std::printf("WINDOW %ld %ld %ld %ld\n", window.left, window.top, window.right, window.bottom);

  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const tavrel::KernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return 2;
  const Remote remote(process.get());
  if (!remote) return 2;

  const auto colour = [&](UINT message) {
    return static_cast<unsigned long>(SendMessageA(list, message, 0, 0));
  };
  std::printf("COLOURS=%06lX %06lX %06lX\n", colour(LVM_GETBKCOLOR), colour(LVM_GETTEXTBKCOLOR),
              colour(LVM_GETTEXTCOLOR));
  const auto rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < rows; ++i) {
    const RECT r = remote.ScreenRect(list, i, LVIR_BOUNDS);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    std::printf("ROW %d %ld %ld %s|%s\n", i + 1, centre.x, centre.y,
                remote.ItemText(list, i, 0).c_str(), remote.ItemText(list, i, 1).c_str());
    const RECT label = remote.ScreenRect(list, i, LVIR_LABEL);
    std::printf("TEXT %d %ld %ld %ld %ld\n", i + 1, label.left, r.top, r.right, r.bottom);
  }
  std::fflush(stdout);
  return 0;
}
