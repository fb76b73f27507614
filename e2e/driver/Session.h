#pragma once
// What every scenario is given, and the steps most scenarios share: a fresh program with a
// prepared setting, today's tooltip read from the tray, and an ending that checks the exit.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Designs.h"
#include "Report.h"
#include "RunningProgram.h"

namespace e2e {

struct Session {
  Report report;
  std::wstring exePath;
  // The release's installer, for the scenarios that install, upgrade and uninstall.
  std::wstring installerPath;
  // The measurements: the floor program, how many runs of each, how long to watch an idle
  // program, and the endurance scenario's number of rounds.
  std::wstring floorPath;
  int runs = 10;
  int idleSeconds = 60;
  int cycles = 500;
  // The random round's seed; 0: one from the clock.
  unsigned seed = 0;
  // The zoom's round: where it leaves its marks for the frames taken meanwhile, and whether the
  // system's animation effects are on.
  std::wstring framesFolder;
  bool animations = true;
};

// Waits of the scenarios: generous, since a cold Wine start of a process takes up to a second.
inline constexpr DWORD kStartMs = 15000;
inline constexpr DWORD kWindowMs = 10000;
inline constexpr DWORD kExitMs = 10000;

// Stores the convention setting as the program reads it (nullopt: no setting at all).
bool PrepareSetting(Session& session, const std::optional<std::string>& setting);
// Starts KestalDate.exe and waits for its hidden start-up window; nullptr when it never came.
std::unique_ptr<RunningProgram> StartProgram(Session& session);
// The tooltip the program must show today with this setting.
std::string ExpectedTooltip(const std::optional<std::string>& setting);
// Hovers the tray icon and checks the tooltip against today's text (the day may turn meanwhile:
// the text of either day passes); saves a screenshot with the tooltip shown.
void CheckTooltip(Session& session, const std::optional<std::string>& setting,
                  const std::string& screenshotName);
// Sends WM_CLOSE to the start-up window, as the system does when it closes the program, and
// checks that the program exits by itself with code 0 and its icon leaves the tray.
void CloseAndCheckExit(Session& session, RunningProgram& program);
// Checks that the process has ended by itself, with exit code 0, and left no icon behind.
void CheckExitedCleanly(Session& session, RunningProgram& program);
// The start and finish most scenarios share: the setting stored, a fresh program started, the
// scenario's steps, then the program closed as the system closes it (unless the steps ended it)
// and its clean exit checked. Nothing more when the program never started.
void WithProgram(Session& session, const std::optional<std::string>& setting,
                 const std::function<void(RunningProgram&)>& steps);

// Right-clicks the icon and waits for the program's popup menu; nullptr when none showed. The
// menu opens where the pointer is: on the icon, unless `pointAtIcon` is false.
HWND OpenTrayMenu(Session& session, RunningProgram& program, bool pointAtIcon = true);
// Opens the menu and chooses the item; true when the menu showed and closed.
bool ChooseFromTrayMenu(Session& session, RunningProgram& program, MenuItem item);
// Chooses the item and waits for the program's window `formName` to show; nullptr when it
// did not.
HWND OpenFromTrayMenu(Session& session, RunningProgram& program, MenuItem item,
                      const wchar_t* formName);
// Opens each window of the tray menu in turn and plays `steps` on it once the program is idle; a
// window the steps leave open is then closed with its button, and its going checked.
void ForEachMenuWindow(Session& session, RunningProgram& program,
                       const std::function<void(const MenuWindow&, HWND)>& steps);
// Saves a screenshot once the program has painted what it shows.
void Snapshot(RunningProgram& program, const std::string& name);
// Brings the window in front, where the keys go, and checks (as `what` says) that it came.
bool InFront(Session& session, HWND form, const std::string& what);
// Checks that the window is placed in the middle of the screen (within a pixel).
void CheckCentred(Session& session, HWND form, const std::string& what);
// Checks that the window stays above the others.
void CheckTopmost(Session& session, HWND form, const std::string& what);

}  // namespace e2e
