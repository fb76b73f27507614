#pragma once
// What a running program costs, read from outside: its memory, the GDI and USER objects it
// holds, and how often it wakes up. Under Wine the memory and the wake-ups are read from the
// Linux process behind the Windows one (through the Z: drive), since Wine reports no private
// bytes and no object counts of its own.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "RunningProgram.h"

namespace e2e {

struct MemoryFigures {
  uint64_t privateBytes = 0;    // memory that is the process's alone
  uint64_t peakWorkingSet = 0;  // most memory ever resident
  // Under Wine, the part of privateBytes in the Linux heap of Wine's own Unix side (its window
  // and font code, X11): what Windows keeps in its kernel and leaves out of a process's private
  // bytes. 0 on Windows.
  uint64_t hostHeapBytes = 0;
  // Under Wine, the part of privateBytes in the threads' stacks (each with the stack Wine's Unix
  // side runs on). Their number swings with the system's worker threads, a megabyte each, and
  // what a thread's stack holds goes with the thread. 0 on Windows.
  uint64_t threadStackBytes = 0;
};

class ProcessMeter {
 public:
  // The program's file name is how its Linux process is found under Wine.
  ProcessMeter(const RunningProgram& program, const std::wstring& exePath);

  std::optional<MemoryFigures> Memory();
  // GDI objects the process holds (brushes, fonts, bitmaps, regions, DCs, icon images).
  std::optional<int> GdiObjects() const;
  // The same by the type the system's handle table gives each (1 DC, 4 region, 5 bitmap,
  // 8 palette, 10 font, 16 brush, 48 pen ...); none where the table cannot be read.
  std::optional<std::map<int, int>> GdiObjectTypes() const;
  // The process's windows, top-level and children: the USER objects that a leak would grow.
  int Windows() const;
  // Whether the process has loaded the library (by file name, e.g. L"winmm.dll").
  bool HasLoaded(const std::wstring& libraryName) const;
  // Context switches of all the process's threads so far: each is a wake-up or a preemption.
  std::optional<uint64_t> ContextSwitches();

 private:
  std::optional<int> UnixProcessId();

  HANDLE process_;
  DWORD processId_;
  std::wstring exeName_;
  std::optional<int> unixPid_;
};

bool RunningUnderWine();

}  // namespace e2e
