#pragma once
// Reads a control of one of the program's windows through the program's automation hook: its
// text, state, place and colours, for windowless labels and pictures as for real controls.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/AutomationQuery.h"

namespace e2e {

struct ControlState {
  kestal::AutomationReply reply{};
  std::string text;
  bool Has(kestal::AutomationFlags flag) const { return (reply.flags & flag) != 0; }
};

// `index` is the control's place in the window's design; -1 asks for the window itself.
std::optional<ControlState> ReadControl(HWND form, int index);

// The control's own window (buttons, text boxes, option buttons, check boxes).
HWND ControlWindow(HWND form, int index);

}  // namespace e2e
