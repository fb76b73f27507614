#include "Automation.h"

#include <cstring>

#include "platform/win32/FormWindowIds.h"

namespace e2e {

namespace {

struct Answer {
  int index = 0;
  bool received = false;
  ControlState state;
};

Answer* pending = nullptr;

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcW(window, message, wParam, lParam);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (!pending || static_cast<int>(data->dwData) != pending->index ||
      data->cbData < sizeof(kestal::AutomationReply))
    return FALSE;
  std::memcpy(&pending->state.reply, data->lpData, sizeof(kestal::AutomationReply));
  pending->received = true;
  return TRUE;
}

HWND Receiver() {
  static HWND receiver = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReceiverProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KestalDateDriver_Receiver";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
  }();
  return receiver;
}

}  // namespace

std::optional<ControlState> ReadControl(HWND form, int index) {
  static const UINT query = RegisterWindowMessageW(kestal::kAutomationQueryMessage);
  Answer answer;
  answer.index = index;
  pending = &answer;
  DWORD_PTR result = 0;
  // The form answers with WM_COPYDATA before this call returns; the call handles it meanwhile.
  const LRESULT sent =
      SendMessageTimeoutW(form, query, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(Receiver()), SMTO_NORMAL, 5000, &result);
  pending = nullptr;
  if (!sent || !answer.received) return std::nullopt;
  return answer.state;
}

HWND ControlWindow(HWND form, int index) {
  return GetDlgItem(form, kestal::kControlIdBase + index);
}

}  // namespace e2e
