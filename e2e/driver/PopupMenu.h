#pragma once
// The tray icon's popup menu (window class "#32768"), chosen from with the keyboard as a user
// would. Another process cannot read a menu's items, so items are chosen by their place.
#include <windows.h>

namespace e2e {

HWND WaitForPopupMenu(DWORD processId, DWORD timeoutMs);
// Takes the item reached by `downPresses` presses of Down in a menu where nothing is lit yet (the
// first press lights the first item; separators are skipped), whatever is lit now; waits for the
// menu to close.
bool ChooseMenuItem(HWND menu, int downPresses, DWORD timeoutMs);
// Escape: closes the menu without a choice.
bool DismissMenu(HWND menu, DWORD timeoutMs);

}  // namespace e2e
