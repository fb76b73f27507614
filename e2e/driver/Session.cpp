#include "Session.h"

#include <cstdlib>

#include "Poll.h"
#include "PopupMenu.h"
#include "Registry.h"
#include "Screenshot.h"
#include "Text.h"
#include "TodayStardate.h"
#include "TrayIcon.h"

namespace e2e {

bool PrepareSetting(Session& session, const std::optional<std::string>& setting) {
  bool ok = DeleteTree(HKEY_CURRENT_USER, kSettingsRoot);
  if (setting) ok = WriteString(HKEY_CURRENT_USER, kSettingsKey, kSettingName, *setting) && ok;
  return session.report.Check(ok, "the convention setting is prepared in the registry");
}

std::unique_ptr<RunningProgram> StartProgram(Session& session) {
  auto program = std::make_unique<RunningProgram>(session.exePath);
  if (!session.report.Check(program->Started(), "KestalDate.exe starts")) return nullptr;
  if (!session.report.Check(program->WaitForForm1(kStartMs) != nullptr,
                            "the start-up window \"Velorn\" of class KestalDate_Form1 exists"))
    return nullptr;
  return program;
}

std::string ExpectedTooltip(const std::optional<std::string>& setting) {
  const Day today = Today();
  return setting && !setting->empty() ? NextGenerationTooltip(today) : ClassicTooltip(today);
}

void CheckTooltip(Session& session, const std::optional<std::string>& setting,
                  const std::string& screenshotName) {
  const std::string before = ExpectedTooltip(setting);
  const auto shown = HoverTrayIcon("Velorn", 2 * kWindowMs);
  const std::string after = ExpectedTooltip(setting);
  if (!session.report.Check(shown.has_value(), "a tooltip beginning \"Velorn\" shows on the icon"))
    return;
  SaveScreenshot(screenshotName);
  if (shown->text == after && after != before) {
    session.report.Check(true, "the tooltip reads today's text (the day turned meanwhile)");
  } else {
    session.report.Equal("the tooltip reads today's text", before, shown->text);
  }
  MovePointerAway();
}

void CloseAndCheckExit(Session& session, RunningProgram& program) {
  PostMessageW(program.Form1(), WM_CLOSE, 0, 0);
  CheckExitedCleanly(session, program);
}

void WithProgram(Session& session, const std::optional<std::string>& setting,
                 const std::function<void(RunningProgram&)>& steps) {
  PrepareSetting(session, setting);
  auto program = StartProgram(session);
  if (!program) return;
  steps(*program);
  if (program->Running()) PostMessageW(program->Form1(), WM_CLOSE, 0, 0);
  CheckExitedCleanly(session, *program);
}

void CheckExitedCleanly(Session& session, RunningProgram& program) {
  if (!session.report.Check(program.WaitForExit(kExitMs), "the program ends by itself")) return;
  session.report.Check(program.ExitCode() == 0, "the program's exit code is 0",
                       "exit code " + std::to_string(program.ExitCode()));
  // The shell shows its taskbar only while it holds an icon.
  session.report.Check(WaitUntil([] { return VisibleTaskbar() == nullptr; }, kWindowMs),
                       "no icon is left in the tray");
}

HWND OpenTrayMenu(Session& session, RunningProgram& program, bool pointAtIcon) {
  if (pointAtIcon) PointAtTrayIcon();
  PostTrayEvent(program.Form1(), WM_RBUTTONUP);
  HWND menu = WaitForPopupMenu(program.Id(), kWindowMs);
  session.report.Check(menu != nullptr, "a right click on the icon opens the menu");
  return menu;
}

bool ChooseFromTrayMenu(Session& session, RunningProgram& program, MenuItem item) {
  HWND menu = OpenTrayMenu(session, program);
  if (!menu) return false;
  const bool closed = session.report.Check(ChooseMenuItem(menu, static_cast<int>(item), kWindowMs),
                                           "the menu closes on the choice");
  // Off the icon again, so that its tooltip does not cover what follows.
  MovePointerAway();
  return closed;
}

HWND OpenFromTrayMenu(Session& session, RunningProgram& program, MenuItem item,
                      const wchar_t* formName) {
  if (!ChooseFromTrayMenu(session, program, item)) return nullptr;
  HWND form = program.WaitForForm(formName, kWindowMs);
  session.report.Check(form != nullptr, "the window " + ToUtf8(formName) + " shows");
  return form;
}

void ForEachMenuWindow(Session& session, RunningProgram& program,
                       const std::function<void(const MenuWindow&, HWND)>& steps) {
  for (const MenuWindow& window : kMenuWindows) {
    HWND form = OpenFromTrayMenu(session, program, window.item, window.form);
    if (!form) continue;
    program.WaitForIdle(kWindowMs);
    steps(window, form);
    if (program.FindForm(window.form, true)) {
      session.report.Check(program.CloseWithButton(form, window.closeButton, kWindowMs),
                           window.name + std::string(" closes"));
    }
  }
}

void Snapshot(RunningProgram& program, const std::string& name) {
  program.WaitForIdle(kWindowMs);
  SaveScreenshot(name);
}

bool InFront(Session& session, HWND form, const std::string& what) {
  if (GetForegroundWindow() != form) SetForegroundWindow(form);
  return session.report.Check(WaitUntil([&] { return GetForegroundWindow() == form; }, kWindowMs),
                              what);
}

void CheckCentred(Session& session, HWND form, const std::string& what) {
  RECT r{};
  if (!session.report.Check(GetWindowRect(form, &r) != FALSE, what + ": the window is there")) {
    return;
  }
  // In pixels: the screen's size less the window's, halved (within a pixel of rounding).
  const long wantLeft = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const long wantTop = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  session.report.Check(std::labs(r.left - wantLeft) <= 1 && std::labs(r.top - wantTop) <= 1,
                       what + ": the window is in the middle of the screen",
                       "at " + std::to_string(r.left) + "," + std::to_string(r.top) +
                           ", expected " + std::to_string(wantLeft) + "," +
                           std::to_string(wantTop));
}

void CheckTopmost(Session& session, HWND form, const std::string& what) {
  const bool topmost = (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  session.report.Check(topmost, what + ": the window stays above the others");
}

}  // namespace e2e
