#pragma once
// Finding the program's windows from outside, with bounded waits.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// What a window must be to match: WindowOfClass(L"#32770").OfProcess(id).Visible().
struct WindowQuery {
  std::wstring className;  // empty: any class
  std::wstring title;      // empty: any title
  DWORD processId = 0;     // 0: any process
  bool visibleOnly = false;

  WindowQuery& Titled(std::wstring text) {
    title = std::move(text);
    return *this;
  }
  WindowQuery& OfProcess(DWORD id) {
    processId = id;
    return *this;
  }
  WindowQuery& Visible() {
    visibleOnly = true;
    return *this;
  }
};

inline WindowQuery WindowOfClass(std::wstring className) {
  WindowQuery query;
  query.className = std::move(className);
  return query;
}

std::wstring ClassOf(HWND window);
// The window's text as WM_GETTEXT gives it (works across processes, unlike GetWindowText for
// controls of another process).
std::string TextOf(HWND window);
DWORD ProcessOf(HWND window);
bool Matches(HWND window, const WindowQuery& query);

// The top-level windows of the desktop that match, from the top of the screen's order down.
std::vector<HWND> TopLevelWindows(const WindowQuery& query);
// The window's children, and theirs, all the way down.
std::vector<HWND> ChildWindows(HWND parent);
// The first top-level window of the desktop that matches, or nullptr.
HWND FindTopLevel(const WindowQuery& query);
HWND WaitForTopLevel(const WindowQuery& query, DWORD timeoutMs);

}  // namespace e2e
