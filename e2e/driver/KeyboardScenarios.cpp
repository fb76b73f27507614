// The windows worked from the keyboard alone, with real key presses: Tab and Shift+Tab walk the
// stops (an option group once, at its chosen option), the arrow keys move the choice round its
// frame and never beyond, each access key reaches its control, and Enter in the conversion
// window's input converts. Focus and choices are read as a screen reader reads them.
#include <oleacc.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "FormActions.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Text.h"
#include "TodayStardate.h"
#include "platform/win32/FormWindowIds.h"

namespace e2e {

namespace {

// Tab order, one row a window; a frame stands for its option group. Only this table says the
// order: what the groups hold is read from the window.
struct TabStops {
  const wchar_t* form;
  std::vector<int> stops;
};
const TabStops kTabStops[] = {
    {conversion::kForm,
     {conversion::DataSource, conversion::Command1, conversion::Frame1, conversion::Frame2,
      conversion::VelornDate, conversion::Command2, conversion::Command3}},
    {about::kForm,
     {about::Check1, about::Command1, about::Label4, about::Label5, about::Image2, about::Image3}},
    {conventions::kForm, {conventions::Command1}},
};

const std::vector<int>& StopsOf(const wchar_t* form) {
  for (const TabStops& row : kTabStops)
    if (std::wstring(row.form) == form) return row.stops;
  static const std::vector<int> none;
  return none;
}

inline constexpr DWORD kKeyMs = 3000;

// What the reader calls the control, for the report.
std::string Named(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  return part && !part->name.empty() ? "\"" + part->name + "\""
                                     : "control " + std::to_string(control);
}

// The control that has the keyboard, as the system tells another process; -1 for none of them.
int Focused(HWND form) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) || !info.hwndFocus ||
      GetParent(info.hwndFocus) != form)
    return -1;
  return GetDlgCtrlID(info.hwndFocus) - kestal::kControlIdBase;
}

std::string FocusNamed(HWND form) {
  const int focused = Focused(form);
  return "the focus is on " +
         (focused < 0 ? std::string("nothing of the window") : Named(form, focused));
}

// The options of a frame, as the reader finds them in the frame's group.
std::vector<int> OptionsOf(HWND form, int frame) {
  std::vector<int> options;
  const auto framePart = ReadControlPart(form, frame);
  const auto tree = ReadWindowTree(form);
  if (!framePart || !tree) return options;
  // The real controls where the reader places them.
  std::vector<std::pair<int, RECT>> controls;
  for (int control = 0; control < 64; ++control) {
    if (!ControlWindow(form, control)) continue;
    if (const auto part = ReadControlPart(form, control))
      controls.emplace_back(control, part->location);
  }
  for (const ReadNode& node : tree->children) {
    if (!EqualRect(&node.part.location, &framePart->location)) continue;
    for (const ReadNode& inside : node.children) {
      if (inside.part.role != ROLE_SYSTEM_RADIOBUTTON) continue;
      for (const auto& [control, location] : controls)
        if (EqualRect(&location, &inside.part.location)) options.push_back(control);
    }
  }
  return options;
}

bool IsFrame(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  return part && part->role == ROLE_SYSTEM_GROUPING;
}

int Chosen(HWND form, const std::vector<int>& options) {
  for (int option : options)
    if (IsOn(form, option)) return option;
  return -1;
}

// The stops Tab meets now, in order: an enabled control, or the chosen option of a group when
// it is enabled.
std::vector<int> CurrentStops(HWND form, const wchar_t* formName) {
  std::vector<int> cycle;
  for (int stop : StopsOf(formName)) {
    if (IsFrame(form, stop)) {
      const int chosen = Chosen(form, OptionsOf(form, stop));
      if (chosen >= 0 && IsEnabled(form, chosen)) cycle.push_back(chosen);
    } else if (IsEnabled(form, stop)) {
      cycle.push_back(stop);
    }
  }
  return cycle;
}

// Presses Tab (or Shift+Tab) once round the stops, checking each stop on the way.
void WalkRound(Session& session, HWND form, const wchar_t* formName, bool back,
               const std::string& what) {
  const std::vector<int> cycle = CurrentStops(form, formName);
  const std::string keys = back ? "Shift+Tab" : "Tab";
  const auto at =
      std::find_if(cycle.begin(), cycle.end(), [&](int c) { return HasFocus(form, c); });
  if (!session.report.Check(at != cycle.end(), what + ": the focus is on a stop before " + keys,
                            FocusNamed(form)))
    return;
  const auto n = static_cast<long>(cycle.size());
  long index = at - cycle.begin();
  std::string walked = Named(form, cycle[static_cast<size_t>(index)]);
  for (long k = 0; k < n; ++k) {
    PressKey(VK_TAB, back ? std::initializer_list<WORD>{VK_SHIFT} : std::initializer_list<WORD>{});
    index = (index + (back ? n - 1 : 1)) % n;
    const int expected = cycle[static_cast<size_t>(index)];
    if (!WaitUntil([&] { return HasFocus(form, expected); }, kKeyMs)) {
      session.report.Check(false, what + ": " + keys + " reaches " + Named(form, expected),
                           "after " + walked + ", " + FocusNamed(form));
      return;
    }
    walked += ", " + Named(form, expected);
  }
  session.report.Check(true, what + ": " + keys + " walks round " + walked);
}

// Puts the focus on `control` with Tab, as a user would.
bool TabTo(HWND form, const wchar_t* formName, int control) {
  for (size_t k = 0; k <= StopsOf(formName).size(); ++k) {
    if (HasFocus(form, control)) return true;
    const int before = Focused(form);
    PressKey(VK_TAB);
    WaitUntil([&] { return Focused(form) != before; }, kKeyMs);
  }
  return HasFocus(form, control);
}

// One arrow key on the group's choice, reached with Tab as a user would (choosing an option sends
// the focus to the input); the option chosen afterwards, -1 when Tab did not reach the choice.
int Arrow(HWND form, const wchar_t* formName, const std::vector<int>& options, WORD key) {
  const int from = Chosen(form, options);
  if (from < 0 || !TabTo(form, formName, from)) return -1;
  PressKey(key);
  WaitUntil([&] { return Chosen(form, options) != from; }, kKeyMs);
  return Chosen(form, options);
}

// The arrow keys in a frame's group: Down goes once round its options, choosing each in turn and
// leaving every other group's choice as it was; Up goes back one. Ends `extra` Down presses on.
void ArrowsRound(Session& session, HWND form, const wchar_t* formName, int frame, int extra,
                 const std::string& what) {
  Report& report = session.report;
  const std::vector<int> options = OptionsOf(form, frame);
  const std::string group = what + ", group " + Named(form, frame);
  if (!report.Check(options.size() > 1, group + ": its options are read",
                    std::to_string(options.size())))
    return;
  std::vector<std::pair<int, int>> others;  // the other groups and their choices
  for (int stop : StopsOf(formName)) {
    if (stop != frame && IsFrame(form, stop))
      others.emplace_back(stop, Chosen(form, OptionsOf(form, stop)));
  }
  std::vector<int> visited{Chosen(form, options)};
  std::string path = Named(form, visited.back());
  bool round = visited.back() >= 0;
  for (size_t k = 0; k < options.size() + static_cast<size_t>(extra) && round; ++k) {
    const int chosen = Arrow(form, formName, options, VK_DOWN);
    path += ", " + (chosen >= 0 ? Named(form, chosen) : FocusNamed(form));
    // Each option new until the press that comes back to the first.
    const bool seen = std::find(visited.begin(), visited.end(), chosen) != visited.end();
    round = chosen >= 0 && (k + 1 < options.size()    ? !seen
                            : k + 1 == options.size() ? chosen == visited.front()
                                                      : true);
    visited.push_back(chosen);
  }
  report.Check(round, group + ": Down chooses each option once round, within the frame", path);
  for (const auto& [other, choice] : others) {
    report.Check(Chosen(form, OptionsOf(form, other)) == choice,
                 group + ": the arrows leave the choice of " + Named(form, other) + " alone");
  }
  if (!round) return;
  const int back = visited[visited.size() - 2];
  const int chosen = Arrow(form, formName, options, VK_UP);
  report.Check(chosen == back, group + ": Up goes back to " + Named(form, back),
               chosen >= 0 ? Named(form, chosen) : FocusNamed(form));
  Arrow(form, formName, options, VK_DOWN);
}

// Each button's access key, and how the window shows that it was reached.
enum class Effect { Converts, ShowsFormats, Closes };
struct AccessKey {
  const wchar_t* form;
  int control;
  Effect effect;
};
const AccessKey kAccessKeys[] = {
    {conversion::kForm, conversion::Command1, Effect::Converts},
    {conversion::kForm, conversion::Command2, Effect::ShowsFormats},
    {conversion::kForm, conversion::Command3, Effect::Closes},
    {about::kForm, about::Command1, Effect::Closes},
    {conventions::kForm, conventions::Command1, Effect::Closes},
};

// The letter after "&" in the control's caption, as its window holds it; 0 for none.
wchar_t AccessLetter(HWND form, int control) {
  wchar_t caption[256] = {};
  GetWindowTextW(ControlWindow(form, control), caption, 256);
  const wchar_t* amp = wcschr(caption, L'&');
  return amp && amp[1] ? static_cast<wchar_t>(towupper(amp[1])) : 0;
}

void AccessKeys(Session& session, RunningProgram& program, HWND form, const MenuWindow& window) {
  Report& report = session.report;
  // Every control that has an access key is tried.
  for (int control = 0; control < 64; ++control) {
    if (!ControlWindow(form, control) || !AccessLetter(form, control)) continue;
    const bool tried =
        std::any_of(std::begin(kAccessKeys), std::end(kAccessKeys), [&](const AccessKey& k) {
          return std::wstring(k.form) == window.form && k.control == control;
        });
    report.Check(tried, std::string(window.name) + ": the access key of " + Named(form, control) +
                            " is tried");
  }
  for (const AccessKey& key : kAccessKeys) {
    if (std::wstring(key.form) != window.form) continue;
    const wchar_t letter = AccessLetter(form, key.control);
    const std::string what = std::string(window.name) + ": Alt+" + ToUtf8(std::wstring(1, letter)) +
                             " reaches " + Named(form, key.control);
    if (!report.Check(letter != 0, what, "no access key")) continue;
    switch (key.effect) {
      case Effect::Converts: {
        // Today's date to the target chosen by the arrows before: Next Generation.
        TypeText(form, conversion::DataSource, DayText(Today()));
        TypeText(form, conversion::VelornDate, "");
        PressKey(static_cast<WORD>(letter), {VK_MENU});
        const std::string want = NextGenerationNumber(Today());
        report.Equal(what + ": today converts", want,
                     WaitForText(form, conversion::VelornDate, want, kKeyMs));
        break;
      }
      case Effect::ShowsFormats: {
        PressKey(static_cast<WORD>(letter), {VK_MENU});
        const ShownMessageBox box = WaitForMessageBox(program.Id(), kKeyMs);
        if (report.Check(box.window != nullptr, what + ": the formats show"))
          PressOk(box.window, kWindowMs);
        break;
      }
      case Effect::Closes:
        PressKey(static_cast<WORD>(letter), {VK_MENU});
        report.Check(program.WaitForFormGone(window.form, kWindowMs), what + ": the window closes");
        break;
    }
  }
}

void Keyboard(Session& session) {
  Report& report = session.report;
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ForEachMenuWindow(session, program, [&](const MenuWindow& window, HWND form) {
      const std::string name = window.name;
      if (!InFront(session, form, name + " has the keyboard")) return;
      WalkRound(session, form, window.form, false, name);
      WalkRound(session, form, window.form, true, name);
      if (window.form == std::wstring(conversion::kForm)) {
        using namespace conversion;
        // The target group ends on its other option: Tab must stop there now.
        ArrowsRound(session, form, window.form, Frame2, 1, name);
        WalkRound(session, form, window.form, false, name + " with the other target chosen");
        WalkRound(session, form, window.form, true, name + " with the other target chosen");
        // A stardate source leaves the targets disabled: Tab passes them by.
        ArrowsRound(session, form, window.form, Frame1, 1, name);
        WalkRound(session, form, window.form, false, name + " with a stardate source");
        WalkRound(session, form, window.form, true, name + " with a stardate source");
        // Back to a calendar date: on round from the classic stardate.
        const std::vector<int> sources = OptionsOf(form, Frame1);
        for (size_t k = 0; k < sources.size() && !IsOn(form, Option1); ++k)
          Arrow(form, window.form, sources, VK_DOWN);
        // Enter in the input converts: today's date to the target chosen above.
        TypeText(form, DataSource, DayText(Today()));
        TypeText(form, VelornDate, "");
        report.Check(TabTo(form, window.form, DataSource), name + ": Tab reaches the input");
        PressKey(VK_RETURN);
        const std::string want = NextGenerationNumber(Today());
        report.Equal(name + ": Enter in the input converts today", want,
                     WaitForText(form, VelornDate, want, kKeyMs));
      }
      AccessKeys(session, program, form, window);
    });
  });
}

const RegisteredScenarios kKeyboard{
    {"keyboard", "the windows worked from the keyboard: tab stops, option groups, access keys",
     Keyboard},
};

}  // namespace

}  // namespace e2e
