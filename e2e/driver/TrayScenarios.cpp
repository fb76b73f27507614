// Start-up in the tray: the tooltip for each stored convention, the end of the program, and the
// icon coming back when the shell's taskbar starts anew.
#include <cstdlib>
#include <optional>
#include <string>

#include "Automation.h"
#include "Poll.h"
#include "PopupMenu.h"
#include "Scenarios.h"
#include "TrayIcon.h"
#include "measure/ProcessMeter.h"

namespace e2e {

namespace {

struct SettingCase {
  const char* label;
  std::optional<std::string> setting;
};

// Missing or empty: the classic convention; any other text, the program's own or not: Next
// Generation.
const SettingCase kSettingCases[] = {
    {"no-setting", std::nullopt},
    {"empty-setting", std::string()},
    {"next-generation", std::string("Next Generation")},
    {"other-text", std::string("Enterprise")},
};

void TooltipForEachSetting(Session& session) {
  for (const SettingCase& row : kSettingCases) {
    session.report.Note(std::string("setting: ") + row.label);
    WithProgram(session, row.setting, [&](RunningProgram& program) {
      session.report.Check(program.VisibleWindowCount() == 0,
                           "the program shows no window of its own at start");
      CheckTooltip(session, row.setting, std::string("tooltip-") + row.label);
    });
  }
}

void IconReturnsWithNewTaskbar(Session& session) {
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND form1 = program.Form1();
    session.report.Check(WaitUntil([&] { return TrayIconExists(form1); }, kWindowMs),
                         "the shell holds the program's icon");
    // A restarting shell forgets every icon, then tells every window that it is back.
    session.report.Check(ForgetTrayIcon(form1) && !TrayIconExists(form1),
                         "the shell has forgotten the icon");
    AnnounceNewTaskbar();
    session.report.Check(WaitUntil([&] { return TrayIconExists(form1); }, kWindowMs),
                         "the program puts its icon back in the new taskbar");
    CheckTooltip(session, std::nullopt, "tooltip-after-new-taskbar");
  });
}

// While the menu is open the icon's events are ignored: a double click then opens no About
// window, and the icon answers again once the menu has closed.
void EventsIgnoredWhileMenuOpen(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    HWND menu = OpenTrayMenu(session, program);
    if (!menu) return;
    PostTrayEvent(program.Form1(), WM_LBUTTONDBLCLK);
    report.Check(DismissMenu(menu, kWindowMs), "Escape closes the menu");
    // Events are handled in order: when the next menu shows, the double click has been handled.
    HWND again = OpenTrayMenu(session, program);
    report.Check(program.FindForm(about::kForm, false) == nullptr,
                 "the double click during the menu opened no About window");
    if (again) DismissMenu(again, kWindowMs);
  });
}

// Reached with the keyboard (Enter or Space, the menu key), the icon opens its menu at the icon,
// not where the pointer happens to be; Escape leaves the menu with nothing opened.
void MenuByKeyboard(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    report.Check(WaitUntil([&] { return TrayIconExists(program.Form1()); }, kWindowMs),
                 "the icon is in the tray");
    const auto icon = TrayIconPoint();
    if (!report.Check(icon.has_value(), "the taskbar shows the icon")) return;
    const struct {
      const char* key;
      UINT event;
      const char* shot;
    } keys[] = {{"Enter", NIN_KEYSELECT, "menu-by-enter"},
                {"the menu key", WM_CONTEXTMENU, "menu-by-menu-key"}};
    for (const auto& k : keys) {
      // Away from the icon, and there before the key comes (the pointer moves asynchronously).
      MovePointerAway();
      POINT pointer{};
      WaitUntil(
          [&] {
            GetCursorPos(&pointer);
            return std::abs(pointer.x - icon->x) > 100 && std::abs(pointer.y - icon->y) > 100;
          },
          kWindowMs);
      PostTrayEventAt(program.Form1(), k.event, *icon);
      HWND menu = WaitForPopupMenu(program.Id(), kWindowMs);
      if (!report.Check(menu != nullptr, std::string(k.key) + " on the icon opens the menu"))
        continue;
      RECT r{};
      GetWindowRect(menu, &r);
      // Kept on the screen, the menu ends where the icon is: the anchor on its edge or within.
      const bool atIcon = icon->x >= r.left - 2 && icon->x <= r.right + 2 && icon->y >= r.top - 2 &&
                          icon->y <= r.bottom + 2;
      report.Check(atIcon && !PtInRect(&r, pointer),
                   std::string(k.key) + ": the menu opens at the icon, not at the pointer",
                   "menu at " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                       std::to_string(r.right) + "," + std::to_string(r.bottom) +
                       ", the pointer at " + std::to_string(pointer.x) + "," +
                       std::to_string(pointer.y));
      Snapshot(program, k.shot);
      report.Check(DismissMenu(menu, kWindowMs), "Escape closes the menu");
    }
    report.Equal("nothing opened", "0", std::to_string(program.VisibleWindowCount()));
  });
}

// The program in the tray has not loaded the common controls, the sound library, COM or the
// screen readers' libraries; the first window loads the first two (its opening sound plays, and
// its text box works through the controls').
void LibrariesLoadedWhenNeeded(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ProcessMeter meter(program, L"");
    report.Check(WaitUntil([&] { return TrayIconExists(program.Form1()); }, kWindowMs),
                 "the icon is in the tray");
    report.Check(meter.HasLoaded(L"user32.dll"), "the program's libraries can be listed");
    report.Check(!meter.HasLoaded(L"comctl32.dll"), "in the tray: no common controls loaded");
    report.Check(!meter.HasLoaded(L"winmm.dll"), "in the tray: no sound library loaded");
    report.Check(!meter.HasLoaded(L"oleacc.dll") && !meter.HasLoaded(L"oleaut32.dll"),
                 "in the tray: no screen reader libraries loaded");
    report.Check(!meter.HasLoaded(L"ole32.dll"), "in the tray: COM not loaded");
    HWND form = OpenFromTrayMenu(session, program, MenuItem::CalcoloData, conversion::kForm);
    if (!form) return;
    report.Check(meter.HasLoaded(L"comctl32.dll"), "the first window loads the common controls");
    report.Check(meter.HasLoaded(L"winmm.dll"), "the first window's sound loads the sound library");
  });
}

// Started as a user starts it, the program answers no automation question, from its hidden
// window or from an open one; started for testing, it does.
void AutomationOnlyForTesting(Session& session) {
  Report& report = session.report;
  PrepareSetting(session, std::nullopt);
  for (const bool forTesting : {false, true}) {
    RunningProgram program(session.exePath, forTesting);
    if (!report.Check(program.Started() && program.WaitForForm1(kStartMs) != nullptr,
                      "KestalDate.exe starts"))
      return;
    HWND form = OpenFromTrayMenu(session, program, MenuItem::Informazioni, about::kForm);
    if (!form) return;
    const std::string how = forTesting ? "started for testing" : "started as a user starts it";
    report.Check(ReadControl(program.Form1(), -1).has_value() == forTesting,
                 how + ": the hidden window " + (forTesting ? "answers" : "does not answer"));
    report.Check(ReadControl(form, about::StarDate).has_value() == forTesting,
                 how + ": the About window " + (forTesting ? "answers" : "does not answer"));
    CloseAndCheckExit(session, program);
  }
}

const RegisteredScenarios kTray{
    {"tray-tooltip", "the tooltip for each stored convention; ending the program",
     TooltipForEachSetting},
    {"tray-new-taskbar", "the icon comes back when the taskbar starts anew",
     IconReturnsWithNewTaskbar},
    {"tray-busy-menu", "the icon's events are ignored while its menu is open",
     EventsIgnoredWhileMenuOpen},
    {"tray-keyboard", "the icon reached with the keyboard opens its menu at the icon",
     MenuByKeyboard},
    {"tray-light",
     "comctl32 and winmm are loaded with the first window, oleacc, oleaut32 and ole32 "
     "for a screen reader, none in the tray",
     LibrariesLoadedWhenNeeded},
    {"automation-off", "only a program started for testing answers automation questions",
     AutomationOnlyForTesting},
};

}  // namespace

}  // namespace e2e
