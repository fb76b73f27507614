#include "platform/win32/OneCopy.h"

#include <string>

#include "platform/win32/FormWindowIds.h"
#include "services/OneCopyClaim.h"
#include "platform/win32/Trace.h"

namespace kestal::win32 {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\KestalDate.OneCopy";
// How long a second start waits for a copy that is starting (its window not made yet) or ending.
constexpr unsigned kWaitMilliseconds = 5000;
constexpr unsigned kPollMilliseconds = 100;
// How long the running copy may take to show its About window before it answers.
constexpr UINT kAnswerMilliseconds = 3000;

// The system's answers to the claim's questions.
class ClaimOnWindows {
 public:
  ClaimOnWindows(HANDLE& mutex, bool& owned)
      : mutex_(mutex), owned_(owned), started_(GetTickCount()) {}

  MutexOpen Open() {
    mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
    if (mutex_) return MutexOpen::Opened;
    if (GetLastError() == ERROR_ACCESS_DENIED) return MutexOpen::Denied;
    TraceFailure(L"CreateMutexW");
    return MutexOpen::Failed;
  }
  MutexWait Wait(unsigned milliseconds) {
    // A copy that ended without releasing it (it was killed) leaves it abandoned: ours now.
    const DWORD result = WaitForSingleObject(mutex_, milliseconds);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
      owned_ = true;
      return MutexWait::Owned;
    }
    if (result == WAIT_TIMEOUT) return MutexWait::Held;
    TraceFailure(L"WaitForSingleObject (the one-copy mutex)");
    return MutexWait::Failed;
  }
  void Pause(unsigned milliseconds) { Sleep(milliseconds); }
  unsigned Elapsed() const { return GetTickCount() - started_; }

  bool AskRunningCopy() {
    const std::wstring runningClass = std::wstring(kFormClassPrefix) + L"Form1";
    HWND running = FindWindowW(runningClass.c_str(), nullptr);
    if (!running) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    // The running copy may bring its About window to the front: the user asked for it.
    AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(running, RegisterWindowMessageW(kAnotherStartMessage), 0, 0,
                               SMTO_ABORTIFHUNG, kAnswerMilliseconds, &answer) != 0 &&
           answer == static_cast<DWORD_PTR>(kAnotherStartShown);
  }

 private:
  HANDLE& mutex_;
  bool& owned_;
  DWORD started_;
};

}  // namespace

OneCopy::~OneCopy() {
  if (owned_) ReleaseMutex(mutex_);
  if (mutex_) CloseHandle(mutex_);
}

bool OneCopy::Claim() {
  ClaimOnWindows system(mutex_, owned_);
  return ClaimOneCopy(system, kWaitMilliseconds, kPollMilliseconds);
}

}  // namespace kestal::win32
