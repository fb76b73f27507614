#include "TrayIcon.h"

#include <commctrl.h>
#include <shellapi.h>

#include "Poll.h"
#include "WindowFinder.h"

namespace e2e {

void PostTrayEvent(HWND form1, UINT mouseEvent) {
  PostMessageW(form1, kTrayCallbackMessage, kTrayIconId, static_cast<LPARAM>(mouseEvent));
}

namespace {

NOTIFYICONDATAW IconRecord(HWND form1) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = form1;
  record.uID = kTrayIconId;
  return record;
}

}  // namespace

bool TrayIconExists(HWND form1) {
  NOTIFYICONDATAW record = IconRecord(form1);
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool ForgetTrayIcon(HWND form1) {
  NOTIFYICONDATAW record = IconRecord(form1);
  return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

void AnnounceNewTaskbar() {
  SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

HWND VisibleTaskbar() {
  return FindTopLevel(WindowOfClass(L"Shell_TrayWnd").Visible());
}

namespace {

HWND ShownTooltipWindow() {
  return FindTopLevel(WindowOfClass(L"tooltips_class32").Visible());
}

// The middle of the k-th icon place from the right end of the taskbar: icons sit side by side
// there, one small icon and a border wide each.
POINT IconSlot(HWND taskbar, int k) {
  RECT bar{};
  GetWindowRect(taskbar, &bar);
  const int slot = GetSystemMetrics(SM_CXSMICON) + 4;
  return {bar.right - slot / 2 - k * slot, (bar.top + bar.bottom) / 2};
}

// A tooltip can stay up when its icon goes away under it; the next reading must not take its
// old text for a new one.
void HideShownTooltips() {
  WaitUntil(
      [] {
        HWND shown = ShownTooltipWindow();
        if (shown) SendMessageTimeoutW(shown, TTM_POP, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
        return shown == nullptr;
      },
      2000);
}

}  // namespace

void PostTrayEventAt(HWND form1, UINT event, POINT anchor) {
  PostMessageW(form1, kTrayCallbackMessage, MAKEWPARAM(anchor.x, anchor.y),
               MAKELPARAM(event, kTrayIconId));
}

std::optional<POINT> TrayIconPoint() {
  HWND taskbar = VisibleTaskbar();
  if (!taskbar) return std::nullopt;
  return IconSlot(taskbar, 0);
}

void PointAtTrayIcon() {
  if (const auto at = TrayIconPoint()) SetCursorPos(at->x, at->y);
}

void MovePointerAway() {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 3);
  HideShownTooltips();
}

std::optional<ShownTooltip> HoverTrayIcon(const std::string& prefix, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  HWND taskbar = WaitFor(VisibleTaskbar, timeoutMs);
  if (!taskbar) return std::nullopt;
  // Each pass tries the places from the right end; a busy machine may need a second pass
  // before a tooltip shows.
  constexpr int kPlaces = 6;
  for (int attempt = 0; GetTickCount64() < end; ++attempt) {
    const POINT at = IconSlot(taskbar, attempt % kPlaces);
    MovePointerAway();
    SetCursorPos(at.x, at.y);
    SetCursorPos(at.x + 1, at.y);
    ShownTooltip shown;
    WaitUntil(
        [&] {
          shown.window = ShownTooltipWindow();
          if (!shown.window) return false;
          shown.text = TextOf(shown.window);
          return !shown.text.empty();
        },
        3000);
    if (shown.window && shown.text.compare(0, prefix.size(), prefix) == 0) return shown;
  }
  return std::nullopt;
}

}  // namespace e2e
