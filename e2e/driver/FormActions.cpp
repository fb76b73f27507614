#include "FormActions.h"

#include "Poll.h"
#include "Text.h"

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

bool ClickWindowless(HWND form, int control) {
  const auto state = ReadControl(form, control);
  if (!state) return false;
  // Twips to the window's pixels, at the screen's resolution.
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const auto& r = state->reply;
  const int x = MulDiv(r.left + r.width / 2, dpiX, 1440);
  const int y = MulDiv(r.top + r.height / 2, dpiY, 1440);
  const LPARAM at = MAKELPARAM(x, y);
  return PostMessageW(form, WM_MOUSEMOVE, 0, at) &&
         PostMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
         PostMessageW(form, WM_LBUTTONUP, 0, at);
}

bool PressEnterIn(HWND form, int control) {
  HWND box = ControlWindow(form, control);
  // The key itself: the program's message loop turns it into its character, as for a real key.
  return box && PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0x001C0001) &&
         PostMessageW(box, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001));
}

std::string ReadText(HWND form, int control) {
  const auto state = ReadControl(form, control);
  return state ? state->text : std::string();
}

bool IsOn(HWND form, int control) {
  const auto state = ReadControl(form, control);
  return state && state->Has(kestal::kAutoValue);
}

bool IsEnabled(HWND form, int control) {
  const auto state = ReadControl(form, control);
  return state && state->Has(kestal::kAutoEnabled);
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

}  // namespace e2e
