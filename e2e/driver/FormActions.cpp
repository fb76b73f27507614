#include "FormActions.h"

#include <oleacc.h>

#include <iterator>
#include <vector>

#include "Poll.h"
#include "ScreenReader.h"
#include "Screenshot.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {

bool TypeText(HWND form, int control, const std::string& text) {
  HWND box = ControlWindow(form, control);
  if (!box) return false;
  const std::wstring wide = ToWide(text);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                             SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool ClickControl(HWND form, int control) {
  HWND button = ControlWindow(form, control);
  return button && PostMessageW(button, BM_CLICK, 0, 0);
}

bool PressEnterIn(HWND form, int control) {
  HWND box = ControlWindow(form, control);
  // The key itself: the program's message loop turns it into its character, as for a real key.
  return box && PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0x001C0001) &&
         PostMessageW(box, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001));
}

namespace {

bool IsTextBox(HWND form, int control) {
  HWND box = ControlWindow(form, control);
  return box && lstrcmpiW(ClassOf(box).c_str(), L"Edit") == 0;
}

}  // namespace

std::string ReadText(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  if (!part) return {};
  return IsTextBox(form, control) ? part->value : part->name;
}

bool IsOn(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  return part && part->Has(STATE_SYSTEM_CHECKED);
}

bool IsEnabled(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  return part && !part->Has(STATE_SYSTEM_UNAVAILABLE);
}

bool HasFocus(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  return part && part->Has(STATE_SYSTEM_FOCUSED);
}

std::pair<int, int> Selection(HWND form, int control) {
  HWND box = ControlWindow(form, control);
  DWORD_PTR range = 0;
  if (!box || !SendMessageTimeoutW(box, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &range)) {
    return {-1, -1};
  }
  const int start = LOWORD(range), end = HIWORD(range);
  // Characters: the texts checked here hold no surrogate pairs.
  return {start, end - start};
}

int TopInTwips(HWND form, int control) {
  const auto part = ReadControlPart(form, control);
  if (!part) return -1;
  POINT top{part->location.left, part->location.top};
  ScreenToClient(form, &top);
  return MulDiv(top.y, 1440, ScreenDpi());
}

std::string WaitForText(HWND form, int control, const std::string& expected, DWORD timeoutMs) {
  std::string last;
  WaitUntil(
      [&] {
        last = ReadText(form, control);
        return last == expected;
      },
      timeoutMs);
  return last;
}

bool WaitForOn(HWND form, int control, bool on, DWORD timeoutMs) {
  return WaitUntil([&] { return IsOn(form, control) == on; }, timeoutMs);
}

void PressKey(WORD key, std::initializer_list<WORD> held) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD vk : held) add(vk, false);
  add(key, false);
  add(key, true);
  for (auto vk = std::rbegin(held); vk != std::rend(held); ++vk) add(*vk, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace e2e
