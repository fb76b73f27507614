#include "ChangingWindow.h"

namespace e2e {

namespace {

constexpr wchar_t kClass[] = L"KestalE2E_Changing";
// About a hundred colours a second: every frame of the screen (about 30 a second) shows another.
constexpr DWORD kChangeMs = 10;

// The k-th colour: never black or white, the outline's two tones, and never the one before.
COLORREF ColourAt(int k) {
  return RGB(64 + (k * 53) % 160, 64 + (k * 97) % 160, 64 + (k * 29) % 160);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT all;
      GetClientRect(window, &all);
      SetBkColor(dc, ColourAt(static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA))));
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

ChangingWindow::ChangingWindow(const RECT& place)
    : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  HANDLE shown = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, place, shown] { Run(place, shown); });
  WaitForSingleObject(shown, 5000);
  CloseHandle(shown);
}

ChangingWindow::~ChangingWindow() {
  SetEvent(stop_);
  thread_.join();
  CloseHandle(stop_);
}

void ChangingWindow::Run(RECT place, HANDLE shown) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, L"", WS_POPUP,
                      place.left, place.top, place.right - place.left, place.bottom - place.top,
                      nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
  }
  window_ = window;
  SetEvent(shown);
  // A new colour each time the wait runs out; the window's messages in between (a wait with an
  // empty queue is also when Wine puts what was painted on the screen).
  while (window &&
         MsgWaitForMultipleObjects(1, &stop_, FALSE, kChangeMs, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    SetWindowLongPtrW(window, GWLP_USERDATA, ++changes_);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
  }
  if (window) DestroyWindow(window);
  window_ = nullptr;
}

}  // namespace e2e
