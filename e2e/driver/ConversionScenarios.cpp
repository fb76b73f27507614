// The tray menu and the conversion window: opening it from "Calcolo data", its state at start,
// conversions of each kind through the real controls, the messages for bad input, the formats
// box, "&Esci", and a second choice of the menu item starting the window afresh.
#include <string>

#include "ConversionCases.h"
#include "FormActions.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "PopupMenu.h"
#include "Scenarios.h"
#include "Text.h"
#include "TodayStardate.h"
#include "TrayIcon.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

using namespace conversion;

const char kNotADate[] = "Il valore immesso non è una data valida!";
const char kBadMonth[] = "Il valore immesso non è una data Velorn valida! (Mese errato)";
const char kExtraSlash[] =
    "Il valore immesso non è una data Velorn Next Generation valida!(/ in eccesso)";

const ConversionCase kConversions[] = {
    {"date to classic", Option1, Option4, "15/6/2002", false, "0/0206.15", "15/06/2002"},
    {"date to Next Generation", Option1, Option5, "15/6/2002", true, "-320545.2", "15/06/2002"},
    {"date to a whole Next Generation stardate", Option1, Option5, "31/12/2323", false, " 1000",
     "31/12/2323"},
    {"classic to date", Option2, kNoTarget, "-1/6707.26", false, "Mercoledì 26 Luglio 1967",
     "-1/6707.26"},
    {"Next Generation to date", Option3, kNoTarget, "-320545.2", true, "Sabato 15 Giugno 2002",
     "-320545.2"},
    {"Next Generation to date and hour", Option3, kNoTarget, "500.0", false,
     "Domenica 1 Luglio 2323, ore 12", "500.0"},
    {"not a date", Option1, Option4, "abc", false, nullptr, "abc", kNotADate, "datasource.text"},
    {"classic month out of range", Option2, kNoTarget, "1/0213.06", false, nullptr, "1/0213.06",
     kBadMonth, "datasource.text"},
    {"Next Generation with a slash", Option3, kNoTarget, "12/34.5", true, nullptr, "12/34.5",
     kExtraSlash, "datasource.text"},
    {"classic that the engine cannot convert", Option2, kNoTarget, "x/0212.06", false, nullptr,
     "x/0212.06", "Errore nella data!", "KestalDate"},
};

const char kFormatsText[] =
    "KESTAL DATE - Formato date\r\r\n"
    "I formati di date accettati dal programma sono i seguenti:\r\r\n"
    "Data attuale:\t\tGG/MM/AAAA\r"
    "Data astrale calssica:\tX/YYYY.ZZ\r"
    "Data stellare Next Generation:\tXXXXX.X\r\r\n"
    "Gli ultimi due formati possono essere preceduti dal segno meno.\r";

void CheckInputSelected(Session& session, HWND form, const std::string& what) {
  const auto [start, length] = Selection(form, DataSource);
  session.report.Check(HasFocus(form, DataSource) && start == 0 &&
                           length == static_cast<int>(ToWide(ReadText(form, DataSource)).size()),
                       what + ": the input has the focus, its whole text selected");
}

void CheckFreshWindow(Session& session, HWND form) {
  Report& report = session.report;
  report.Equal("the input shows today's date", DayText(Today()),
               WaitForText(form, DataSource, DayText(Today()), kWindowMs));
  report.Equal("the result box is empty", "", ReadText(form, VelornDate));
  report.Check(IsOn(form, Option1) && !IsOn(form, Option2) && !IsOn(form, Option3),
               "the source kind is the calendar date");
  report.Check(IsOn(form, Option4) && !IsOn(form, Option5), "the target is the classic stardate");
  report.Check(IsEnabled(form, Option4) && IsEnabled(form, Option5), "both targets are enabled");
  report.Check(IsEnabled(form, Command1), "\"&Converti\" is enabled");
  CheckInputSelected(session, form, "fresh window");
}

}  // namespace

std::span<const ConversionCase> ConversionCases() {
  return kConversions;
}

void PlayConversion(Session& session, RunningProgram& program, HWND form, const ConversionCase& row,
                    bool snapshots) {
  Report& report = session.report;
  const std::string what = row.what;
  report.Check(!FindTopLevel(WindowOfClass(L"#32770").OfProcess(program.Id()).Visible()),
               what + ": no message box is left from before");
  ClickControl(form, row.source);
  WaitForOn(form, row.source, true, kWindowMs);
  if (row.target != kNoTarget) {
    ClickControl(form, row.target);
    WaitForOn(form, row.target, true, kWindowMs);
  }
  const bool targetsEnabled = row.source == Option1;
  report.Check(
      IsEnabled(form, Option4) == targetsEnabled && IsEnabled(form, Option5) == targetsEnabled,
      what + ": the targets are enabled only for a calendar date");
  TypeText(form, DataSource, row.input);
  if (row.byEnter) {
    PressEnterIn(form, DataSource);
  } else {
    ClickControl(form, Command1);
  }
  if (row.result) {
    report.Equal(what + ": result", row.result,
                 WaitForText(form, VelornDate, row.result, kWindowMs));
    report.Equal(what + ": input afterwards", row.inputAfter, ReadText(form, DataSource));
    return;
  }
  const ShownMessageBox box = WaitForMessageBox(program.Id(), kWindowMs);
  if (!report.Check(box.window != nullptr, what + ": a message box shows")) return;
  // As a user reads it: shown and painted before OK is pressed.
  program.WaitForIdle(kWindowMs);
  if (snapshots) Snapshot(program, "message-" + std::string(row.what));
  report.Equal(what + ": message", row.message, box.text);
  report.Equal(what + ": message title", row.title, box.title);
  report.Check(PressOk(box.window, kWindowMs), what + ": OK closes the message");
  report.Equal(what + ": the result box stays empty", "", ReadText(form, VelornDate));
  report.Equal(what + ": the input is unchanged", row.inputAfter, ReadText(form, DataSource));
  WaitUntil([&] { return HasFocus(form, DataSource); }, kWindowMs);
  CheckInputSelected(session, form, what);
}

namespace {

void ConversionWindow(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    // A single left click does nothing: the right click after it opens the menu, and no window.
    PostTrayEvent(program.Form1(), WM_LBUTTONDOWN);
    HWND menu = OpenTrayMenu(session, program);
    if (!menu) return;
    Snapshot(program, "tray-menu");
    report.Check(program.VisibleWindowCount() == 1, "a left click opened no window");
    report.Check(DismissMenu(menu, kWindowMs), "Escape closes the menu");

    HWND form = OpenFromTrayMenu(session, program, MenuItem::CalcoloData, kForm);
    if (!form) return;
    CheckFreshWindow(session, form);
    Snapshot(program, "conversion-opened");
    CheckCentred(session, form, "conversion window");

    // Today's date converts at once to its classic stardate.
    ClickControl(form, Command1);
    report.Equal("today's date converts to today's classic stardate", ClassicCode(Today()),
                 WaitForText(form, VelornDate, ClassicCode(Today()), kWindowMs));

    for (const ConversionCase& row : kConversions)
      PlayConversion(session, program, form, row, true);
    Snapshot(program, "conversion-done");

    // Emptying the input disables "&Converti"; Enter in the empty box still reports it.
    ClickControl(form, Option1);
    TypeText(form, DataSource, "");
    report.Check(WaitUntil([&] { return !IsEnabled(form, Command1); }, kWindowMs),
                 "an empty input disables \"&Converti\"");
    PressEnterIn(form, DataSource);
    ShownMessageBox empty = WaitForMessageBox(program.Id(), kWindowMs);
    report.Equal("Enter in the empty input", kNotADate, empty.text);
    if (empty.window) PressOk(empty.window, kWindowMs);

    ClickControl(form, Command2);
    ShownMessageBox formats = WaitForMessageBox(program.Id(), kWindowMs);
    if (report.Check(formats.window != nullptr, "\"&Formati\" shows the formats")) {
      Snapshot(program, "formats");
      report.Equal("the formats text, line by line", AsShownLines(kFormatsText),
                   AsShownLines(formats.text));
      report.Equal("the formats title", "KestalDate", formats.title);
      PressOk(formats.window, kWindowMs);
    }

    report.Check(program.CloseWithButton(form, Command3, kWindowMs), "\"&Esci\" closes the window");

    // Choosing the item again while the window is open starts it afresh.
    form = OpenFromTrayMenu(session, program, MenuItem::CalcoloData, kForm);
    if (!form) return;
    TypeText(form, DataSource, "1/1/2000");
    ClickControl(form, Option3);
    WaitForOn(form, Option3, true, kWindowMs);
    if (ChooseFromTrayMenu(session, program, MenuItem::CalcoloData)) {
      HWND fresh = nullptr;
      WaitUntil(
          [&] {
            fresh = program.FindForm(kForm, true);
            return fresh && ReadText(fresh, DataSource) == DayText(Today());
          },
          kWindowMs);
      if (report.Check(fresh != nullptr, "the window shows again after the second choice"))
        CheckFreshWindow(session, fresh);
      form = fresh;
    }
    if (form) ClickControl(form, Command3);
    program.WaitForFormGone(kForm, kWindowMs);
  });
}

const RegisteredScenarios kConversion{
    {"conversion-window", "the tray menu opens the conversion window; conversions and messages",
     ConversionWindow},
};

}  // namespace

}  // namespace e2e
