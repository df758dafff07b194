// Reads the chooser window of another process (the server's) from outside, as a user sees it:
// prints its caption, its rectangle on the screen, whether its list has a small-icon image list,
// then one line per row with the row's centre on the screen and its two column texts, one with
// the row's image index and one with where its texts lie on the screen (from the first column's
// label to the row's end). With "setting AREA" it first tells every window that the setting AREA
// changed, as the system does (WM_SETTINGCHANGE). Exit code 1 when no chooser is shown. Texts
// are printed in UTF-8.
// Output: CAPTION=<caption>  WINDOW <left> <top> <right> <bottom>  ICONS=<yes|no>
//         COLOURS=<background> <text background> <text> (0xBBGGRR), then
//         ROW <n> <x> <y> <column 1>|<column 2>,  ICON <n> <image index>
//         and  TEXT <n> <left> <top> <right> <bottom>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "os/handles_win.h"

namespace {

// A block of memory in the window's process: the list view answers there.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, std::size_t size)
      : process_(process),
        at_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  ~RemoteBlock() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  char* at() const { return at_; }
  bool Write(std::size_t offset, const void* data, std::size_t size) const {
    return WriteProcessMemory(process_, at_ + offset, data, size, nullptr);
  }
  bool Read(std::size_t offset, void* data, std::size_t size) const {
    return ReadProcessMemory(process_, at_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_;
  char* at_;
};

constexpr std::size_t kTextOffset = 512;
constexpr int kTextSize = 512;

std::string Utf8(std::wstring_view wide) {
  std::string text(wide.size() * 4, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    text.data(), static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

std::string ItemText(HWND list, const RemoteBlock& block, int item, int subItem) {
  LVITEMW query{};
  query.iSubItem = subItem;
  query.pszText = reinterpret_cast<wchar_t*>(block.at() + kTextOffset);
  query.cchTextMax = kTextSize / sizeof(wchar_t);
  if (!block.Write(0, &query, sizeof query)) return {};
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                   reinterpret_cast<LPARAM>(block.at()));
  std::wstring text(kTextSize / sizeof(wchar_t), L'\0');
  if (!block.Read(kTextOffset, text.data(), kTextSize)) return {};
  text.resize(static_cast<std::size_t>(length));
  return Utf8(text);
}

int ImageIndex(HWND list, const RemoteBlock& block, int item) {
  LVITEMA query{};
  query.mask = LVIF_IMAGE;
  query.iItem = item;
  query.iImage = -2;
  if (!block.Write(0, &query, sizeof query) ||
      !SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.at())) ||
      !block.Read(0, &query, sizeof query))
    return -2;
  return query.iImage;
}

RECT ScreenRect(HWND list, const RemoteBlock& block, int item, int part) {
  RECT r{};
  r.left = part;
  block.Write(0, &r, sizeof r);
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(block.at()));
  block.Read(0, &r, sizeof r);
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

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
  std::printf("CAPTION=%s\n", Utf8(std::wstring_view(caption, captionLength)).c_str());
  RECT window{};
  GetWindowRect(frame, &window);
  std::printf("WINDOW %ld %ld %ld %ld\n", window.left, window.top, window.right, window.bottom);

  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const tavrel::KernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return 2;
  const RemoteBlock block(process.get(), kTextOffset + kTextSize);
  if (!block.at()) return 2;

  std::printf("ICONS=%s\n", SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0) ? "yes" : "no");
  const auto colour = [&](UINT message) {
    return static_cast<unsigned long>(SendMessageA(list, message, 0, 0));
  };
  std::printf("COLOURS=%06lX %06lX %06lX\n", colour(LVM_GETBKCOLOR), colour(LVM_GETTEXTBKCOLOR),
              colour(LVM_GETTEXTCOLOR));
  const auto rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < rows; ++i) {
    const RECT r = ScreenRect(list, block, i, LVIR_BOUNDS);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    std::printf("ROW %d %ld %ld %s|%s\n", i + 1, centre.x, centre.y,
                ItemText(list, block, i, 0).c_str(), ItemText(list, block, i, 1).c_str());
    std::printf("ICON %d %d\n", i + 1, ImageIndex(list, block, i));
    const RECT label = ScreenRect(list, block, i, LVIR_LABEL);
    std::printf("TEXT %d %ld %ld %ld %ld\n", i + 1, label.left, r.top, r.right, r.bottom);
  }
  std::fflush(stdout);
  return 0;
}
