// Answers the test driver's question about one control of the window (see AutomationQuery.h).
#include <cmath>

#include "platform/win32/AutomationQuery.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32TrayIcon.h"
#include "platform/win32/Win32WindowSystem.h"

namespace kestal::win32 {

namespace {
constexpr uint32_t kFormKind = 99;
}  // namespace

LRESULT Win32Surface::OnAutomationQuery(WPARAM wParam, LPARAM lParam) {
  HWND asker = reinterpret_cast<HWND>(lParam);
  const int index = static_cast<int>(static_cast<int32_t>(wParam));
  if (!asker || !IsWindow(asker) || !window_) return 0;

  AutomationReply reply{};
  if (index == -1) {
    reply.kind = kFormKind;
    reply.dpi = dpi_;
    const GdiObject<HRGN> outline(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (outline && GetWindowRgn(window_, outline.get()) != ERROR &&
        GetRgnBox(outline.get(), &box) != ERROR) {
      reply.outlineWidth = box.right - box.left;
      reply.outlineHeight = box.bottom - box.top;
    }
    const Win32TrayIcon* tray = system_.TrayIcon();
    reply.smallIconSize =
        form_.Definition().topLevel ? (tray ? tray->IconSize() : 0) : IconWidth(smallIcon_.get());
  } else if (ValidId(index)) {
    const ControlDefinition& design = DefinitionOf(index);
    const ControlState& state = controls_[static_cast<size_t>(index)];
    reply.kind = static_cast<uint32_t>(design.kind);
    reply.flags = (state.fits ? kAutoTextFits : 0u) | (state.dense ? kAutoSetSolid : 0u);
    const auto twentieths = [&](int pixels) {
      return static_cast<int32_t>(std::lround(pixels * 72.0 * 20 / dpi_));
    };
    reply.designedTwentiethsOfPoint = twentieths(gdi_.DesignedHeight(design.font));
    reply.drawnTwentiethsOfPoint = twentieths(state.fontHeight);
  } else {
    return 0;  // no such control: no answer
  }

  COPYDATASTRUCT copy{};
  copy.dwData = static_cast<ULONG_PTR>(static_cast<intptr_t>(index));
  copy.cbData = sizeof(reply);
  copy.lpData = &reply;
  SendMessageW(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
               reinterpret_cast<LPARAM>(&copy));
  return 1;
}

}  // namespace kestal::win32
