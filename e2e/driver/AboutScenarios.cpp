// The About window: opened by a double click on the icon, its options read from the registry,
// a picture click changing the tooltip at once, "&Ok" storing the convention and the autostart
// value, and the stored options shown again at the next opening.
#include <string>

#include "FormActions.h"
#include "Poll.h"
#include "Registry.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Screenshot.h"
#include "Text.h"
#include "TrayIcon.h"

namespace e2e {

namespace {

using namespace about;

const char kHint[] =
    "Clicca su\rDorran o su Maselle\rper impostare la\rdata astrale classica\r"
    "(Reference Stardate)\ro quella\rNext Generation.";

bool SameText(std::string a, std::string b) {
  return CompareStringOrdinal(ToWide(a).c_str(), -1, ToWide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The Run value the program must write for itself: its full path, quoted when it holds a blank.
std::string ExpectedRunValue(const std::wstring& exePath) {
  wchar_t full[MAX_PATH] = {};
  GetFullPathNameW(exePath.c_str(), MAX_PATH, full, nullptr);
  const std::string path = ToUtf8(full);
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

HWND OpenByDoubleClick(Session& session, RunningProgram& program) {
  PostTrayEvent(program.Form1(), WM_LBUTTONDOWN);
  PostTrayEvent(program.Form1(), WM_LBUTTONUP);
  PostTrayEvent(program.Form1(), WM_LBUTTONDBLCLK);
  PostTrayEvent(program.Form1(), WM_LBUTTONUP);
  HWND form = program.WaitForForm(kForm, kWindowMs);
  session.report.Check(form != nullptr, "a double click on the icon opens the About window");
  return form;
}

void CheckShownOptions(Session& session, HWND form, const char* convention, bool autostart,
                       const std::string& when) {
  session.report.Equal(when + ": the convention shown", convention,
                       WaitForText(form, StarDate, convention, kWindowMs));
  session.report.Check(
      IsOn(form, Check1) == autostart,
      when + (autostart ? ": the autostart box is ticked" : ": the autostart box is not ticked"));
}

void AboutWindow(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  report.Check(DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName) &&
                   !ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName),
               "no autostart value before the start");
  auto program = StartProgram(session);
  if (!program) return;

  HWND form = OpenByDoubleClick(session, *program);
  if (!form) return;
  Snapshot(*program, "about-opened");
  CheckShownOptions(session, form, "Velorn Classic", false, "nothing stored");
  report.Equal("the hint", AsRead(kHint), ReadText(form, Label7));
  CheckCentred(session, form, "About");
  CheckTopmost(session, form, "About");

  // The Next Generation picture changes the tooltip at once; nothing is stored yet.
  ClickWindowless(form, Image3);
  CheckShownOptions(session, form, "Next Generation", false, "after the Next Generation picture");
  CheckTooltip(session, std::string("Next Generation"), "about-tooltip-next-generation");
  report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey), "the picture stores no setting");

  ClickControl(form, Check1);
  report.Check(WaitForOn(form, Check1, true, kWindowMs), "the autostart box ticks");
  Snapshot(*program, "about-chosen");
  ClickControl(form, Command1);
  report.Check(program->WaitForFormGone(kForm, kWindowMs), "\"&Ok\" closes the window");
  report.Equal("\"&Ok\" stores the Next Generation convention", "Next Generation",
               ReadString(HKEY_CURRENT_USER, kSettingsKey, kSettingName).value_or("(none)"));
  const std::string run = ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName).value_or("(none)");
  const std::string expectedRun = ExpectedRunValue(session.exePath);
  report.Check(SameText(run, expectedRun), "\"&Ok\" stores the program's path as autostart",
               "expected \"" + expectedRun + "\", got \"" + run + "\"");

  // The menu item opens it again, with the stored options.
  form = OpenFromTrayMenu(session, *program, MenuItem::Informazioni, kForm);
  if (!form) return;
  CheckShownOptions(session, form, "Next Generation", true, "reopened");

  // Back to the classic convention, autostart off.
  ClickWindowless(form, Image2);
  CheckShownOptions(session, form, "Velorn Classic", true, "after the classic picture");
  ClickControl(form, Check1);
  report.Check(WaitForOn(form, Check1, false, kWindowMs), "the autostart box unticks");
  ClickControl(form, Command1);
  report.Check(program->WaitForFormGone(kForm, kWindowMs), "\"&Ok\" closes the window again");
  report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey),
               "the classic convention removes the stored section");
  report.Check(!ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName).has_value(),
               "unticked, the autostart value is removed");
  CheckTooltip(session, std::nullopt, "about-tooltip-classic");
  CloseAndCheckExit(session, *program);
}

// Closing without "&Ok" stores nothing, but the tooltip keeps the picture's choice until the
// next start.
void AboutClosedWithoutOk(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  auto program = StartProgram(session);
  if (!program) return;
  HWND form = OpenByDoubleClick(session, *program);
  if (!form) return;
  ClickWindowless(form, Image3);
  WaitForText(form, StarDate, "Next Generation", kWindowMs);
  // Any menu choice closes the About window first; "Convenzioni" then opens its own.
  HWND news = OpenFromTrayMenu(session, *program, MenuItem::Convenzioni, conventions::kForm);
  report.Check(program->WaitForFormGone(kForm, kWindowMs),
               "the menu choice closed the About window");
  report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey),
               "closing without \"&Ok\" stores nothing");
  CheckTooltip(session, std::string("Next Generation"), "about-unconfirmed-tooltip");
  if (news) ClickControl(news, conventions::Command1);
  program->WaitForFormGone(conventions::kForm, kWindowMs);
  CloseAndCheckExit(session, *program);

  auto again = StartProgram(session);
  if (!again) return;
  CheckTooltip(session, std::nullopt, "about-unconfirmed-next-start");
  CloseAndCheckExit(session, *again);
}

const Scenario kAbout[] = {
    {"about-window", "the About window shows and stores both options", AboutWindow},
    {"about-unconfirmed", "the About window closed without \"&Ok\" stores nothing",
     AboutClosedWithoutOk},
};

}  // namespace

std::span<const Scenario> AboutScenarios() {
  return kAbout;
}

}  // namespace e2e
