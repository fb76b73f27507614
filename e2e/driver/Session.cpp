#include "Session.h"

#include "Poll.h"
#include "Registry.h"
#include "Screenshot.h"
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
  const auto shown = HoverTrayIcon("Velorn", kWindowMs);
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

void CheckExitedCleanly(Session& session, RunningProgram& program) {
  if (!session.report.Check(program.WaitForExit(kExitMs), "the program ends by itself")) return;
  session.report.Check(program.ExitCode() == 0, "the program's exit code is 0",
                       "exit code " + std::to_string(program.ExitCode()));
  // The shell shows its taskbar only while it holds an icon.
  session.report.Check(WaitUntil([] { return VisibleTaskbar() == nullptr; }, kWindowMs),
                       "no icon is left in the tray");
}

}  // namespace e2e
