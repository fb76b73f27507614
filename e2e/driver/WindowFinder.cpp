#include "WindowFinder.h"

#include <vector>

#include "Poll.h"
#include "Text.h"

namespace e2e {

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int n = GetClassNameW(window, name, 256);
  return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied))
    return {};
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return ToUtf8(text);
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

bool Matches(HWND window, const WindowQuery& query) {
  if (!query.className.empty() && ClassOf(window) != query.className) return false;
  if (query.processId != 0 && ProcessOf(window) != query.processId) return false;
  if (query.visibleOnly && !IsWindowVisible(window)) return false;
  if (!query.title.empty()) {
    wchar_t title[256] = {};
    // The top-level window's title lives with the window manager, so GetWindowText is safe here.
    GetWindowTextW(window, title, 256);
    if (query.title != title) return false;
  }
  return true;
}

namespace {

// Adds each window that the system enumerates to the list.
BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(const WindowQuery& query) {
  std::vector<HWND> found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
  std::erase_if(found, [&](HWND window) { return !Matches(window, query); });
  return found;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindTopLevel(const WindowQuery& query) {
  const std::vector<HWND> found = TopLevelWindows(query);
  return found.empty() ? nullptr : found.front();
}

HWND WaitForTopLevel(const WindowQuery& query, DWORD timeoutMs) {
  return WaitFor([&] { return FindTopLevel(query); }, timeoutMs);
}

}  // namespace e2e
