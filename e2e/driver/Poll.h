#pragma once
// Bounded waiting: the driver never sleeps a fixed time where it can look for what it waits for.
#include <windows.h>

namespace e2e {

inline constexpr DWORD kPollStepMs = 20;
// How long a window or a state may take to appear under a busy Wine (a cold start of a process
// takes about half a second).
inline constexpr DWORD kDefaultWaitMs = 10000;

// Calls `probe` until it returns true or `timeoutMs` has passed; true when it did. Messages sent
// to the driver's own windows are handled while waiting.
template <typename Probe>
bool WaitUntil(Probe probe, DWORD timeoutMs = kDefaultWaitMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (probe()) return true;
    if (GetTickCount64() >= end) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(kPollStepMs);
  }
}

// Calls `probe` until it gives a value or `timeoutMs` has passed.
template <typename Probe>
auto WaitFor(Probe probe, DWORD timeoutMs = kDefaultWaitMs) -> decltype(probe()) {
  decltype(probe()) found{};
  WaitUntil([&] { return static_cast<bool>(found = probe()); }, timeoutMs);
  return found;
}

}  // namespace e2e
