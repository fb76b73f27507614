#pragma once
// Asks the program's automation hook about a control, for what no user perceives (how its
// caption was fitted) or a window (its density, outline and tray icon size); everything a user
// perceives is read as a screen reader reads it (ScreenReader.h).
#include <windows.h>

#include <optional>

#include "platform/win32/AutomationQuery.h"

namespace e2e {

struct ControlState {
  kestal::AutomationReply reply{};
  bool Has(kestal::AutomationFlags flag) const { return (reply.flags & flag) != 0; }
};

// `index` is the control's place in the window's design; -1 asks for the window itself.
std::optional<ControlState> ReadControl(HWND form, int index);

// The control's own window (buttons, text boxes, option buttons, check boxes).
HWND ControlWindow(HWND form, int index);

}  // namespace e2e
