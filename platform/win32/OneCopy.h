#pragma once
// One copy of the program per user session. The first copy owns a named mutex in the session's
// own namespace for as long as it runs; a second start finds it owned, asks the running copy to
// show itself (its hidden start-up window gets kAnotherStartMessage, which shows About as a
// double click on the icon does, and answers kAnotherStartShown) and ends. A copy that is
// ending answers otherwise: the new start waits for it to end and becomes the one copy. A mutex
// this start may not open belongs to a copy started with more rights: a copy runs. Another
// user's session has a namespace, and so a copy, of its own.
#include "platform/win32/Owned.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

inline constexpr wchar_t kAnotherStartMessage[] = L"KestalDate.AnotherStart";
inline constexpr LRESULT kAnotherStartShown = 0x4B44;

class OneCopy {
 public:
  OneCopy() = default;
  ~OneCopy();
  OneCopy(const OneCopy&) = delete;
  OneCopy& operator=(const OneCopy&) = delete;

  // True when this is the session's one copy (it owns the mutex until it ends). Otherwise the
  // running copy has shown itself; a copy that is just starting or ending is waited for a few
  // seconds: once it has ended, this start becomes the one copy.
  bool Claim();

 private:
  HANDLE mutex_ = nullptr;
  bool owned_ = false;
};

}  // namespace kestal::win32
