// The zoom as the screen shows it: a window opened from the tray menu and closed again while
// e2e/zoom-frames.sh takes frames of the screen, with a window of the driver's own changing
// colour in the outline's way. The driver leaves marks in the frames folder (when each phase
// began, the window's, the menu's and the changing window's rectangles, where the outline should
// come from and go to); the script judges the frames.
#include <cmath>
#include <cstdio>
#include <string>

#include "AnimationSwitch.h"
#include "ChangingWindow.h"
#include "FormActions.h"
#include "Poll.h"
#include "PopupMenu.h"
#include "Scenarios.h"
#include "Screenshot.h"
#include "TrayIcon.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

// How long the screen is watched around each phase, so that the frames show it settled.
constexpr DWORD kSettleMs = 400;

// The marks file that the script reads: one "name value..." line each.
class Marks {
 public:
  explicit Marks(const std::wstring& folder) : folder_(folder) {}

  void Time(const char* name) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    // From 1601 in 100 ns steps to milliseconds since 1970, as the frames are named.
    Line(std::string(name) + " " + std::to_string((ticks - 116444736000000000ULL) / 10000));
  }
  void Rect(const char* name, const RECT& r) {
    Line(std::string(name) + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
         std::to_string(r.right) + " " + std::to_string(r.bottom));
  }
  void Number(const char* name, long value) {
    Line(std::string(name) + " " + std::to_string(value));
  }
  // The script takes frames while this file exists.
  void Capture(bool on) {
    const std::wstring flag = folder_ + L"\\capture";
    if (on) {
      FILE* file = _wfopen(flag.c_str(), L"w");
      if (file) std::fclose(file);
    } else {
      DeleteFileW(flag.c_str());
    }
  }

 private:
  void Line(const std::string& line) {
    FILE* file = _wfopen((folder_ + L"\\marks.txt").c_str(), L"a");
    if (!file) return;
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
  std::wstring folder_;
};

// Where the closing outline should end, found as the program is told to find it: the middle
// strip of the notification area, else the program's icon, else the taskbar's end where the
// clock is, else the top-left corner.
RECT ClosingAnchor(HWND form1) {
  RECT area{};
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (taskbar && !IsWindowVisible(taskbar)) taskbar = nullptr;
  HWND notify = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  if (notify && IsWindowVisible(notify) && GetWindowRect(notify, &area) && area.right > area.left &&
      area.bottom > area.top) {
    // Halved to the nearest pixel, an exact half to the even one.
    const long middle = std::lrint(area.right - (area.right - area.left) / 2.0);
    return {middle, area.top, middle + 1, area.bottom};
  }
  NOTIFYICONIDENTIFIER icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = form1;
  icon.uID = kTrayIconId;
  RECT r{};
  if (SUCCEEDED(Shell_NotifyIconGetRect(&icon, &r)) && r.right > r.left && r.bottom > r.top)
    return r;
  if (taskbar && GetWindowRect(taskbar, &r) && r.right > r.left && r.bottom > r.top) {
    if (r.right - r.left >= r.bottom - r.top) return {r.right - 1, r.top, r.right, r.bottom};
    return {r.left, r.bottom - 1, r.right, r.bottom};
  }
  return {0, 0, 1, 0};
}

// The outline's own window, while one shows.
HWND OutlineWindow(DWORD processId) {
  return FindTopLevel(WindowOfClass(L"KestalDate_ZoomOutline").OfProcess(processId).Visible());
}

// Where the changing window goes: on the opening outline's way from the screen's bottom-right
// corner to the conversion window (centred, at its designed size), clear of both.
RECT ChangingPlace(int dpi) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const MenuWindow& opened = kMenuWindows[0];
  const int right = (screenWidth + MulDiv(opened.widthTwips, dpi, 1440)) / 2;
  const int bottom = (screenHeight + MulDiv(opened.heightTwips, dpi, 1440)) / 2;
  const int x = right + (screenWidth - right) * 2 / 5, y = bottom + (screenHeight - bottom) * 2 / 5;
  const int halfWidth = MulDiv(50, dpi, 96), halfHeight = MulDiv(30, dpi, 96);
  return {x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight};
}

// The pointer in the screen's top-right corner, away from every outline's way (the frames are
// the screen's own pixels, and show it); the menu opens there too.
void ParkPointer() {
  MovePointerAway();
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
}

// The closing outline's window as seen from outside while it moves.
struct OutlineSeen {
  int shapes = 0;                     // different shapes seen
  ULONGLONG firstMs = 0, lastMs = 0;  // when the first and the last were seen
  bool hollow = true;                 // no shape held its own middle
  bool passesClicks = true;           // no point of its line was found to be the outline's
  bool neverForeground = true;
  bool stylesKept = true;
};

OutlineSeen WatchOutline(HWND outline) {
  OutlineSeen seen;
  const LONG_PTR wanted =
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  RECT last{};
  const ULONGLONG start = GetTickCount64();
  for (ULONGLONG now = start; IsWindowVisible(outline) && now - start < kWindowMs;
       now = GetTickCount64()) {
    RECT box{}, place{};
    if (GetWindowRgn(outline, region) != ERROR && GetRgnBox(region, &box) != ERROR &&
        GetWindowRect(outline, &place)) {
      if (!EqualRect(&box, &last)) {
        if (seen.shapes++ == 0) seen.firstMs = now - start;
        seen.lastMs = now - start;
        last = box;
      }
      if (box.right - box.left > 8 && box.bottom - box.top > 8 &&
          PtInRegion(region, (box.left + box.right) / 2, (box.top + box.bottom) / 2)) {
        seen.hollow = false;
      }
      // The line's top-left pixel, on the screen.
      if (PtInRegion(region, box.left, box.top) &&
          WindowFromPoint({place.left + box.left, place.top + box.top}) == outline) {
        seen.passesClicks = false;
      }
    }
    // The program may destroy it between the loop's test and here: a gone window has no styles.
    const LONG_PTR styles = GetWindowLongPtrW(outline, GWL_EXSTYLE);
    if (!IsWindow(outline)) break;
    if ((styles & wanted) != wanted) seen.stylesKept = false;
    if (GetForegroundWindow() == outline) seen.neverForeground = false;
    Sleep(1);
  }
  DeleteObject(region);
  return seen;
}

// One round: the conversion window opened from the menu and closed with its button, with the
// screen watched throughout.
void ZoomFrames(Session& session) {
  Report& report = session.report;
  if (!report.Check(!session.framesFolder.empty(), "a frames folder is given (--frames)")) return;
  const AnimationSwitch animations(session.animations);
  report.Check(
      AnimationsOn() == session.animations,
      std::string("the system's animation effects are ") + (session.animations ? "on" : "off"));
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    program.WaitForIdle(kWindowMs);
    ParkPointer();

    Marks marks(session.framesFolder);
    const int dpi = ScreenDpi();
    marks.Number("dpi", dpi);
    marks.Rect("opening-anchor",
               {GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    marks.Rect("closing-anchor", ClosingAnchor(program.Form1()));
    const ChangingWindow changing(ChangingPlace(dpi));
    RECT changingRect{};
    if (!report.Check(changing.Handle() && GetWindowRect(changing.Handle(), &changingRect),
                      "the changing window shows")) {
      return;
    }
    marks.Rect("changing", changingRect);
    marks.Capture(true);
    // A few frames of the desktop as it was: the frames after are compared with them.
    Sleep(kSettleMs / 2);

    marks.Time("menu");
    const MenuWindow& opened = kMenuWindows[0];
    // The right click's menu, opened where the pointer rests: the pointer never goes near the
    // icon, whose tooltip would show in the outline's way.
    HWND menu = OpenTrayMenu(session, program, false);
    if (!menu) return;
    RECT menuRect{};
    GetWindowRect(menu, &menuRect);
    marks.Rect("menu-rect", menuRect);
    report.Check(ChooseMenuItem(menu, static_cast<int>(opened.item), kWindowMs),
                 "the menu closes on the choice");
    HWND form = program.WaitForForm(opened.form, kWindowMs);
    if (!report.Check(form != nullptr, std::string("the ") + opened.name + " opens")) return;
    program.WaitForIdle(kWindowMs);
    marks.Time("opened");
    RECT formRect{};
    GetWindowRect(form, &formRect);
    marks.Rect("window", formRect);
    Sleep(kSettleMs);

    marks.Time("closing");
    ClickControl(form, opened.closeButton);
    if (session.animations) {
      HWND outline = WaitFor([&] { return OutlineWindow(program.Id()); }, kWindowMs);
      if (report.Check(outline != nullptr, "the closing outline's window shows")) {
        const OutlineSeen seen = WatchOutline(outline);
        report.Note("the closing outline's window took " + std::to_string(seen.shapes) +
                    " shapes between " + std::to_string(seen.firstMs) + " and " +
                    std::to_string(seen.lastMs) + " ms after it was found");
        report.Check(seen.shapes >= 3, "it moves, a new shape at each step");
        report.Check(seen.stylesKept,
                     "it stays on top, is never activated, lets clicks through and has no taskbar "
                     "button");
        report.Check(seen.neverForeground, "it does not take the foreground");
        report.Check(seen.hollow, "it is shaped to its line: what lies inside it stays seen");
        report.Check(seen.passesClicks, "a point of its line is not its own: clicks go through");
      }
    }
    report.Check(program.WaitForFormGone(opened.form, kWindowMs),
                 std::string("the ") + opened.name + " closes");
    marks.Time("gone");
    report.Check(WaitUntil([&] { return OutlineWindow(program.Id()) == nullptr; }, kWindowMs),
                 "no outline window is left");
    Sleep(kSettleMs);
    marks.Time("end");
    marks.Capture(false);
    // A frame begun before the end is not yet taken: the program goes on until it is.
    Sleep(kSettleMs / 2);
    report.Check(changing.Changes() > 20, "the changing window changed meanwhile (" +
                                              std::to_string(changing.Changes()) + " colours)");
  });
}

const RegisteredScenarios kZoom{
    {"zoom-frames",
     "a window opens from the menu and closes while the screen is watched (--frames FOLDER, "
     "--animations on|off)",
     ZoomFrames},
};

}  // namespace

}  // namespace e2e
