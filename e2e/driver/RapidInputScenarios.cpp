// Rapid input: a flood of tray notifications, double clicks while a window opens, and "Chiudi"
// while a window closes. The program must not crash, never show a second window of a kind,
// keep its icon, and end cleanly when asked.
#include <string>

#include "FormActions.h"
#include "PopupMenu.h"
#include "Scenarios.h"
#include "TrayIcon.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

constexpr int kFloodSize = 1000;

// Windows of one of the program's kinds, shown or hidden.
size_t FormsOfKind(const RunningProgram& program, const wchar_t* formName) {
  return TopLevelWindows(WindowOfClass(FormClass(formName)).OfProcess(program.Id())).size();
}

void CheckOneOfEachKind(Session& session, const RunningProgram& program, const std::string& when) {
  for (const MenuWindow& window : kMenuWindows)
    session.report.Check(FormsOfKind(program, window.form) <= 1,
                         when + ": at most one " + window.name);
}

// The program still takes messages and still has its icon.
void CheckAlive(Session& session, RunningProgram& program, const std::string& when) {
  session.report.Check(program.Answers(kWindowMs), when + ": the program answers");
  session.report.Check(TrayIconExists(program.Form1()), when + ": the icon is in the tray");
}

// Closes whatever menus the flood opened, until none shows for a second.
void DismissMenus(RunningProgram& program) {
  for (int k = 0; k < 50; ++k) {
    HWND menu = WaitForPopupMenu(program.Id(), 1000);
    if (!menu) return;
    DismissMenu(menu, kWindowMs);
  }
}

void Flood(Session& session, RunningProgram& program) {
  // Pointer moves, clicks and double clicks, as fast as they can be posted.
  const UINT kLeftEvents[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_LBUTTONDBLCLK,
                              WM_LBUTTONUP, WM_MOUSEMOVE,   WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                              WM_MBUTTONUP, WM_MOUSEMOVE};
  for (int k = 0; k < kFloodSize; ++k)
    PostTrayEvent(program.Form1(), kLeftEvents[k % std::size(kLeftEvents)]);
  session.report.Check(program.WaitForForm(about::kForm, kWindowMs) != nullptr,
                       "the double clicks in the flood open the About window");
  program.WaitForIdle(kWindowMs);
  CheckOneOfEachKind(session, program, "after 1000 notifications");
  CheckAlive(session, program, "after 1000 notifications");

  // The same with right clicks among them: one menu at a time, whatever comes meanwhile.
  PointAtTrayIcon();
  for (int k = 0; k < kFloodSize; ++k)
    PostTrayEvent(program.Form1(), k % 4 == 0 ? WM_RBUTTONUP : WM_MOUSEMOVE);
  session.report.Check(WaitForPopupMenu(program.Id(), kWindowMs) != nullptr,
                       "the right clicks in the flood open the menu");
  DismissMenus(program);
  MovePointerAway();
  CheckOneOfEachKind(session, program, "after 1000 notifications with right clicks");
  CheckAlive(session, program, "after 1000 notifications with right clicks");

  HWND about = program.FindForm(about::kForm, false);
  if (about) ClickControl(about, about::Command1);
  session.report.Check(program.WaitForFormGone(about::kForm, kWindowMs), "the About window closes");
}

void DoubleClickBurst(RunningProgram& program) {
  for (int k = 0; k < 20; ++k)
    for (UINT event : {WM_LBUTTONDBLCLK, WM_LBUTTONUP}) PostTrayEvent(program.Form1(), event);
}

// Double clicks arrive while the conversion window opens from the menu (the notifications that
// its opening lets through are ignored, since the menu's own one is still being handled), then
// while About itself opens.
void DoubleClicksWhileOpening(Session& session, RunningProgram& program) {
  HWND menu = OpenTrayMenu(session, program);
  if (!menu) return;
  for (int press = 0; press < static_cast<int>(MenuItem::CalcoloData); ++press)
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
  DoubleClickBurst(program);
  MovePointerAway();
  session.report.Check(program.WaitForForm(conversion::kForm, kWindowMs) != nullptr,
                       "the conversion window opens");
  program.WaitForIdle(kWindowMs);
  CheckOneOfEachKind(session, program, "double clicks while the conversion window opens");

  if (HWND about = program.FindForm(about::kForm, true)) {
    session.report.Check(program.CloseWithButton(about, about::Command1, kWindowMs),
                         "About closes");
  }
  DoubleClickBurst(program);
  session.report.Check(program.WaitForForm(about::kForm, kWindowMs) != nullptr,
                       "double clicks open About");
  DoubleClickBurst(program);
  program.WaitForIdle(kWindowMs);
  CheckOneOfEachKind(session, program, "double clicks while About opens");
  CheckAlive(session, program, "double clicks while windows open");
}

// "Chiudi" chosen from a menu that opens while a window is closing: the click on the window's
// button and the right click on the icon are in the queue together.
void CloseWhileClosing(Session& session, RunningProgram& program, const wchar_t* formName,
                       int closeButton) {
  HWND form = program.FindForm(formName, true);
  if (!session.report.Check(form != nullptr, "a window is open to close")) return;
  PointAtTrayIcon();
  ClickControl(form, closeButton);
  PostTrayEvent(program.Form1(), WM_RBUTTONUP);
  HWND menu = WaitForPopupMenu(program.Id(), kWindowMs);
  if (!session.report.Check(menu != nullptr, "the menu opens while the window closes")) return;
  session.report.Check(ChooseMenuItem(menu, static_cast<int>(MenuItem::Chiudi), kWindowMs),
                       "\"Chiudi\" is chosen");
  MovePointerAway();
  CheckExitedCleanly(session, program);
}

void RapidInput(Session& session) {
  PrepareSetting(session, std::nullopt);
  auto program = StartProgram(session);
  if (!program) return;
  Flood(session, *program);
  DoubleClicksWhileOpening(session, *program);
  // The About and conversion windows are open: the first closes while "Chiudi" comes.
  CloseWhileClosing(session, *program, about::kForm, about::Command1);

  // Again with the conversion window alone.
  program = StartProgram(session);
  if (!program) return;
  if (!OpenFromTrayMenu(session, *program, MenuItem::CalcoloData, conversion::kForm)) return;
  CloseWhileClosing(session, *program, conversion::kForm, conversion::Command3);
}

const RegisteredScenarios kRapidInput{
    {"rapid-input", "floods of tray events, double clicks while opening, Chiudi while closing",
     RapidInput},
};

}  // namespace

}  // namespace e2e
