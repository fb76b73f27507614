#pragma once
// A small automation hook for the end-to-end tests: the test driver asks a window of the program
// for the state of one of its controls, including the windowless ones (labels, pictures, lines,
// frames), which have no window of their own to read. The program answers only when it was
// started with kAutomationSwitch; otherwise the message means nothing to it.
//
// The asker sends the registered message kAutomationQueryMessage to the form's window with
// wParam = the control's index in the window's design (0, 1, ...; -1 for the form itself) and
// lParam = the asker's window. The form answers, before SendMessage returns, with WM_COPYDATA to
// the asker: dwData = the same index, lpData = an AutomationReply followed by the control's text
// (caption of labels, buttons, options and frames; text of text boxes) in UTF-16, not
// terminated. An index with no control gets no answer. The message returns 1 when answered.
#include <cstdint>

namespace kestal {

inline constexpr wchar_t kAutomationQueryMessage[] = L"KestalDate.QueryControl";
inline constexpr wchar_t kAutomationSwitch[] = L"/automation";
// Each control window's id (GetDlgItem) is this base plus its index in the design.
inline constexpr int kControlIdBase = 100;
// Each form's window class is this prefix followed by the form's name ("KestalDate_Form1").
inline constexpr wchar_t kFormClassPrefix[] = L"KestalDate_";

enum AutomationFlags : uint32_t {
  kAutoValue = 1,  // option selected / check box ticked
  kAutoEnabled = 2,
  kAutoFocused = 4,
  kAutoVisible = 8,
  kAutoTopmost = 16,   // the form's window is topmost (index -1 only)
  kAutoTextFits = 32,  // the caption shows whole in its box at the size it is drawn
  kAutoSetSolid = 64,  // a label's lines are set solid so that its text fits
};

struct AutomationReply {
  uint32_t kind;  // ControlKind as a number; 99 for the form itself
  uint32_t flags;
  int32_t selStart, selLength;       // text boxes, in characters
  int32_t left, top, width, height;  // twips, relative to the container; form: screen
  uint32_t foreColor, backColor;     // 0x00BBGGRR; backColor 0xFFFFFFFF: transparent
  int32_t fontBold, fontUnderline;   // 0 or 1
  int32_t fontTwentiethsOfPoint;     // size x 20, 0 for the window's default
  // As drawn: the font's size x 20 after fitting (0 for lines and pictures); the form: the
  // window's dots per inch, its outline's box in pixels (0 when it has none) and the side of
  // the small icon it gives the tray.
  int32_t designedTwentiethsOfPoint, drawnTwentiethsOfPoint;
  int32_t dpi, outlineWidth, outlineHeight, smallIconSize;
};

}  // namespace kestal
