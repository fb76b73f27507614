#pragma once
// A small automation hook for the end-to-end tests, for what no user can perceive and a screen
// reader therefore does not say (everything a user can perceive is read through the windows'
// objects for screen readers): how a caption was fitted to its box, the window's density, its
// outline and the size of the icon it gives the tray. The program answers only when it was
// started with kAutomationSwitch; otherwise the message means nothing to it.
//
// The asker sends the registered message kAutomationQueryMessage to the form's window with
// wParam = the control's index in the window's design (0, 1, ...; -1 for the form itself) and
// lParam = the asker's window. The form answers, before SendMessage returns, with WM_COPYDATA to
// the asker: dwData = the same index, lpData = an AutomationReply. An index with no control gets
// no answer. The message returns 1 when answered.
#include <cstdint>

namespace kestal {

inline constexpr wchar_t kAutomationQueryMessage[] = L"KestalDate.QueryControl";
inline constexpr wchar_t kAutomationSwitch[] = L"/automation";

enum AutomationFlags : uint32_t {
  kAutoTextFits = 1,  // the caption shows whole in its box at the size it is drawn
  kAutoSetSolid = 2,  // a label's lines are set solid so that its text fits
};

struct AutomationReply {
  uint32_t kind;  // ControlKind as a number; 99 for the form itself
  uint32_t flags;
  // The caption's font size x 20, as designed and as drawn after fitting (0 for lines and
  // pictures).
  int32_t designedTwentiethsOfPoint, drawnTwentiethsOfPoint;
  // The form: its dots per inch, its outline's box in pixels (0 when it has none) and the side
  // of the small icon it gives the tray.
  int32_t dpi, outlineWidth, outlineHeight, smallIconSize;
};

}  // namespace kestal
