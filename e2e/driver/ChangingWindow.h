#pragma once
// A small window of the driver's own that paints itself a new colour every few milliseconds, on
// a thread of its own, above the other windows and never activated: whatever passes over it must
// leave it seen changing.
#include <windows.h>

#include <atomic>
#include <thread>

namespace e2e {

class ChangingWindow {
 public:
  // Shows the window at `place` (screen pixels) once it has painted its first colour.
  explicit ChangingWindow(const RECT& place);
  // Takes the window down.
  ~ChangingWindow();
  ChangingWindow(const ChangingWindow&) = delete;
  ChangingWindow& operator=(const ChangingWindow&) = delete;

  HWND Handle() const { return window_.load(); }
  // How many colours it has shown so far.
  int Changes() const { return changes_.load(); }

 private:
  void Run(RECT place, HANDLE shown);

  std::atomic<HWND> window_{nullptr};
  std::atomic<int> changes_{0};
  HANDLE stop_;
  std::thread thread_;
};

}  // namespace e2e
