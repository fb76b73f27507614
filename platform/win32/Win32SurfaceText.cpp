// Every caption shows whole: each is drawn at its designed size when it fits its box there, else
// at the largest smaller size that does (TextFit.h), measured with the font the window really
// gets on this machine at this density.
#include <algorithm>
#include <climits>

#include "forms/FormLayout.h"
#include "forms/TextFit.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

// Pixels of a 96-dpi design at the window's density.
int Scaled(int pixels, int dpi) {
  return MulDiv(pixels, dpi, 96);
}

// The size of one line of text, as DrawText lays it out.
SIZE LineSize(HDC dc, std::wstring_view text, UINT format) {
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | format);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

Win32Surface::LabelText Win32Surface::LayOutLabel(HDC dc, int id, bool dense) {
  LabelText label;
  label.text = WideWithLineBreaks(controls_[static_cast<size_t>(id)].caption);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  label.lineHeight = metrics.tmHeight;
  label.accentRoom = metrics.tmInternalLeading;
  // Set solid, a line's advance is the font's size alone, without the room for accents above.
  label.pitch = dense ? metrics.tmHeight - metrics.tmInternalLeading : metrics.tmHeight;
  const PixelRect box = PixelRectOf(id);
  const auto measure = [&](std::u16string_view piece) {
    return static_cast<int>(
        LineSize(dc, {reinterpret_cast<const wchar_t*>(piece.data()), piece.size()}, kLabelFormat)
            .cx);
  };
  const auto widthOf = [&](std::size_t line) {
    const int top = box.top + static_cast<int>(line) * label.pitch;
    return LineRoom(id, top, top + label.lineHeight);
  };
  label.lines = WrapText(Units(label.text), widthOf, measure);
  return label;
}

// A picture that lies over the label's box from the right takes the room beside it: the lines
// there end short of it, so that no text runs across a picture.
int Win32Surface::LineRoom(int id, int top, int bottom) const {
  const PixelRect box = PixelRectOf(id);
  int right = box.right;
  for (size_t other = 0; other < controls_.size(); ++other) {
    if (DefinitionOf(static_cast<int>(other)).kind != ControlKind::Picture) continue;
    const PixelRect picture = PixelRectOf(static_cast<int>(other));
    if (picture.left > box.left && picture.left < right && picture.top < bottom &&
        picture.bottom > top) {
      right = picture.left;  // the width of a line holds its last letter and its spacing
    }
  }
  return std::max(right - box.left, 0);
}

// How far down a label's text may run: to the bottom of its box, or further through the blank
// room below it, down to where the nearest thing beneath it shows (a text's empty first lines
// are blank room, and so is the room for accents above its first letters).
int Win32Surface::TextBottom(HDC dc, int id) {
  const PixelRect box = PixelRectOf(id);
  RECT client{};
  GetClientRect(window_, &client);
  int bottom = client.bottom;
  for (size_t i = 0; i < controls_.size(); ++i) {
    const int other = static_cast<int>(i);
    const PixelRect r = PixelRectOf(other);
    if (other == id || r.left >= box.right || r.right <= box.left || r.bottom <= box.top) continue;
    const bool picture = DefinitionOf(other).kind == ControlKind::Picture;
    if (r.top <= box.top) {
      // Around the label, as a frame is: the text stays inside it.
      if (!picture) bottom = std::min(bottom, std::max<int>(r.bottom, box.bottom));
      continue;
    }
    if (picture && r.top < box.bottom) continue;  // beside the lines (LineRoom)
    int shows = r.top;
    if (DefinitionOf(other).kind == ControlKind::Label) {
      const ControlState& state = controls_[i];
      if (state.caption.empty()) continue;
      const Selected font(dc, ControlFont(other));
      const LabelText label = LayOutLabel(dc, other, state.dense);
      std::size_t blank = 0;
      while (blank < label.lines.size() && label.lines[blank].length == 0) ++blank;
      if (blank == label.lines.size()) continue;
      shows += static_cast<int>(blank) * label.pitch + label.accentRoom;
    }
    bottom = std::min(bottom, shows);
  }
  return std::max(bottom, static_cast<int>(box.bottom));
}

// A text that runs on below its box depends on what lies beneath: fitted again when that changes.
void Win32Surface::FitRunningLabels() {
  for (size_t id = 0; id < controls_.size(); ++id) {
    if (!controls_[id].runsOn) continue;
    FitCaption(static_cast<int>(id));
    InvalidateControl(static_cast<int>(id));
  }
}

HFONT Win32Surface::ControlFont(int id) {
  return gdi_.Font(DefinitionOf(id).font, controls_[static_cast<size_t>(id)].fontHeight);
}

void Win32Surface::FitCaptions() {
  for (size_t id = 0; id < controls_.size(); ++id) FitCaption(static_cast<int>(id));
  FitRunningLabels();
}

void Win32Surface::FitCaption(int id) {
  if (!window_) return;
  ControlState& state = controls_[static_cast<size_t>(id)];
  const ControlDefinition& design = DefinitionOf(id);
  const int designed = gdi_.DesignedHeight(design.font);
  if (design.kind == ControlKind::Line || design.kind == ControlKind::Picture) return;
  if (design.kind == ControlKind::TextBox) {
    // A text box's text is the user's: it scrolls, and keeps the designed size.
    state.fontHeight = designed;
  } else if (const WindowDc windowDc(window_); HDC dc = windowDc.get()) {
    const auto fit = [&] {
      state.fontHeight = FittedHeight(designed, ReadableFloorPixels(dpi_),
                                      [&](int height) { return CaptionFits(dc, id, height); });
      state.fits = CaptionFits(dc, id, state.fontHeight);
    };
    state.dense = false;
    state.runsOn = false;
    if (design.kind == ControlKind::Label) WidenIntoBlankRoom(dc, id, designed);
    fit();
    // A text that does not fit even at the readable floor has its lines set solid first, then
    // runs on through the blank room below its box.
    if (!state.fits && design.kind == ControlKind::Label) {
      state.dense = true;
      fit();
    }
    if (!state.fits && design.kind == ControlKind::Label) {
      state.runsOn = true;
      fit();
    }
  }
  if (state.window) {
    SendMessageW(state.window, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(id)), TRUE);
    // A link's window holds its box as fitted, which may have widened.
    if (IsOwnerDrawn(design)) PlaceChild(id);
  }
}

void Win32Surface::WidenIntoBlankRoom(HDC dc, int id, int designedHeight) {
  ControlState& state = controls_[static_cast<size_t>(id)];
  state.widenedRight = 0;
  const std::wstring text = Wide(state.caption);
  if (text.empty() || text.find_first_of(L"\r\n") != std::wstring::npos) return;
  const Selected font(dc, gdi_.Font(DefinitionOf(id).font, designedHeight));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const PixelRect box = PixelRectOf(id);
  // A box with room for a second line is meant to wrap its text, not to run past its side.
  if (box.bottom - box.top >= 2 * metrics.tmHeight) return;
  const int needed = box.left + static_cast<int>(LineSize(dc, text, kLabelFormat).cx) +
                     (gdi_.NeedsOverstrike(DefinitionOf(id).font, designedHeight) ? 1 : 0);
  if (needed <= box.right) return;
  RECT client{};
  GetClientRect(window_, &client);
  const int room = RightOfBlankRoom(
      form_.Controls(), id, [this](int other) { return PixelRectOf(other); }, client.right,
      Scaled(4, dpi_));
  if (room > box.right) state.widenedRight = std::min(needed, room);
}

bool Win32Surface::CaptionFits(HDC dc, int id, int pixelHeight) {
  const ControlDefinition& design = DefinitionOf(id);
  const ControlState& state = controls_[static_cast<size_t>(id)];
  if (state.caption.empty()) return true;
  const PixelRect box = PixelRectOf(id);
  const int width = box.right - box.left, height = box.bottom - box.top;
  const Selected font(dc, gdi_.Font(design.font, pixelHeight));
  bool fits = true;
  switch (design.kind) {
    case ControlKind::Label: {
      // Measured from the lines it is painted with.
      const LabelText label = LayOutLabel(dc, id, state.dense);
      const auto lines = static_cast<int>(label.lines.size());
      const int bottom = state.runsOn ? TextBottom(dc, id) : box.bottom;
      fits = (lines - 1) * label.pitch + label.lineHeight <= bottom - box.top;
      // An overstruck bold text is a pixel wider.
      const int extra = gdi_.NeedsOverstrike(design.font, pixelHeight) ? 1 : 0;
      for (const TextLine& line : label.lines) fits = fits && line.width + extra <= line.room;
      if (fits && design.keepLines) {
        // No line wrapped: as many lines as the text has.
        fits = label.lines.size() ==
               WrapText(Units(label.text), INT_MAX, [](std::u16string_view) { return 0; }).size();
      }
      break;
    }
    case ControlKind::Frame: {
      // The caption sits on the border between margins of four pixels (at 96 dpi) each side.
      const SIZE line = LineSize(dc, Wide(state.caption), DT_NOPREFIX);
      fits = line.cx <= width - Scaled(8, dpi_) && line.cy <= height;
      break;
    }
    case ControlKind::Button: {
      // Inside the button's raised edge and focus frame.
      const SIZE line = LineSize(dc, Wide(state.caption), 0);
      fits = line.cx <= width - Scaled(8, dpi_) && line.cy <= height - Scaled(4, dpi_);
      break;
    }
    case ControlKind::OptionButton:
    case ControlKind::CheckBox: {
      // Beside the round or square mark and the gap after it.
      const SIZE line = LineSize(dc, Wide(state.caption), 0);
      fits = line.cx <= width - Scaled(13 + 6, dpi_) && line.cy <= height;
      break;
    }
    default:
      break;
  }
  return fits;
}

}  // namespace kestal::win32
