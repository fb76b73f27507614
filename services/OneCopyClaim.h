#pragma once
// The rules by which a start becomes the session's one copy, apart from the system calls that
// answer them (OneCopy.cpp), so that they can be tried with any answers.
namespace kestal {

enum class MutexOpen { Opened, Denied, Failed };
enum class MutexWait { Owned, Held, Failed };

// `system` answers: Open() the named mutex (made or found; Denied when a copy with more rights
// holds it), Wait(ms) for it once opened, Pause(ms), AskRunningCopy() (true when a running copy
// showed itself; a copy that is ending says no), Elapsed() milliseconds since the start.
// True: this start is the one copy. False: a copy runs and has shown itself, or one that does
// not answer kept the mutex for `waitMs`.
template <typename System>
bool ClaimOneCopy(System& system, unsigned waitMs, unsigned pollMs) {
  bool opened = false;
  for (unsigned wait = 0;; wait = pollMs) {
    if (!opened) {
      switch (system.Open()) {
        case MutexOpen::Opened:
          opened = true;
          break;
        case MutexOpen::Denied:
          // A copy started elevated holds it, so a copy runs; once it has ended the mutex can
          // be made anew.
          system.Pause(wait);
          break;
        case MutexOpen::Failed:
          return true;  // nothing can tell whether a copy runs: better two icons than none
      }
    }
    if (opened) {
      switch (system.Wait(wait)) {
        case MutexWait::Owned:
          return true;
        case MutexWait::Held:
          break;
        case MutexWait::Failed:
          return true;
      }
    }
    if (system.AskRunningCopy()) return false;
    if (system.Elapsed() >= waitMs) return false;
  }
}

}  // namespace kestal
