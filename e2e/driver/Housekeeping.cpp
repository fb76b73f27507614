// Sub-commands that keep the shared desktop usable between scenarios: one process that holds
// the desktop open for the whole run, and the removal of a program a failed scenario left.
#include <string>
#include <vector>

#include "Poll.h"
#include "Scenarios.h"
#include "Screenshot.h"
#include "TrayIcon.h"
#include "WindowFinder.h"
#include "platform/win32/FormWindowIds.h"

namespace e2e {

namespace {

// The desktop (and its taskbar) lives while some process uses it; this one does so, hidden,
// until it is closed or its longest life has passed, so a lost cleanup cannot keep it forever.
constexpr UINT kLongestHoldMs = 45 * 60 * 1000;
constexpr UINT_PTR kHoldTimer = 1;

LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER || message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void HoldDesktop(Session& session) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HolderProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KestalDateDriver_Holder";
  RegisterClassW(&windowClass);
  HWND holder = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  session.report.Check(holder != nullptr, "the desktop is held open");
  if (!holder) return;
  SetTimer(holder, kHoldTimer, kLongestHoldMs, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

// The program's windows on the desktop, known by their class; not the driver's own.
std::vector<HWND> ProgramWindows() {
  const std::wstring prefix = kestal::kFormClassPrefix;
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows({})) {
    if (ClassOf(window).compare(0, prefix.size(), prefix) == 0 &&
        ProcessOf(window) != GetCurrentProcessId())
      found.push_back(window);
  }
  return found;
}

// Ends every KestalDate.exe still on the desktop (found by its windows' class).
void RemoveLeftPrograms(Session& session) {
  for (HWND window : ProgramWindows()) {
    if (auto program = RunningProgram::OfWindow(window)) program->Terminate();
  }
  session.report.Check(WaitUntil([] { return ProgramWindows().empty(); }, 5000),
                       "no KestalDate.exe is left on the desktop");
}

// Waits for the holder and the shell's taskbar window (hidden while no icon exists).
void DesktopReady(Session& session) {
  session.report.Check(WaitForTopLevel(WindowOfClass(L"KestalDateDriver_Holder"), 60000) != nullptr,
                       "the desktop holder runs");
  session.report.Check(WaitForTopLevel(WindowOfClass(L"Shell_TrayWnd"), 60000) != nullptr,
                       "the shell's taskbar exists");
}

// For the run script: rests the pointer on the icon until its tooltip shows, prints the text and
// takes a screenshot of the desktop with it ("desktop" in the screenshot folder).
void ShowTooltip(Session& session) {
  const auto shown = HoverTrayIcon("Velorn", 30000);
  if (session.report.Check(shown.has_value(), "the icon's tooltip shows")) {
    session.report.Note("tooltip: " + shown->text);
    SaveScreenshot("desktop");
  }
}

const RegisteredScenarios kHousekeeping{
    {"hold-desktop", "keeps the desktop open until closed", HoldDesktop},
    {"desktop-ready", "waits until the held desktop and its taskbar are there", DesktopReady},
    {"remove-left-programs", "ends any KestalDate.exe still running", RemoveLeftPrograms},
    {"show-tooltip", "shows the icon's tooltip and prints its text", ShowTooltip},
};

}  // namespace

}  // namespace e2e
