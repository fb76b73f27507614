#include "fuzz/program/Actions.h"

#include <algorithm>
#include <iterator>

namespace kestal::fuzzing {
namespace {

// The codes in their order: a byte that is no code stands for the code at byte % their count.
constexpr std::string_view kCodes = "DLURrVXMKTtAESB<>YPpFWNCZGHhIJOQ~@!#%";

bool OneOf(char code, std::string_view codes) {
  return codes.find(code) != std::string_view::npos;
}

// Codes that name a window by their first byte, those whose first byte is some other choice, and
// those that read one more byte after the window's.
constexpr std::string_view kWindowCodes = "KTtAESB<>YPp", kChoiceCodes = "XMWCJ";
constexpr std::string_view kSecondByteCodes = "KAP";

// Nested actions inside nested actions: deep enough for every case, bounded for the stack.
constexpr int kMostDepth = 8;

// The nesting codes, and how a person reads each before the action it holds.
constexpr struct NestingCode {
  char code;
  Nesting nesting;
  const char* text;
} kNestings[] = {
    {'~', Nesting::Queued, "queued: "},
    {'@', Nesting::Zoom, "during the next zoom: "},
    {'!', Nesting::MessageBox, "while the next message box is open: "},
    {'#', Nesting::Menu, "while the next menu is open: "},
    {'%', Nesting::ShellOpen, "while the shell opens a link: "},
};

Nesting NestingOf(char code) {
  const auto nesting = std::ranges::find(kNestings, code, &NestingCode::code);
  return nesting == std::end(kNestings) ? Nesting::None : nesting->nesting;
}

// The codes that take no argument beyond their window, as a person reads each, with the event
// the tray icon's own send (-1: none).
constexpr struct PlainCode {
  char code;
  int trayEvent;
  const char* text;
} kPlainCodes[] = {
    {'D', 515, "double click"},
    {'L', 513, "left button down"},
    {'U', 514, "left button up"},
    {'R', 517, "right button up"},
    {'r', 516, "right button down"},
    {'V', 512, "pointer moves"},
    {'T', -1, "Tab"},
    {'t', -1, "Shift+Tab"},
    {'E', -1, "Enter"},
    {'S', -1, "Space"},
    {'B', -1, "Backspace"},
    {'<', -1, "arrow back"},
    {'>', -1, "arrow forward"},
    {'F', -1, "time: the next timer's time comes"},
    {'N', -1, "time: passes to just past midnight"},
    {'Z', -1, "system: sleeps eight hours and wakes"},
    {'G', -1, "system: the density changes, the taskbar announces itself"},
    {'H', -1, "system: the taskbar is created anew"},
    {'h', -1, "system: the taskbar goes away"},
    {'I', -1, "system: the settings store refuses or takes writes again"},
    {'O', -1, "system: the shell fails or opens links again"},
    {'Q', -1, "system: the session ends"},
};

// Text as a person reads it: printable ASCII as it is, everything else escaped, long runs cut.
std::string Shown(std::string_view text) {
  std::string shown = "\"";
  const std::size_t most = 60;
  for (std::size_t i = 0; i < text.size() && i < most; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 32 && c < 127 && c != '"' && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789abcdef";
      shown += "\\x";
      shown += kHex[c >> 4];
      shown += kHex[c & 15];
    }
  }
  shown += "\"";
  if (text.size() > most) shown += " ... (" + std::to_string(text.size()) + " bytes)";
  return shown;
}

constexpr int kOtherTrayCodes[] = {0,    518,  519,  520,  521,  522,  1024,  1025,
                                   1026, 1027, 1028, 1029, 1030, 1031, 65535, 123};
constexpr int kMenuChoices[] = {0, 1, 2, 3, 4, 5, -1, 9};
constexpr char kAccessKeys[] = {'c', 'f', 'e', 'o', 'C', 'x', 'l', '&'};
constexpr long long kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;
constexpr long long kTimes[] = {10,      kSecond,       2 * kSecond, 10 * kSecond,  59 * kSecond,
                                kMinute, 119 * kSecond, 2 * kMinute, 121 * kSecond, 5 * kMinute,
                                kHour,   2 * kHour,     12 * kHour,  24 * kHour,    25 * kHour,
                                1};

const ClockSetting kClockSettings[] = {
    {"to the last second of 2002", false, 0, {2002, 12, 31, 23, 59, 59, 900}},
    {"to the night the clocks go forward (29 March 2026, 01:59:59)",
     false,
     0,
     {2026, 3, 29, 1, 59, 59, 0}},
    {"to the night the clocks go back (25 October 2026, 02:59:59)",
     false,
     0,
     {2026, 10, 25, 2, 59, 59, 0}},
    {"back a day", true, -24 * kHour, {}},
    {"back an hour", true, -kHour, {}},
    {"on a year", true, 365 * 24 * kHour, {}},
    {"to 31 December 9999, 12:00", false, 0, {9999, 12, 31, 12, 0, 0, 0}},
    {"to 1 January 1601", false, 0, {1601, 1, 1, 0, 0, 0, 0}},
    {"to 29 February 2000, 23:59:59", false, 0, {2000, 2, 29, 23, 59, 59, 0}},
    {"to 31 December 2323, 23:59", false, 0, {2323, 12, 31, 23, 59, 0, 0}},
    {"back a second", true, -kSecond, {}},
    {"to 15 June 2002, 10:30", false, 0, {2002, 6, 15, 10, 30, 0, 0}},
};

}  // namespace

int PlainTrayEvent(char code) {
  const auto plain = std::ranges::find(kPlainCodes, code, &PlainCode::code);
  return plain == std::end(kPlainCodes) ? -1 : plain->trayEvent;
}

int OtherTrayCode(int byte) {
  return kOtherTrayCodes[static_cast<std::size_t>(byte) % std::size(kOtherTrayCodes)];
}

int MenuChoice(int byte) {
  return kMenuChoices[static_cast<std::size_t>(byte) % std::size(kMenuChoices)];
}

char AccessKeyOf(int byte) {
  return kAccessKeys[static_cast<std::size_t>(byte) % std::size(kAccessKeys)];
}

long long TimePassing(int byte) {
  return kTimes[static_cast<std::size_t>(byte) % std::size(kTimes)];
}

const ClockSetting& ClockSettingOf(int byte) {
  return kClockSettings[static_cast<std::size_t>(byte) % std::size(kClockSettings)];
}

std::string OddText(int byte) {
  static const std::string kOddTexts[] = {
      std::string(32001, '1'),                 // one past the longest input
      "15/06/2002" + std::string(31990, ' '),  // the longest
      "\xFF\xFE"
      "15/06\xC3",
      "\xF0\x9F\x9A\x80"
      "15/06/2002\xCC\x81",
      "",
      "15/06/2002",
      "-1/6707.26",
      "-320545.2",
      "99999999999999999999999",
      "1e308",
      std::string("0/0206.15\0tail", 14),
      "\t \r\n",
      "sabato 15 giugno 2002 10:30",
      "31/12/9999",
      "1/1/100",
      "79/9912.31",
      "-2222997.3",
      "\xE2\x80\xAE"
      "15/06/2002",  // a right-to-left override before it
      std::string(40000, '9'),
  };
  return kOddTexts[static_cast<std::size_t>(byte) % std::size(kOddTexts)];
}

Action ActionReader::Next() {
  Action action;
  const std::uint8_t byte = Byte();
  action.code = kCodes.find(static_cast<char>(byte)) != std::string_view::npos
                    ? static_cast<char>(byte)
                    : kCodes[byte % kCodes.size()];
  action.nesting = NestingOf(action.code);
  if (action.nesting != Nesting::None) {
    if (depth_ >= kMostDepth || AtEnd()) {
      action.nesting = Nesting::None;
      action.code = 'V';  // nothing left to nest: a harmless move over the icon
      return action;
    }
    ++depth_;
    action.inner = std::make_shared<const Action>(Next());
    --depth_;
    return action;
  }
  if (OneOf(action.code, kWindowCodes) || OneOf(action.code, kChoiceCodes)) action.a = Byte();
  if (OneOf(action.code, kSecondByteCodes)) action.b = Byte();
  if (action.code == 'Y' || action.code == 'p') {
    std::size_t count = Byte();
    if (action.code == 'Y') count %= 33;
    for (std::size_t i = 0; i < count && !AtEnd(); ++i)
      action.text.push_back(static_cast<char>(Byte()));
  }
  return action;
}

std::string Describe(const Action& action) {
  if (action.nesting != Nesting::None) {
    const auto nesting = std::ranges::find(kNestings, action.nesting, &NestingCode::nesting);
    return nesting->text + (action.inner ? Describe(*action.inner) : "");
  }
  const std::string window = std::string(WindowOf(action.a)) + ": ";
  for (const auto& plain : kPlainCodes) {
    if (plain.code != action.code) continue;
    if (plain.trayEvent >= 0) {
      return std::string("tray: ") + plain.text + " (" + std::to_string(plain.trayEvent) + ")";
    }
    return (OneOf(action.code, kWindowCodes) ? window : std::string()) + plain.text;
  }
  switch (action.code) {
    case 'X':
      return "tray: event " + std::to_string(OtherTrayCode(action.a));
    case 'M': {
      const int choice = MenuChoice(action.a);
      return choice < 0 ? std::string("menu: dismissed") : "menu: item " + std::to_string(choice);
    }
    case 'K':
      return window + "click on control " + std::to_string(action.b);
    case 'A':
      return window + "Alt+" + std::string(1, AccessKeyOf(action.b));
    case 'Y':
      return window + "types " + Shown(action.text);
    case 'P':
      return window + "pastes " + Shown(OddText(action.b));
    case 'p':
      return window + "pastes " + Shown(action.text);
    case 'W':
      return "time: " + std::to_string(TimePassing(action.a)) + " ms pass";
    case 'C':
      return std::string("clock: set ") + ClockSettingOf(action.a).what;
    case 'J':
      return std::string("system: the registry's ") + (action.a % 2 ? "HKCU" : "HKLM") +
             " refuses or takes writes again";
    default:
      return std::string("? ") + action.code;
  }
}

}  // namespace kestal::fuzzing
