#include "PopupMenu.h"

#include "Poll.h"
#include "WindowFinder.h"

namespace e2e {

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs) {
  return WaitForTopLevel(WindowOfClass(L"#32768").OfProcess(processId).Visible(), timeoutMs);
}

namespace {

void PressKey(HWND menu, WPARAM key) {
  PostMessageW(menu, WM_KEYDOWN, key, 1);
  PostMessageW(menu, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

bool WaitClosed(HWND menu, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, timeoutMs);
}

}  // namespace

bool ChooseMenuItem(HWND menu, int downPresses, DWORD timeoutMs) {
  // Home first: an item may be lit already, under the pointer or by an earlier key.
  if (downPresses > 0) PressKey(menu, VK_HOME);
  for (int i = 1; i < downPresses; ++i) PressKey(menu, VK_DOWN);
  PressKey(menu, VK_RETURN);
  return WaitClosed(menu, timeoutMs);
}

bool DismissMenu(HWND menu, DWORD timeoutMs) {
  PressKey(menu, VK_ESCAPE);
  return WaitClosed(menu, timeoutMs);
}

}  // namespace e2e
