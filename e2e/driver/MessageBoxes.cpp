#include "MessageBoxes.h"

#include "Poll.h"
#include "WindowFinder.h"

namespace e2e {

namespace {
// The message text's static control in a message box.
constexpr int kMessageTextId = 0xFFFF;
}  // namespace

ShownMessageBox WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
  ShownMessageBox shown;
  shown.window =
      WaitForTopLevel(WindowOfClass(L"#32770").OfProcess(processId).Visible(), timeoutMs);
  if (!shown.window) return shown;
  shown.title = TextOf(shown.window);
  // The text control may be filled just after the box shows.
  WaitUntil(
      [&] {
        shown.text = TextOf(GetDlgItem(shown.window, kMessageTextId));
        return !shown.text.empty();
      },
      2000);
  return shown;
}

std::string AsShownLines(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines += '\n';
    } else {
      lines += text[i];
    }
  }
  return lines;
}

bool PressOk(HWND messageBox, DWORD timeoutMs) {
  HWND ok = GetDlgItem(messageBox, IDOK);
  if (!ok) return false;
  PostMessageW(ok, BM_CLICK, 0, 0);
  return WaitUntil([&] { return !IsWindow(messageBox) || !IsWindowVisible(messageBox); },
                   timeoutMs);
}

}  // namespace e2e
