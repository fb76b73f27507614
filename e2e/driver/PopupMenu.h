#pragma once
// The tray icon's popup menu (window class "#32768"), chosen from with the keyboard as a user
// would. Another process cannot read a menu's items, so items are chosen by their place.
#include <windows.h>

namespace e2e {

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs);
// Presses Down `downPresses` times from the freshly opened menu (the first press selects the
// first item; separators are skipped), then Enter; waits for the menu to close.
bool ChooseMenuItem(HWND menu, int downPresses, DWORD timeoutMs);
// Escape: closes the menu without a choice.
bool DismissMenu(HWND menu, DWORD timeoutMs);

}  // namespace e2e
