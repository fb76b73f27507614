// A seeded random round of real input for a minute: clicks at points of the open windows and
// keys through the system's input queue, tray events as the shell sends them, menu choices. The
// program must still answer, no crash and no error dialog may appear, and once its windows are
// closed its GDI and USER objects must be back where they were before the round. The seed is
// printed: --seed N plays the same round again.
#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "FormActions.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "PopupMenu.h"
#include "Registry.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Text.h"
#include "TrayIcon.h"
#include "WindowFinder.h"
#include "measure/ProcessMeter.h"

namespace e2e {

namespace {

constexpr auto kRound = std::chrono::seconds(60);
// A shorter round of its own first, so that what the first use of anything keeps for good (the
// system's caches of device contexts, fonts and icons) is counted before, not as growth.
constexpr auto kWarmUpRound = std::chrono::seconds(60);

// The titles of the program's own message boxes: the formats, and the conversion's faults.
bool OwnBoxTitle(const std::string& title) {
  return title == "KestalDate" || title == "datasource.text";
}

// The classes and titles of windows, for a failure's detail.
std::string Described(const std::vector<HWND>& windows) {
  std::string listed;
  for (HWND w : windows) listed += " [" + ToUtf8(ClassOf(w)) + " \"" + TextOf(w) + "\"]";
  return listed;
}

// The program's top-level windows, the visible ones or all.
std::vector<HWND> WindowsOf(const RunningProgram& program, bool visibleOnly) {
  WindowQuery query = WindowQuery{}.OfProcess(program.Id());
  if (visibleOnly) query.Visible();
  return TopLevelWindows(query);
}

class RandomRound {
 public:
  RandomRound(Session& session, RunningProgram& program, unsigned seed)
      : session_(session), program_(program), random_(seed) {}

  void Play(std::chrono::seconds length) {
    const auto end = std::chrono::steady_clock::now() + length;
    int step = 0;
    while (std::chrono::steady_clock::now() < end && healthy_) {
      const int kind = Pick(100);
      if (kind < 35) {
        ClickSomewhere();
      } else if (kind < 60) {
        PressSomeKey();
      } else if (kind < 75) {
        TrayEvent();
      } else if (kind < 90) {
        MenuChoice();
      } else {
        Sleep(static_cast<DWORD>(Pick(200)));
      }
      ++actions_;
      Sleep(static_cast<DWORD>(5 + Pick(30)));
      if (++step % 25 == 0) CheckHealthy("during the round");
    }
    CheckHealthy("after the round");
    session_.report.Note(std::to_string(actions_) + " random actions played in " +
                         std::to_string(length.count()) + " s");
  }

  bool Healthy() const { return healthy_; }
  const std::deque<std::string>& Lately() const { return lately_; }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  // The program's windows a user sees now.
  std::vector<HWND> ShownForms() const {
    std::vector<HWND> shown;
    for (const MenuWindow& window : kMenuWindows) {
      if (HWND form = program_.FindForm(window.form, true)) shown.push_back(form);
    }
    return shown;
  }

  // A click at a point of an open window, as the mouse makes it; never on the About window's
  // links, which would start a browser or a mail program.
  void ClickSomewhere() {
    // A click over an open menu would take one of its items, maybe "Chiudi".
    if (WaitForPopupMenu(program_.Id(), 0)) return;
    const std::vector<HWND> shown = ShownForms();
    if (shown.empty()) {
      PostTrayEvent(program_.Form1(), WM_LBUTTONDBLCLK);
      Settle();
      return;
    }
    HWND form = shown[static_cast<size_t>(Pick(static_cast<int>(shown.size())))];
    RECT r{};
    if (!GetWindowRect(form, &r) || r.right <= r.left || r.bottom <= r.top) return;
    const POINT at{r.left + Pick(r.right - r.left), r.top + Pick(r.bottom - r.top)};
    if (OnALink(form, at)) return;
    Did("click at " + std::to_string(at.x) + "," + std::to_string(at.y) + " on " +
        ToUtf8(ClassOf(form)));
    SetCursorPos(at.x, at.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
  }

  bool OnALink(HWND form, POINT at) {
    if (ClassOf(form) != FormClass(about::kForm)) return false;
    for (const int link : {about::Label4, about::Label5}) {
      const auto part = ReadControlPart(form, link);
      if (!part) return true;  // unreadable now: better not click at all
      RECT around = part->location;
      InflateRect(&around, 4, 4);
      if (PtInRect(&around, at)) return true;
    }
    return false;
  }

  void PressSomeKey() {
    // Keys in an open menu could choose "Chiudi": a menu gets its choice from MenuChoice alone.
    if (WaitForPopupMenu(program_.Id(), 0)) return;
    static const WORD kKeys[] = {VK_TAB,   VK_RETURN,     VK_SPACE,    VK_LEFT,   VK_RIGHT, VK_UP,
                                 VK_DOWN,  VK_BACK,       VK_ESCAPE,   VK_DELETE, VK_HOME,  VK_END,
                                 '0',      '1',           '5',         '9',       'A',      'X',
                                 VK_OEM_2, VK_OEM_PERIOD, VK_OEM_MINUS};
    static const WORD kAccessKeys[] = {'C', 'F', 'E', 'O'};
    const int kind = Pick(10);
    if (kind == 0) {
      const WORD key = kAccessKeys[Pick(4)];
      Did("Alt+" + std::string(1, static_cast<char>(key)));
      PressKey(key, {VK_MENU});
    } else if (kind == 1) {
      Did("Shift+Tab");
      PressKey(VK_TAB, {VK_SHIFT});
    } else {
      const WORD key = kKeys[static_cast<size_t>(Pick(static_cast<int>(std::size(kKeys))))];
      Did("key " + std::to_string(key) + " in " + ToUtf8(ClassOf(GetForegroundWindow())));
      PressKey(key);
    }
  }

  void TrayEvent() {
    static const UINT kEvents[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_LBUTTONDBLCLK,
                                   WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_MBUTTONDOWN, WM_MBUTTONUP};
    const UINT event = kEvents[static_cast<size_t>(Pick(std::size(kEvents)))];
    Did("tray event " + std::to_string(event));
    PostTrayEvent(program_.Form1(), event);
    // A menu it opens is open now, not in the middle of later keys and clicks.
    Settle();
  }

  // Opens the menu when none is open, then takes an item or dismisses it; never "Chiudi".
  void MenuChoice() {
    HWND menu = WaitForPopupMenu(program_.Id(), 0);
    if (!menu) {
      PointAtTrayIcon();
      PostTrayEvent(program_.Form1(), WM_RBUTTONUP);
      Settle();
      // None comes while the program handles another tray event.
      menu = WaitForPopupMenu(program_.Id(), 1000);
      if (!menu) return;
    }
    const int item = Pick(4);  // 1 to 3 Down presses reach the three windows' items
    Did("menu item " + std::to_string(item));
    if (item == 0) {
      DismissMenu(menu, 2000);
    } else {
      ChooseMenuItem(menu, item, 2000);
    }
  }

  // Returns once the program has taken what was posted to it: a message sent is answered
  // before the posted ones are taken, and the second one after the next of them is (or inside
  // the menu or the zoom that it started). Tray events then never act late, a menu opening in
  // the middle of keys meant for a window, where Up and Enter would choose "Chiudi".
  void Settle() {
    for (int i = 0; i < 2; ++i) program_.Answers(kWindowMs);
  }

  void CheckHealthy(const std::string& when) {
    Report& report = session_.report;
    const bool running = program_.Running();
    const bool answers = running && program_.Answers(kWindowMs);
    if (!running || !answers) {
      report.Check(running, when + ": the program still runs",
                   "it ended with exit code " + std::to_string(program_.ExitCode()));
      report.Check(answers, when + ": the program answers");
      for (const std::string& done : lately_) report.Note("  lately: " + done);
      healthy_ = false;
    }
    // No dialog but the program's own boxes: no crash report, no error of the system.
    for (HWND dialog : TopLevelWindows(WindowOfClass(L"#32770").Visible())) {
      const std::string text = TextOf(dialog);
      if (ProcessOf(dialog) == program_.Id() && OwnBoxTitle(text)) continue;
      RECT r{};
      // A box that closed while it was read (the program's own, as a rule) is no error.
      if (!GetWindowRect(dialog, &r) || !IsWindowVisible(dialog)) continue;
      report.Check(false, when + ": no error dialog shows",
                   "\"" + text + "\" of " +
                       (ProcessOf(dialog) == program_.Id()
                            ? std::string("the program")
                            : "process " + std::to_string(ProcessOf(dialog))) +
                       ", " + std::to_string(r.right - r.left) + "x" +
                       std::to_string(r.bottom - r.top) + Described(ChildWindows(dialog)));
      for (const std::string& done : lately_) report.Note("  lately: " + done);
      healthy_ = false;
    }
  }

  Session& session_;
  RunningProgram& program_;
  std::mt19937 random_;
  int actions_ = 0;
  bool healthy_ = true;
  std::deque<std::string> lately_;  // the last actions, told when the program is found gone

  void Did(std::string what) {
    lately_.push_back(std::move(what));
    if (lately_.size() > 24) lately_.pop_front();
  }
};

// What the program's thread is inside of, for a failure's detail: a menu, a move, capture.
std::string ThreadState(const RunningProgram& program) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(program.Form1(), nullptr), &info)) return {};
  auto name = [](HWND w) { return w ? ToUtf8(ClassOf(w)) : std::string("none"); };
  return "; thread flags " + std::to_string(info.flags) + ", active " + name(info.hwndActive) +
         ", focus " + name(info.hwndFocus) + ", capture " + name(info.hwndCapture) +
         ", menu owner " + name(info.hwndMenuOwner) + ", move/size " + name(info.hwndMoveSize);
}

// Each window left open and its close button as the system sees them, for a failure's detail.
std::string CloseButtons(const RunningProgram& program) {
  std::string seen;
  for (const MenuWindow& window : kMenuWindows) {
    HWND form = program.FindForm(window.form, true);
    if (!form) continue;
    HWND button = ControlWindow(form, window.closeButton);
    seen += "; " + ToUtf8(ClassOf(form)) + (IsWindowEnabled(form) ? " enabled" : " disabled") +
            (GetPropW(form, L"KestalDate.Surface") ? ", has its surface" : ", no surface") +
            ", its button " +
            (button ? std::string(IsWindowEnabled(button) ? "enabled" : "disabled") +
                          (IsWindowVisible(button) ? " visible" : " hidden")
                    : std::string("missing"));
  }
  return seen;
}

// Closes what the round left open: menus, message boxes, then the windows by their buttons.
// No window of the program shows, and none of its menu's windows is made.
bool Settled(const RunningProgram& program) {
  for (const MenuWindow& window : kMenuWindows) {
    if (program.FindForm(window.form, false)) return false;
  }
  return program.VisibleWindowCount() == 0;
}

bool CloseEverything(Session& session, RunningProgram& program,
                     const std::deque<std::string>& lately) {
  for (int k = 0; k < 20; ++k) {
    bool closed = false;
    if (HWND menu = WaitForPopupMenu(program.Id(), 200)) closed = DismissMenu(menu, 2000) || closed;
    if (HWND box = FindTopLevel(WindowOfClass(L"#32770").OfProcess(program.Id()).Visible()))
      closed = PressOk(box, 2000) || closed;
    for (const MenuWindow& window : kMenuWindows) {
      if (HWND form = program.FindForm(window.form, true)) {
        program.CloseWithButton(form, window.closeButton, 2000);
        closed = true;
      }
    }
    program.WaitForIdle(kWindowMs);
    // Done when for a second no window shows and none is on its way: a menu choice made while
    // another window was closing opens its window after that one has gone, and the window is
    // made some time before it shows. One that comes is closed the next time round.
    if (!closed && !WaitUntil([&] { return !Settled(program); }, 1000)) break;
  }
  if (session.report.Check(
          program.VisibleWindowCount() == 0, "every window is closed",
          Described(WindowsOf(program, true)) + ThreadState(program) + CloseButtons(program))) {
    return true;
  }
  for (const std::string& done : lately) session.report.Note("  lately: " + done);
  return false;
}

struct Objects {
  int gdi = 0, windows = 0;
  std::map<int, int> gdiTypes;
};

std::optional<Objects> Count(ProcessMeter& meter) {
  const auto gdi = meter.GdiObjects();
  if (!gdi) return std::nullopt;
  return Objects{*gdi, meter.Windows(), meter.GdiObjectTypes().value_or(std::map<int, int>{})};
}

// Types in the handle table: a device context, a region, a bitmap, a colour space, a brush.
constexpr int kDc = 1, kRegion = 4, kBitmap = 5, kColourSpace = 9, kBrush = 16;
// Wine keeps the device contexts of windows in a cache that grows in steps to the most a
// program has held at once (nested paints while a zoom or a box holds one), each with its
// region and bitmap. Apart from them Wine makes colour spaces, which the program never makes,
// and the brushes of the system's colours on their first use, a few in all; the program's own
// brushes go with the window that drew with them. Five minutes of random input took it from 244
// GDI objects to 244, 247, 247, 268 and 268, minute by minute. A busy minute can take it a few
// further than the warm-up did, never this far; the program's own objects must all be back.
constexpr int kMostCachedDcs = 16, kMostWineObjects = 8;

int GrowthOf(const Objects& before, const Objects& after, int type) {
  const auto was = before.gdiTypes.find(type), is = after.gdiTypes.find(type);
  return (is == after.gdiTypes.end() ? 0 : is->second) -
         (was == before.gdiTypes.end() ? 0 : was->second);
}

// The GDI objects of each type that grew, as "type 10: +3".
std::string Growth(const Objects& before, const Objects& after) {
  std::string grown;
  for (const auto& [type, count] : after.gdiTypes) {
    if (const int more = GrowthOf(before, after, type); more > 0)
      grown += " type " + std::to_string(type) + ": +" + std::to_string(more);
  }
  return grown;
}

// Nothing grew but what Wine keeps: cached device contexts, each with no more than its region and
// bitmap, and a few colour spaces and brushes of its own.
bool OnlyWinesObjectsGrew(const Objects& before, const Objects& after) {
  const int dcs = GrowthOf(before, after, kDc);
  if (dcs > kMostCachedDcs) return false;
  for (const auto& [type, count] : after.gdiTypes) {
    const int more = GrowthOf(before, after, type);
    const bool cached = type == kDc || type == kRegion || type == kBitmap;
    const bool wines = type == kColourSpace || type == kBrush;
    const int allowed = cached ? dcs : wines ? kMostWineObjects : 0;
    if (more > allowed) return false;
  }
  return true;
}

// Each window opened and closed once, the formats box and a fault box shown: what their first
// use loads for good (the system's icons and fonts) is not growth.
bool WarmUp(Session& session, RunningProgram& program) {
  for (const MenuWindow& window : kMenuWindows) {
    HWND form = OpenFromTrayMenu(session, program, window.item, window.form);
    if (!form) return false;
    if (window.form == conversion::kForm) {
      ClickControl(form, conversion::Command2);
      PressOk(WaitForMessageBox(program.Id(), kWindowMs).window, kWindowMs);
      TypeText(form, conversion::DataSource, "nessuna data");
      PressEnterIn(form, conversion::DataSource);
      PressOk(WaitForMessageBox(program.Id(), kWindowMs).window, kWindowMs);
    }
    if (!program.CloseWithButton(form, window.closeButton, kWindowMs)) return false;
  }
  return program.WaitForIdle(kWindowMs);
}

void RandomInput(Session& session) {
  Report& report = session.report;
  const unsigned seed =
      session.seed ? session.seed
                   : static_cast<unsigned>(
                         std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
  report.Note("seed " + std::to_string(seed) + " (again: random-input --seed " +
              std::to_string(seed) + ")");
  // What the round's "Ok" may store goes again, for the scenarios after it, however it ends.
  struct Restore {
    Session& session;
    ~Restore() {
      DeleteValue(HKEY_CURRENT_USER, kRunKey, kRunValueName);
      DeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName);
      DeleteTree(HKEY_CURRENT_USER, kSettingsRoot);
    }
  } restore{session};
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    ProcessMeter meter(program, session.exePath);
    if (!report.Check(WarmUp(session, program), "each window opens and closes once")) return;
    RandomRound warmUp(session, program, seed + 1);
    warmUp.Play(kWarmUpRound);
    MovePointerAway();
    if (!warmUp.Healthy() || !CloseEverything(session, program, warmUp.Lately())) return;
    const auto before = Count(meter);
    if (!report.Check(before.has_value(), "the program's objects are counted before the round"))
      return;
    report.Note("before the round: " + std::to_string(before->gdi) + " GDI objects, " +
                std::to_string(before->windows) + " windows");

    RandomRound round(session, program, seed);
    round.Play(kRound);
    MovePointerAway();
    if (!round.Healthy()) return;
    if (!CloseEverything(session, program, round.Lately())) return;
    // A window hidden a moment ago may still be on its way out (the zoom's outline, a window
    // released after its closing zoom).
    WaitUntil([&] { return meter.Windows() <= before->windows; }, 3000);
    const auto after = Count(meter);
    if (report.Check(after.has_value(), "the program's objects are counted after the round")) {
      report.Note("after the round: " + std::to_string(after->gdi) + " GDI objects, " +
                  std::to_string(after->windows) + " windows");
      const bool back = after->gdi <= before->gdi;
      if (!back && OnlyWinesObjectsGrew(*before, *after)) {
        report.Note("Wine keeps more of its own objects (" + Growth(*before, *after) + " )");
      }
      report.Check(
          back || OnlyWinesObjectsGrew(*before, *after),
          "GDI objects are back where they started (but for what Wine keeps)",
          std::to_string(after->gdi - before->gdi) + " more (" + Growth(*before, *after) + " )");
      report.Check(after->windows <= before->windows, "USER objects are back where they started",
                   std::to_string(after->windows - before->windows) +
                       " more:" + Described(WindowsOf(program, false)));
    }
    report.Check(TrayIconExists(program.Form1()), "the icon is still in the tray");
  });
}

const RegisteredScenarios kRandomInput{
    {"random-input", "a minute of seeded random clicks, keys, tray events and menu choices",
     RandomInput},
};

}  // namespace

}  // namespace e2e
