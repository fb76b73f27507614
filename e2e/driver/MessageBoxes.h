#pragma once
// The program's message boxes (dialog class "#32770"): read their title and text, press OK.
#include <windows.h>

#include <string>

namespace e2e {

struct ShownMessageBox {
  HWND window = nullptr;
  std::string title;
  std::string text;
};

// Waits for a visible message box of the process; window is nullptr when none showed.
ShownMessageBox WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// The text with each line break the box shows (CR LF, a lone CR or a lone LF) as one LF.
std::string AsShownLines(const std::string& text);
// Presses OK (posted: the click may open another modal box) and waits for the box to go.
bool PressOk(HWND messageBox, DWORD timeoutMs);

}  // namespace e2e
