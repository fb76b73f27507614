// One copy a session: starting the program again while it runs adds no second copy and no
// second icon; the running copy shows its About window and the new start ends with 0.
#include <string>

#include "Poll.h"
#include "Scenarios.h"
#include "TrayIcon.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

// Windows of the program's class for that form, in every process.
size_t WindowsOfClass(const wchar_t* formName) {
  return TopLevelWindows(WindowOfClass(FormClass(formName))).size();
}

// Starts the program again as a user would and checks that the start ends by itself with 0.
void StartAgain(Session& session, const std::string& when) {
  RunningProgram again(session.exePath, false);
  if (!session.report.Check(again.Started(), when + ": the second start runs")) return;
  session.report.Check(again.WaitForExit(kExitMs), when + ": the second start ends by itself");
  session.report.Equal(when + ": it ends with 0", "0", std::to_string(again.ExitCode()));
}

void OneCopy(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  auto program = StartProgram(session);
  if (!program) return;
  report.Check(WaitUntil([&] { return TrayIconExists(program->Form1()); }, kWindowMs),
               "the icon is in the tray");

  for (const char* when : {"started again", "started again with About open"}) {
    StartAgain(session, when);
    HWND about = program->WaitForForm(about::kForm, kWindowMs);
    report.Check(about && IsWindowVisible(about),
                 std::string(when) + ": the running copy shows About");
    report.Equal(std::string(when) + ": one About window", "1",
                 std::to_string(WindowsOfClass(about::kForm)));
    report.Equal(std::string(when) + ": one start-up window, so one icon", "1",
                 std::to_string(WindowsOfClass(L"Form1")));
    report.Check(program->Running(), std::string(when) + ": the running copy runs on");
  }
  // Started again just as the copy is told to end: whether it meets the copy ending or already
  // gone, the new start is not lost but becomes the one copy.
  PostMessageW(program->Form1(), WM_CLOSE, 0, 0);
  RunningProgram next(session.exePath);
  report.Check(program->WaitForExit(kExitMs), "the first copy ends");
  report.Equal("the first copy ends with 0", "0", std::to_string(program->ExitCode()));
  if (!report.Check(next.Started() && next.WaitForForm1(kStartMs),
                    "a start made while the copy ended runs as the one copy")) {
    return;
  }
  report.Check(WaitUntil([&] { return TrayIconExists(next.Form1()); }, kWindowMs),
               "its icon is in the tray");
  CloseAndCheckExit(session, next);
}

const RegisteredScenarios kOneCopy{
    {"one-copy", "a second start shows the running copy's About window and ends", OneCopy},
};

}  // namespace

}  // namespace e2e
