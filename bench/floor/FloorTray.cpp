// The floor the program is measured against: the least a Win32 tray program can be. It registers
// a hidden window, adds one icon with a fixed tooltip and waits for messages; closing the window
// takes the icon away and ends it. Built with the program's own compiler and flags.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr UINT kIconId = 1;

NOTIFYICONDATAW IconRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  record.uID = kIconId;
  return record;
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE: {
      NOTIFYICONDATAW record = IconRecord(window);
      Shell_NotifyIconW(NIM_DELETE, &record);
      DestroyWindow(window);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"KestalFloor";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, L"KestalFloor", L"Floor", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return 1;

  NOTIFYICONDATAW record = IconRecord(window);
  record.uFlags = NIF_ICON | NIF_TIP;
  record.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(record.szTip, L"Floor", ARRAYSIZE(record.szTip));
  if (!Shell_NotifyIconW(NIM_ADD, &record)) return 1;

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
