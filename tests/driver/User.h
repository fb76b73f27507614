#pragma once
// The test driver: a user working the windows of the headless platform, as one would on the
// screen (clicks, typing, keys, Tab), and reading what the windows show.
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {

// A control's name as its design gives it: "Option1", or "Label1(2)" in a control array.
std::string NameOf(const ControlDefinition& design);

// Acting on a loaded window as the user would. Controls are named as in the window's design
// ("Option1", or "Label1" with its index).
class User {
 public:
  User(HeadlessWindowSystem& windows, Form& form) : windows_(windows), form_(form) {}

  // A mouse click: a button, option button or check box takes the focus (when it can) and then
  // clicks; a disabled control ignores the click; an option button becomes selected.
  void Click(std::string_view control, int index = -1);
  // Focus into a control (a click into a text box, or Tab).
  void Focus(std::string_view control, int index = -1);
  // Typing into a text box: focuses it, then each character replaces the selection, raising a
  // key press (which may consume it) and a change for each character that changes the text.
  void Type(std::string_view control, std::string_view text);
  // One key press in the focused text box: 13 is Enter, 8 Backspace.
  void PressKey(std::string_view control, int keyAscii);
  // A key on whatever has the focus, as the dialog manager passes it on: into a text box as its
  // key press; Enter (13) and Space click what they click on Windows (KeyClicks); a letter or
  // digit elsewhere is the access key it matches.
  void PressKey(int keyAscii);
  // Space, Enter or Escape on whatever has the focus: Space and Enter as above; Escape closes the
  // window.
  void PressKey(Key key);
  // Pasting or deleting: replaces the whole text at once (one change event).
  void ReplaceText(std::string_view control, std::string_view text);
  // Alt + the access key of a button or option ("&Converti": 'C').
  void AccessKey(char key);
  // Tab (Shift+Tab backwards): the focus moves to the next control in tab order that can take
  // it; an option group is one stop, its selected button.
  void Tab(bool backwards = false);
  // Tab that many times (Shift+Tab when negative): the controls focused after each press.
  std::vector<std::string> Tabs(int presses);

  std::string Text(std::string_view control, int index = -1) const;
  bool Value(std::string_view control, int index = -1) const;
  bool Enabled(std::string_view control, int index = -1) const;
  bool HasFocus(std::string_view control, int index = -1) const;
  // The control that has the focus: its design, or null when none has it (or the window is not
  // loaded); its name, or "" then.
  const ControlDefinition* FocusedControl() const;
  std::string Focused() const;
  int SelStart(std::string_view control) const;
  int SelLength(std::string_view control) const;
  Color BackColor(std::string_view control, int index = -1) const;
  // The colours the user sees: designed, or the system's under high contrast.
  Color ShownForeColor(std::string_view control, int index = -1) const;
  Color ShownBackColor(std::string_view control, int index = -1) const;
  TwipRect Rect(std::string_view control, int index = -1) const;
  // The form's own state.
  bool Visible() const;
  Color FormBackColor() const;
  Color ShownFormBackColor() const;
  TwipRect FormRect() const;  // left, top, width, height in twips

 private:
  int Id(std::string_view control, int index) const;
  HeadlessSurface& Surface() const;
  HeadlessWindowSystem& windows_;
  Form& form_;
};

}  // namespace kestal::headless
