// The chooser window's lifetime, rows, messages and pick.
#include "ui/chooser_window_win.h"

#include <utility>

#include "base/failure.h"
#include "errors/reporting.h"
#include "os/ansi_win.h"
#include "os/messages_win.h"
#include "ui/screen_win.h"

namespace tavrel {
namespace {

constexpr wchar_t kClassName[] = L"frmList";
constexpr wchar_t kDesignCaption[] = L"Ferrule Choices";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kIconsTimerId = 2;  // the next icon step, behind a click or key
constexpr UINT kTimerInterval = 100;
constexpr UINT_PTR kListSubclassId = 1;
constexpr int kDesignWidth = 160;  // client size at design time, pixels
constexpr int kDesignHeight = 120;

// Asks the window to look up its programs' icons, one step a message, once it is shown.
constexpr UINT kLoadIconsMessage = WM_APP + 1;
// Asks the window to give its list the keyboard focus, after the messages already waiting.
constexpr UINT kFocusListMessage = WM_APP + 2;

HINSTANCE Module() {
  return GetModuleHandleW(nullptr);
}

[[noreturn]] void RaiseLastError() {
  Raise(errnum::kInvalidCall, {}, static_cast<std::int32_t>(GetLastError()));
}

}  // namespace

void SetCellText(HWND list, int row, int column, std::wstring text) {
  LVITEMW sub{};
  sub.iSubItem = column;
  sub.pszText = text.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
}

void ChooserPopup::RegisterClassOnce() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &ChooserPopup::FrameProc;
    wc.hInstance = Module();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) RaiseLastError();
}

ChooserPopup::ChooserPopup(HighContrastQuery highContrast)
    : highContrast_(highContrast ? highContrast : SystemHighContrast), pointer_(PointerPosition()) {
  RegisterClassOnce();
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  RECT bounds{0, 0, kDesignWidth, kDesignHeight};
  AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
  // Made on the monitor under the pointer, so that it has that monitor's density from the start.
  const RECT work = MonitorAt(pointer_).rcWork;
  frame_ = CreateWindowExW(exStyle, kClassName, kDesignCaption, style, work.left, work.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                           Module(), this);
  if (!frame_) RaiseLastError();
  CreateList();
}

// The header stays hidden: the list's height is computed from its rows alone. The window owns
// the image lists the list shows, hence LVS_SHAREIMAGELISTS. Until it is fitted the list is as
// large as the screen: rows it could not hold would give it scroll bars, each one a change of
// its frame, and a bar could stay for good once the columns are fitted.
void ChooserPopup::CreateList() {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                          0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          GetSystemMetrics(SM_CYVIRTUALSCREEN), frame_, nullptr, Module(), nullptr);
  if (!list_) {
    const auto error = static_cast<std::int32_t>(GetLastError());
    DestroyWindow(frame_);
    Raise(errnum::kInvalidCall, {}, error);
  }
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  // Not drawn until it is fitted: every row and cell added to a list that draws asks the system
  // to repaint it (under Wine a round trip to the server each), hidden as it is.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  listOwnColours_ = ListColoursOf(list_);
  FollowTheme();
  icons_.UsePlaceholder(list_);
  FollowDpi();
  const wchar_t* headers[] = {L"Company - Product", L"Version"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(headers[c]);
    // Narrow enough that the list shows no horizontal scroll bar before it is fitted, since its
    // height would otherwise be computed with the bar's.
    column.cx = kDesignWidth / 3;
    column.iSubItem = c;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
}

void ChooserPopup::SetCaption(const std::string& caption) {
  SetWindowTextW(frame_, Utf8ToWide(caption).c_str());
}

void ChooserPopup::Add(const Candidate& row) {
  std::wstring text = Utf8ToWide(row.text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = text.data();
  item.iImage = 0;
  item.lParam = row.rowId;
  const auto index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (index < 0) Raise(errnum::kOutOfMemory);
  const std::wstring detail = Utf8ToWide(row.detail);
  SetCellText(list_, static_cast<int>(index), 1, detail);
  icons_.Add(row.program);
  details_.push_back(detail);
  if (row.rowId >= 0) {
    if (colours_.size() <= static_cast<std::size_t>(row.rowId)) colours_.resize(row.rowId + 1u);
    colours_[static_cast<std::size_t>(row.rowId)] = row.colour;
  }
}

void ChooserPopup::Clear() {
  pointer_ = PointerPosition();
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);  // until the new rows are fitted
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  colours_.clear();
  details_.clear();
  detailsShortened_ = false;
  icons_.Clear(list_);
}

void ChooserPopup::Show() {
  chosenIndex_ = -1;
  if (!frame_) return;  // closed by a failure: the wait raises it
  ShowWindow(frame_, SW_SHOWNORMAL);
  // Painted now: a paint waits behind every posted message, and the icons' steps post each other
  // until the last one is in.
  RedrawWindow(frame_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Keys reach the list only from here on, through the message loop. Its hook goes in now, not
  // when it is made: every message to a hooked window looks the hook up (under Wine a round trip
  // to the server), and filling and fitting the list sends it many.
  SetWindowSubclass(list_, &ChooserPopup::ListProc, kListSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  PostMessageW(frame_, kLoadIconsMessage, 0, 0);
}

std::int32_t ChooserPopup::WaitForPick() {
  // The chooser's 100 ms timer wakes the wait while the window is up. A quit message (posted
  // again for the server's loop) ends the wait without a pick and takes the window with it.
  while (Loaded()) {
    if (!PumpPendingMessages()) {
      Unload();
      return -1;
    }
    if (Loaded()) WaitMessage();
  }
  if (failure_) throw *std::exchange(failure_, std::nullopt);
  return chosenIndex_;
}

void ChooserPopup::KeepFailure() noexcept {
  CatchIntoPending();
  if (!failure_) failure_ = PendingFailure();
  ClearPendingFailure();
  if (frame_) Unload();
}

LRESULT ChooserPopup::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const auto tag = static_cast<std::size_t>(draw.nmcd.lItemlParam);
      if (tag < colours_.size()) ColourRow(draw, theme_, colours_[tag]);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void ChooserPopup::FollowTheme() {
  const bool darkTitleShown = theme_.theme == ColourTheme::kDark;
  theme_ = ColoursFor(ReadColourTheme(highContrast_()), ReadSystemColours());
  ShowTheme(frame_, list_, theme_, listOwnColours_, darkTitleShown);
}

void ChooserPopup::OnFirstActivation() {
  std::optional<std::int32_t> lockTimeout;
  SkipFailure([&] {
    DWORD timeout = 0;
    if (!SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0)) RaiseLastError();
    lockTimeout = static_cast<std::int32_t>(timeout);
  });
  watch_.emplace(lockTimeout, kTimerInterval);
  SetTimer(frame_, kTimerId, kTimerInterval, nullptr);
  startForeground_ = GetForegroundWindow();
}

void ChooserPopup::OnTimer() {
  if (busy_) return;  // a tick that came while an earlier one ran the messages
  busy_ = true;
  PumpPendingMessages();
  busy_ = false;
  if (!frame_) return;  // unloaded while messages were processed
  const HWND foreground = GetForegroundWindow();
  switch (watch_->Tick(foreground == frame_, foreground == startForeground_)) {
    case ForegroundWatch::Step::kUnload:
      KillTimer(frame_, kTimerId);
      Unload();
      return;
    case ForegroundWatch::Step::kBringToFront:
      SetForegroundWindow(frame_);
      break;
    case ForegroundWatch::Step::kWait:
      break;
  }
}

void ChooserPopup::LoadIconStep() {
  if (!icons_.LoadNext(list_)) return;
  // A posted message is taken before any click or key: with one waiting, the next step comes by
  // a timer instead, whose message is taken after it. The pointer's moves do not hold it up.
  if (HIWORD(GetQueueStatus(QS_KEY | QS_MOUSEBUTTON)) != 0) {
    SetTimer(frame_, kIconsTimerId, USER_TIMER_MINIMUM, nullptr);
  } else {
    PostMessageW(frame_, kLoadIconsMessage, 0, 0);
  }
}

void ChooserPopup::AcceptSelection() {
  const auto selected =
      SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  if (selected >= 0) chosenIndex_ = static_cast<std::int32_t>(selected) + 1;
  Unload();
}

LRESULT CALLBACK ChooserPopup::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ChooserPopup*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->OnFrameMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    self->KeepFailure();
    return 0;
  }
}

LRESULT ChooserPopup::OnFrameMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        // Keys go to the list. Taken while the window is first shown, the focus would hold up
        // its first paint by milliseconds under Wine; posted, it comes before any key is read.
        PostMessageW(hwnd, kFocusListMessage, 0, 0);
        if (!watch_) OnFirstActivation();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) OnTimer();
      if (wParam == kIconsTimerId) {
        KillTimer(hwnd, kIconsTimerId);
        LoadIconStep();
      }
      return 0;
    case kFocusListMessage:
      if (GetActiveWindow() == hwnd) SetFocus(list_);
      return 0;
    case kLoadIconsMessage:
      LoadIconStep();
      return 0;
    case WM_SYSCOLORCHANGE:  // the list learns of new system colours only from its parent
      SendMessageW(list_, message, wParam, lParam);
      [[fallthrough]];
    case WM_SETTINGCHANGE:
      if (IsColourChange(message, wParam, lParam)) FollowTheme();
      break;
    case WM_DPICHANGED:
      OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.hwndFrom != list_) break;
      if (header.code == NM_CUSTOMDRAW)
        return OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
      if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        AcceptSelection();
        return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      // Unloaded: the window is gone; its owner sees it through Loaded.
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      frame_ = nullptr;
      list_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ChooserPopup::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
  // Every key that produces a character picks, Enter and Esc included; arrow keys produce none
  // and only move the selection.
  if (message == WM_CHAR) {
    auto* self = reinterpret_cast<ChooserPopup*>(data);
    try {
      self->AcceptSelection();
    } catch (...) {
      self->KeepFailure();
    }
    return 0;
  }
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &ChooserPopup::ListProc, kListSubclassId);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::unique_ptr<ChooserWindow> CreateChooserWindow(HighContrastQuery highContrast) {
  return std::make_unique<ChooserPopup>(highContrast);
}

}  // namespace tavrel
