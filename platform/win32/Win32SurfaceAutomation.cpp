// Answers another process's question about one control of the window (see AutomationQuery.h).
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/win32/AutomationQuery.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {
constexpr uint32_t kFormKind = 99;
constexpr uint32_t kTransparent = 0xFFFFFFFF;
uint32_t Flag(bool on, AutomationFlags flag) {
  return on ? static_cast<uint32_t>(flag) : 0u;
}
}  // namespace

LRESULT Win32Surface::OnAutomationQuery(WPARAM wParam, LPARAM lParam) {
  HWND asker = reinterpret_cast<HWND>(lParam);
  const int index = static_cast<int>(static_cast<int32_t>(wParam));
  if (!asker || !IsWindow(asker) || !window_) return 0;

  AutomationReply reply{};
  std::wstring text;
  if (index == -1) {
    reply.kind = kFormKind;
    RECT r{};
    GetWindowRect(window_, &r);
    reply.left = static_cast<int32_t>(std::lround(r.left * tppX_));
    reply.top = static_cast<int32_t>(std::lround(r.top * tppY_));
    reply.width = static_cast<int32_t>(std::lround((r.right - r.left) * tppX_));
    reply.height = static_cast<int32_t>(std::lround((r.bottom - r.top) * tppY_));
    const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    reply.flags = Flag(IsWindowEnabled(window_), kAutoEnabled) |
                  Flag(GetForegroundWindow() == window_, kAutoFocused) |
                  Flag(IsWindowVisible(window_), kAutoVisible) |
                  Flag((exStyle & WS_EX_TOPMOST) != 0, kAutoTopmost);
    reply.foreColor = 0;
    reply.backColor = FormBackColor();
    reply.dpi = dpi_;
    const GdiObject<HRGN> outline(CreateRectRgn(0, 0, 0, 0));
    RECT box{};
    if (outline && GetWindowRgn(window_, outline.get()) != ERROR &&
        GetRgnBox(outline.get(), &box) != ERROR) {
      reply.outlineWidth = box.right - box.left;
      reply.outlineHeight = box.bottom - box.top;
    }
    reply.smallIconSize = IconWidth(smallIcon_.get());
    text = WindowText(window_);
  } else if (ValidId(index)) {
    const ControlSpec& design = SpecOf(index);
    const ControlState& state = controls_[static_cast<size_t>(index)];
    reply.kind = static_cast<uint32_t>(design.kind);
    const bool hasValue =
        design.kind == ControlKind::OptionButton || design.kind == ControlKind::CheckBox;
    const bool visible =
        !state.window || (GetWindowLongPtrW(state.window, GWL_STYLE) & WS_VISIBLE) != 0;
    reply.flags = Flag(hasValue && Value(index), kAutoValue) | Flag(Enabled(index), kAutoEnabled) |
                  Flag(FocusedControl() == index, kAutoFocused) | Flag(visible, kAutoVisible) |
                  Flag(state.fits, kAutoTextFits) | Flag(state.dense, kAutoSetSolid);
    if (design.kind == ControlKind::TextBox) {
      reply.selStart = SelStart(index);
      reply.selLength = SelLength(index);
    }
    reply.left = design.rect.left;
    reply.top = design.rect.top;
    reply.width = design.rect.width;
    reply.height = design.rect.height;
    reply.foreColor = ToColorRef(design.foreColor);
    const std::optional<Color> back = EffectiveBackColor(index);
    reply.backColor = back ? ToColorRef(*back) : kTransparent;
    reply.fontBold = design.font.bold ? 1 : 0;
    reply.fontUnderline = design.font.underline ? 1 : 0;
    reply.fontTwentiethsOfPoint = static_cast<int32_t>(std::lround(design.font.points * 20));
    const auto twentieths = [&](int pixels) {
      return static_cast<int32_t>(std::lround(pixels * 72.0 * 20 / dpi_));
    };
    reply.designedTwentiethsOfPoint = twentieths(gdi_.DesignedHeight(design.font));
    reply.drawnTwentiethsOfPoint = twentieths(state.fontHeight);
    text = Wide(Text(index));
  } else {
    return 0;  // no such control: no answer
  }

  std::vector<unsigned char> data(sizeof(reply) + text.size() * sizeof(wchar_t));
  std::memcpy(data.data(), &reply, sizeof(reply));
  if (!text.empty()) {
    std::memcpy(data.data() + sizeof(reply), text.data(), text.size() * sizeof(wchar_t));
  }
  COPYDATASTRUCT copy{};
  copy.dwData = static_cast<ULONG_PTR>(static_cast<intptr_t>(index));
  copy.cbData = static_cast<DWORD>(data.size());
  copy.lpData = data.data();
  SendMessageW(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
               reinterpret_cast<LPARAM>(&copy));
  return 1;
}

}  // namespace kestal::win32
