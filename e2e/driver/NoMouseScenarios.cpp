// The windows with the keyboard alone, real keys through the system's input: in About, Tab
// reaches the links and the captains' pictures, which show their focus, and Space or Enter on a
// picture chooses the tooltip's convention; Escape closes each window and About stores nothing.
#include <string>

#include "FormActions.h"
#include "Poll.h"
#include "Registry.h"
#include "Scenarios.h"

namespace e2e {

namespace {

// Presses the key, then waits until the control has the focus.
bool TabTo(Session& session, RunningProgram& program, HWND form, int control, bool back,
           const std::string& what) {
  if (back) {
    PressKey(VK_TAB, {VK_SHIFT});
  } else {
    PressKey(VK_TAB);
  }
  program.WaitForIdle(kWindowMs);
  return session.report.Check(WaitUntil([&] { return HasFocus(form, control); }, kWindowMs),
                              (back ? "Shift+Tab reaches " : "Tab reaches ") + what);
}

void AboutWithTheKeyboard(Session& session) {
  Report& report = session.report;
  using namespace about;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND form = OpenFromTrayMenu(session, program, MenuItem::Informazioni, kForm);
    if (!form || !InFront(session, form, "the About window is in front, for the keyboard")) return;
    program.WaitForIdle(kWindowMs);
    report.Check(HasFocus(form, Check1), "the window opens with the check box focused");

    // Round in reading order: "&Ok", the mail address, the web address, Dorran, Maselle.
    if (!TabTo(session, program, form, Command1, false, "\"&Ok\"")) return;
    if (!TabTo(session, program, form, Label4, false, "the mail address")) return;
    Snapshot(program, "about-focus-mail");
    if (!TabTo(session, program, form, Label5, false, "the web address")) return;
    if (!TabTo(session, program, form, Image2, false, "Dorran's picture")) return;
    if (!TabTo(session, program, form, Image3, false, "Maselle's picture")) return;
    Snapshot(program, "about-focus-maselle");

    PressKey(VK_SPACE);
    report.Equal("Space on Maselle's picture chooses Next Generation", "Next Generation",
                 WaitForText(form, StarDate, "Next Generation", kWindowMs));
    CheckTooltip(session, std::string("Next Generation"), "keys-tooltip-next-generation");
    report.Check(HasFocus(form, Image3), "the picture keeps the focus");

    if (!InFront(session, form, "the About window is in front, for the keyboard")) return;
    if (!TabTo(session, program, form, Image2, true, "Dorran's picture")) return;
    PressKey(VK_RETURN);
    report.Equal("Enter on Dorran's picture chooses the classic convention", "Velorn Classic",
                 WaitForText(form, StarDate, "Velorn Classic", kWindowMs));
    // The links would start other programs here: the window tests press them.
    if (!TabTo(session, program, form, Image3, false, "Maselle's picture")) return;
    PressKey(VK_RETURN);  // the convention the window closes with
    report.Equal("Enter on Maselle's picture chooses Next Generation again", "Next Generation",
                 WaitForText(form, StarDate, "Next Generation", kWindowMs));

    PressKey(VK_ESCAPE);
    report.Check(program.WaitForFormGone(kForm, kWindowMs), "Escape closes the About window");
    report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey),
                 "closed with Escape, it stores nothing");
    CheckTooltip(session, std::string("Next Generation"), "keys-escape-tooltip");
  });
}

void EscapeClosesEachWindow(Session& session) {
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ForEachMenuWindow(session, program, [&](const MenuWindow& window, HWND form) {
      if (!InFront(session, form, window.name + std::string(" is in front, for the keyboard")))
        return;
      PressKey(VK_ESCAPE);
      session.report.Check(program.WaitForFormGone(window.form, kWindowMs),
                           std::string("Escape closes the ") + window.name);
      session.report.Check(program.Running(), "the program goes on in the tray");
    });
    session.report.Check(!KeyExists(HKEY_CURRENT_USER, kSettingsKey), "nothing is stored");
  });
}

const RegisteredScenarios kNoMouse{
    {"about-keys", "About worked with the keyboard alone", AboutWithTheKeyboard},
    {"escape-closes", "Escape closes each window", EscapeClosesEachWindow},
};

}  // namespace

}  // namespace e2e
