#pragma once
// Reading the program's windows as a screen reader does: through the objects the window gives
// for OBJID_CLIENT (MSAA). A control is known by its place in the window's design, which the
// window uses as its child id (plus one).
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct ReadPart {
  long role = 0;
  std::string name, value;
  long state = 0;  // STATE_SYSTEM_* flags
  RECT location{};  // screen pixels
  bool Has(long flag) const { return (state & flag) != 0; }
};

// One control of the window, asked of the window's own object; none when it is not readable
// (or the window does not answer).
std::optional<ReadPart> ReadControlPart(HWND form, int control);

// The window's object and everything in it, in the order a reader meets it.
struct ReadNode {
  ReadPart part;
  bool object = false;  // an object of its own (the window, a frame, a real control)
  std::vector<ReadNode> children;
};
std::optional<ReadNode> ReadWindowTree(HWND form);

// The window's own object, kept as a reader keeps it while the window closes.
class HeldWindowObject {
 public:
  explicit HeldWindowObject(HWND form);
  ~HeldWindowObject();
  HeldWindowObject(const HeldWindowObject&) = delete;
  HeldWindowObject& operator=(const HeldWindowObject&) = delete;
  bool Held() const { return object_ != nullptr; }
  // What asking for the window's name answers, and the name when it gives one.
  long AskName(std::string& name) const;

 private:
  IAccessible* object_ = nullptr;
};
// Asks the control to do its default action (a link opens, a picture is clicked).
bool DoDefaultAction(HWND form, int control);

// Which of the window's children lies at the screen point: its child id (a control's place in
// the design plus one), 0 for the window itself, -1 for none or an object child.
long HitTest(HWND form, POINT at);

// A text as a reader hears it: line breaks as blanks, runs of blanks as one, none at the ends.
std::string AsRead(std::string_view text);

}  // namespace e2e
