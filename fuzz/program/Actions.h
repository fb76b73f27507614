#pragma once
// The user's and the system's actions on the running program, decoded from bytes: one code
// byte, then the code's arguments. Every byte decodes to some action (a byte that is no code
// stands for the code at its place in the list), so every input is a sequence of actions.
//
//   tray icon   D double click  L left down  U left up  R right release (the menu opens and is
//               dismissed unless a choice is made while it is open)  r right down  V move
//               X k  an event code from a list of others (0, 518 ... 1031, 65535)
//   menu        M k  right release and the item k % 8 chosen (0-5; 6 dismissed; 7 past the end)
//   windows     w: About, News, DataAstrale by byte % 3; c: control by byte % the window's count
//               K w c  click  T w Tab  t w Shift+Tab  A w k  Alt + access key  E w Enter
//               S w Space  B w Backspace  < w  > w  arrow back / forward
//               Y w n ...  n % 33 bytes typed (27 is Escape)  P w k  an odd text pasted
//               p w n ...  n bytes pasted
//   time        F the next timer's time comes  W k time passes (k: 10 ms ... 25 hours)
//               N time passes to just past midnight  C k the clock is set (k: a list of moments)
//               Z the machine sleeps eight hours and wakes
//   system      G the density changes  H the taskbar is (re)created  h the taskbar goes away
//               I the settings store refuses / takes writes  J k the registry root k % 2 refuses /
//               takes writes  O the shell fails / opens links  Q the session ends
//   nesting     ~ a  a is queued input, handled wherever messages are next let through
//               @ a  a happens during the next zoom   ! a  while the next message box is open
//               # a  while the next popup menu is open   % a  while the shell opens a link
// A nesting code's action belongs to the action that follows it: what never came meanwhile is
// dropped.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "services/Clock.h"

namespace kestal::fuzzing {

enum class Nesting { None, Queued, Zoom, MessageBox, Menu, ShellOpen };

struct Action {
  char code = 0;
  int a = 0, b = 0;  // the arguments, as bytes
  std::string text;  // typed or pasted
  Nesting nesting = Nesting::None;
  std::shared_ptr<const Action> inner;  // the nested action
};

// Reads actions one by one; reading past the end gives nothing.
class ActionReader {
 public:
  ActionReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  Action Next();
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

// The windows, by their argument.
inline constexpr std::string_view kWindowNames[] = {"About", "News", "DataAstrale"};
inline std::string_view WindowOf(int byte) {
  return kWindowNames[static_cast<std::size_t>(byte) % 3];
}

// The tray event of D, L, U, R, r and V (-1 for other codes); the codes of X, and the menu item
// of M (-1: dismissed).
int PlainTrayEvent(char code);
int OtherTrayCode(int byte);
int MenuChoice(int byte);
// The key of A, the odd text of P.
char AccessKeyOf(int byte);
std::string OddText(int byte);
// The time of W in milliseconds.
long long TimePassing(int byte);
// The clock setting of C: a moment, or a move by some milliseconds from the time it shows.
struct ClockSetting {
  const char* what;
  bool relative;
  long long moveMs;
  LocalDateTime at;
};
const ClockSetting& ClockSettingOf(int byte);

// The action as a line a person reads (controls by index: the player names them).
std::string Describe(const Action& action);

}  // namespace kestal::fuzzing
