// The program against the floor (a minimal tray program of our own, built with the same flags):
// start-up to the icon, memory in the tray, the exe's size, wake-ups while idle, and the time
// from a menu choice to the window. Not part of the test run: scripts/bench.sh plays it.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "FormActions.h"
#include "PopupMenu.h"
#include "Scenarios.h"
#include "TrayIcon.h"
#include "WindowFinder.h"
#include "measure/ProcessMeter.h"

namespace e2e {

namespace {

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The value a quarter of the runs stay under: under Wine start-up times fall in a fast and a slow
// group (the machine, not the program), and the median then jumps between them.
double LowerQuartile(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[(values.size() - 1) / 4];
}

struct ProgramFigures {
  std::vector<double> startupMs;
  std::vector<double> privateKiB;
  std::vector<double> peakKiB;
};

// The first window of the process whose icon the shell holds: polled as fast as the shell
// answers, so that the moment it shows is caught within a millisecond or two.
HWND WaitForIconOf(DWORD processId, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < end) {
    for (HWND window : TopLevelWindows(WindowQuery{}.OfProcess(processId))) {
      if (TrayIconExists(window)) return window;
    }
    Sleep(1);
  }
  return nullptr;
}

// A started program with its icon in the tray, settled: what it does after adding the icon
// (hiding its window, setting its timers) is done.
struct TrayProgram {
  std::unique_ptr<RunningProgram> program;
  HWND window = nullptr;
  double startupMs = 0;
};

TrayProgram StartToTray(Session& session, const std::wstring& exe) {
  TrayProgram started;
  const double before = NowMs();
  started.program = std::make_unique<RunningProgram>(exe);
  if (!started.program->Started()) {
    session.report.Check(false, "starts: " + std::string(exe.begin(), exe.end()));
    return started;
  }
  started.window = WaitForIconOf(started.program->Id(), kStartMs);
  started.startupMs = NowMs() - before;
  if (!session.report.Check(started.window != nullptr, "the icon shows in the tray"))
    return started;
  started.program->WaitForIdle(kWindowMs);
  Sleep(1000);
  return started;
}

void CloseTrayProgram(Session& session, TrayProgram& started) {
  PostMessageW(started.window, WM_CLOSE, 0, 0);
  session.report.Check(started.program->WaitForExit(kExitMs), "the program ends when closed");
}

void MeasureOneStart(Session& session, const std::wstring& exe, ProgramFigures& figures) {
  TrayProgram started = StartToTray(session, exe);
  if (!started.window) return;
  ProcessMeter meter(*started.program, exe);
  const auto memory = meter.Memory();
  if (session.report.Check(memory.has_value(), "the memory figures are read")) {
    figures.startupMs.push_back(started.startupMs);
    figures.privateKiB.push_back(static_cast<double>(memory->privateBytes) / 1024);
    figures.peakKiB.push_back(static_cast<double>(memory->peakWorkingSet) / 1024);
  }
  CloseTrayProgram(session, started);
}

uint64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Row(const char* what, double floor, double program, const char* unit) {
  std::printf("  %-36s %12.1f %12.1f %8.2f  %s\n", what, floor, program,
              floor > 0 ? program / floor : 0.0, unit);
}

// Both programs idle side by side for the same time; every context switch of a thread of
// theirs is a wake-up (an idle program's threads do not run at all).
void CountIdleWakeUps(Session& session) {
  TrayProgram floor = StartToTray(session, session.floorPath);
  TrayProgram program = StartToTray(session, session.exePath);
  if (!floor.window || !program.window) return;
  ProcessMeter floorMeter(*floor.program, session.floorPath);
  ProcessMeter programMeter(*program.program, session.exePath);
  const auto floorBefore = floorMeter.ContextSwitches();
  const auto programBefore = programMeter.ContextSwitches();
  Sleep(static_cast<DWORD>(session.idleSeconds) * 1000);
  const auto floorAfter = floorMeter.ContextSwitches();
  const auto programAfter = programMeter.ContextSwitches();
  if (session.report.Check(floorBefore && floorAfter && programBefore && programAfter,
                           "the wake-ups of both programs are counted")) {
    const auto floorWakeUps = static_cast<double>(*floorAfter - *floorBefore);
    const auto programWakeUps = static_cast<double>(*programAfter - *programBefore);
    std::printf("\nwake-ups while idle for %d s:\n", session.idleSeconds);
    Row("wake-ups", floorWakeUps, programWakeUps, "count");
    std::printf("goal: no wake-ups while idle: %s\n", programWakeUps == 0 ? "met" : "MISSED");
  }
  CloseTrayProgram(session, program);
  CloseTrayProgram(session, floor);
}

// From the Enter that chooses the item to the window being visible. Under Wine the zoom is not
// drawn and no sound plays, so nothing of either is in the figure.
void MeasureMenuToWindow(Session& session) {
  TrayProgram started = StartToTray(session, session.exePath);
  if (!started.window) return;
  RunningProgram& program = *started.program;
  std::printf("\nmenu choice to visible window (median of %d, ms):\n", session.runs);
  for (const MenuWindow& choice : kMenuWindows) {
    std::vector<double> times;
    for (int run = 0; run < session.runs; ++run) {
      PointAtTrayIcon();
      PostTrayEvent(started.window, WM_RBUTTONUP);
      HWND menu = WaitForPopupMenu(program.Id(), kWindowMs);
      if (!session.report.Check(menu != nullptr, "the menu opens")) return;
      // The item is selected first; the clock runs from the Enter that chooses it.
      for (int press = 0; press < static_cast<int>(choice.item); ++press)
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
      Sleep(100);
      const double before = NowMs();
      PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
      HWND form = nullptr;
      const ULONGLONG end = GetTickCount64() + kWindowMs;
      while (!(form = program.FindForm(choice.form, true)) && GetTickCount64() < end) Sleep(1);
      const double elapsed = NowMs() - before;
      if (!session.report.Check(form != nullptr, std::string("the ") + choice.name + " shows"))
        return;
      times.push_back(elapsed);
      MovePointerAway();
      program.WaitForIdle(kWindowMs);
      if (!session.report.Check(program.CloseWithButton(form, choice.closeButton, kWindowMs),
                                "the window closes"))
        return;
    }
    std::printf("  %-36s %12.1f\n", choice.name, Median(times));
  }
  CloseTrayProgram(session, started);
}

void Measure(Session& session) {
  // Only the figures and failures are printed.
  session.report.SetQuiet(true);
  if (!session.report.Check(!session.floorPath.empty(), "the floor program is given (--floor)"))
    return;
  ProgramFigures floor, program;
  // Alternating, so that a slower moment of the machine falls on both alike.
  for (int run = 0; run < session.runs; ++run) {
    MeasureOneStart(session, session.floorPath, floor);
    MeasureOneStart(session, session.exePath, program);
  }
  const double floorSize = static_cast<double>(FileSize(session.floorPath)) / 1024;
  const double programSize = static_cast<double>(FileSize(session.exePath)) / 1024;
  std::printf("\nmedians of %d runs each:       %12s %12s %8s\n", session.runs, "floor", "program",
              "ratio");
  Row("start-up to the icon in the tray", Median(floor.startupMs), Median(program.startupMs), "ms");
  Row("  the fastest quarter of the runs", LowerQuartile(floor.startupMs),
      LowerQuartile(program.startupMs), "ms");
  Row("private bytes in the tray", Median(floor.privateKiB), Median(program.privateKiB), "KiB");
  Row("peak working set", Median(floor.peakKiB), Median(program.peakKiB), "KiB");
  Row("exe size, stripped", floorSize, programSize, "KiB");
  const auto goal = [](const char* what, bool met) {
    std::printf("goal: %s: %s\n", what, met ? "met" : "MISSED");
  };
  goal("start-up within 1.1 times the floor",
       Median(program.startupMs) <= 1.1 * Median(floor.startupMs));
  goal("private bytes within 1.1 times the floor",
       Median(program.privateKiB) <= 1.1 * Median(floor.privateKiB));
  goal("exe under 1 MiB with its resources", programSize < 1024);
  CountIdleWakeUps(session);
  MeasureMenuToWindow(session);
}

const RegisteredScenarios kMeasure{
    {"measure", "start-up, memory, size, idle wake-ups and menu speed against the floor", Measure},
};

}  // namespace

}  // namespace e2e
