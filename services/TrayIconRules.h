#pragma once
// What the program's icon gives the shell, and which of the shell's calls puts it in the
// notification area; Win32TrayIcon makes the calls.
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace kestal {

// The tooltip as the shell is given it: the text up to its first NUL, at most 63 UTF-16 units
// (the field of 64 the program has always filled, with its terminating NUL), never ending in
// half of a character.
inline std::u16string TooltipUnits(std::string_view tooltip) {
  constexpr std::size_t kMost = 63;
  std::u16string units = Utf8ToUtf16(tooltip.substr(0, tooltip.find('\0')));
  if (units.size() > kMost) {
    units.resize(units[kMost - 1] >= 0xD800 && units[kMost - 1] < 0xDC00 ? kMost - 1 : kMost);
  }
  return units;
}

enum class IconCall { Add, Modify, SetVersion };

// At sign-in the shell may take an add and still answer it with a failure after its timeout
// (about four seconds): the icon is then there, and only a change reaches it. The icon's current
// form is asked for after every call that put it there, whichever it was. And no call that may
// time out follows a failed one at once: the program never stops answering for two timeouts in
// a row.
class IconCalls {
 public:
  // One attempt to show the icon: an add, or a change where the last attempt's add failed; the
  // current form after the one that was taken. `call` makes a call and says whether the shell
  // took it. True when the icon shows.
  template <typename Call>
  bool Show(Call call) {
    const bool modify = addFailed_;
    const bool taken = call(modify ? IconCall::Modify : IconCall::Add);
    addFailed_ = !modify && !taken;
    if (taken) call(IconCall::SetVersion);
    return taken;
  }

 private:
  bool addFailed_ = false;
};

}  // namespace kestal
