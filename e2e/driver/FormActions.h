#pragma once
// A user's actions on one of the program's windows, and what the user would read from it.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "Automation.h"

namespace e2e {

// Replaces the text of a text box, as typing over a selected text does.
bool TypeText(HWND form, int control, const std::string& text);
// Clicks a button, option button, check box, link or picture (posted: the click may open a
// modal box).
bool ClickControl(HWND form, int control);
// One press of a key, with the modifiers held around it, as the keyboard sends it (to the window
// that has the keyboard).
void PressKey(WORD key, std::initializer_list<WORD> held = {});
// Presses Enter in a text box.
bool PressEnterIn(HWND form, int control);

// What a screen reader reads of a control: a text box's text, any other control's caption or
// text (line breaks as blanks); empty when unreadable.
std::string ReadText(HWND form, int control);
bool IsOn(HWND form, int control);  // option selected, check box ticked
bool IsEnabled(HWND form, int control);
bool HasFocus(HWND form, int control);
// A text box's selection: start and length in characters, as the box itself tells them.
std::pair<int, int> Selection(HWND form, int control);
// The control's top on its window, in twips at the window's density.
int TopInTwips(HWND form, int control);
// Waits until the control's text is `expected`; gives the last text read.
std::string WaitForText(HWND form, int control, const std::string& expected, DWORD timeoutMs);
// Waits until the control's state settles on `on`.
bool WaitForOn(HWND form, int control, bool on, DWORD timeoutMs);

}  // namespace e2e
