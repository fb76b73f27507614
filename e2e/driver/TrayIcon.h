#pragma once
// The program's notification-area icon, seen and worked from outside: the events the shell
// would send, the tooltip as the shell shows it, and the shell's side of an icon's life.
#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

inline constexpr UINT kTrayIconId = 1;
inline constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;

// Posts what the shell posts for a mouse event on the icon (e.g. WM_RBUTTONUP, WM_LBUTTONDBLCLK).
void PostTrayEvent(HWND form1, UINT mouseEvent);
// Posts an event as the shell reports it in the icon's current form, with the icon's anchor
// point: the keyboard's (NIN_KEYSELECT for Enter or Space, WM_CONTEXTMENU for the menu key),
// which Wine's taskbar cannot send itself.
void PostTrayEventAt(HWND form1, UINT event, POINT anchor);
// The middle of the rightmost icon of the shown taskbar; none without a taskbar.
std::optional<POINT> TrayIconPoint();

// Asks the shell whether it holds the icon (a change request that changes nothing succeeds only
// for an icon it has).
bool TrayIconExists(HWND form1);
// Makes the shell drop the icon, as a shell that restarts loses every icon.
bool ForgetTrayIcon(HWND form1);
// What a newly started shell tells every top-level window ("TaskbarCreated").
void AnnounceNewTaskbar();

// The shell's taskbar, when it is shown.
HWND VisibleTaskbar();

struct ShownTooltip {
  HWND window = nullptr;
  std::string text;
};

// Rests the pointer on the icons of the taskbar, from the right end, until a tooltip that
// starts with `prefix` shows; leaves it shown so that a screenshot can catch it.
std::optional<ShownTooltip> HoverTrayIcon(const std::string& prefix, DWORD timeoutMs);
// Rests the pointer on the rightmost icon of the taskbar, where a user's click would be.
void PointAtTrayIcon();
// Moves the pointer away from the icons and takes down any tooltip left shown.
void MovePointerAway();

}  // namespace e2e
