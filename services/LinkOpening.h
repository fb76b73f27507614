#pragma once
// How a link is opened; Win32Shell opens it.
#include <cstdint>

namespace kestal {

// A copy started as administrator, with more rights than the signed-in user's desktop shell,
// hands the link to that shell, so that the browser or the mail program runs as the user: never
// with the copy's own rights, so nothing opens when the desktop's shell can't be reached. A copy
// with the user's rights opens it itself. The shell's result code: above 32 when the link was
// taken.
template <typename ThroughDesktop, typename Directly>
std::intptr_t OpenLinkAsUser(bool elevatedAboveShell, ThroughDesktop throughDesktop,
                             Directly directly) {
  constexpr std::intptr_t kTaken = 33, kAccessDenied = 5;  // as ShellExecute answers
  if (!elevatedAboveShell) return directly();
  return throughDesktop() ? kTaken : kAccessDenied;
}

}  // namespace kestal
