#include "platform/win32/OneCopy.h"

#include <string>

#include "platform/win32/FormWindowIds.h"
#include "platform/win32/Trace.h"

namespace kestal::win32 {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\KestalDate.OneCopy";
// How long a second start waits for a copy that is starting (its window not made yet) or ending.
constexpr DWORD kWaitMilliseconds = 5000;
constexpr DWORD kPollMilliseconds = 100;
}  // namespace

OneCopy::~OneCopy() {
  if (owned_) ReleaseMutex(mutex_);
  if (mutex_) CloseHandle(mutex_);
}

bool OneCopy::Claim() {
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  if (!mutex_) {
    // Nothing can tell whether another copy runs: better two icons than none.
    TraceFailure(L"CreateMutexW");
    return true;
  }
  const UINT anotherStart = RegisterWindowMessageW(kAnotherStartMessage);
  const std::wstring runningClass = std::wstring(kFormClassPrefix) + L"Form1";
  const DWORD started = GetTickCount();
  for (DWORD wait = 0;; wait = kPollMilliseconds) {
    // A copy that ended without releasing it (it was killed) leaves it abandoned: ours now.
    const DWORD result = WaitForSingleObject(mutex_, wait);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
      owned_ = true;
      return true;
    }
    if (result != WAIT_TIMEOUT) {
      TraceFailure(L"WaitForSingleObject (the one-copy mutex)");
      return true;
    }
    if (HWND running = FindWindowW(runningClass.c_str(), nullptr)) {
      DWORD process = 0;
      GetWindowThreadProcessId(running, &process);
      // The running copy may bring its About window to the front: the user asked for it.
      AllowSetForegroundWindow(process);
      if (PostMessageW(running, anotherStart, 0, 0)) return false;
    }
    if (GetTickCount() - started >= kWaitMilliseconds) return false;
  }
}

}  // namespace kestal::win32
