// The windowless controls, drawn by the window in order of definition, so that later ones lie
// above earlier ones: a transparent label never wipes out the one beneath it. The links and
// pictures that act have windows of their own, drawn the same way over what lies beneath.
#include <algorithm>

#include "forms/FormLayout.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32WindowSystem.h"
#include "resources/ResourceIds.h"

namespace kestal::win32 {

namespace {

RECT ToRect(const PixelRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void Win32Surface::OnPaint() {
  // The paint always ends, also when drawing fails, so the window is never asked again at once.
  const PaintScope paint(window_);
  HDC dc = paint.get();
  if (!dc) return;
  colors_ = system_.Colors();
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  // Drawn off screen first: the doubled titles and the frames appear in one go.
  const MemoryDc buffer(CreateCompatibleDC(dc));
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!buffer || !bitmap) {
    PaintContent(dc);
    return;
  }
  const Selected selected(buffer.get(), bitmap.get());
  PaintContent(buffer.get());
  const RECT& area = paint.Area();
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer.get(),
         area.left, area.top, SRCCOPY);
}

void Win32Surface::PaintContent(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, gdi_.Brush(FormBackColor()));
  SetBkMode(dc, TRANSPARENT);
  for (size_t i = 0; i < controls_.size(); ++i) {
    const int id = static_cast<int>(i);
    if (controls_[i].window) continue;  // it draws itself
    switch (DefinitionOf(id).kind) {
      case ControlKind::Frame:
        PaintFrame(dc, id);
        break;
      case ControlKind::Label:
        PaintLabel(dc, id);
        break;
      case ControlKind::Picture:
        PaintPicture(dc, id);
        break;
      case ControlKind::Line:
        PaintLine(dc, id);
        break;
      default:
        break;
    }
  }
}

void Win32Surface::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = IdOfChild(item.hwndItem);
  if (id < 0 || !IsOwnerDrawn(DefinitionOf(id))) return;
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (width <= 0 || height <= 0) return;
  colors_ = system_.Colors();
  // Drawn off screen with the window's own origin: the window's background and decoration where
  // the control lies, then the control, as the window drew it before it had a window of its own.
  const MemoryDc buffer(CreateCompatibleDC(item.hDC));
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  if (!buffer || !bitmap) return;
  const Selected selected(buffer.get(), bitmap.get());
  HDC dc = buffer.get();
  const PixelRect place = ChildRectOf(id);
  SetViewportOrgEx(dc, -place.left, -place.top, nullptr);
  PaintContent(dc);
  if (DefinitionOf(id).kind == ControlKind::Picture) {
    PaintPicture(dc, id);
  } else {
    PaintLabel(dc, id);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    // Round the text, not its box (a link's box may be far wider than its address), or the
    // picture; the system's dotted rectangle, as thick as the window's margin allows.
    PixelRect r = PixelRectOf(id);
    if (DefinitionOf(id).kind == ControlKind::Label) {
      const Selected font(dc, ControlFont(id));
      const LabelText label = LayOutLabel(dc, id, controls_[static_cast<size_t>(id)].dense);
      int textWidth = 0;
      for (const TextLine& line : label.lines) textWidth = std::max(textWidth, line.width);
      if (!label.lines.empty()) {
        r.right = std::min<int32_t>(r.right, r.left + textWidth);
        r.bottom =
            r.top + label.pitch * static_cast<int>(label.lines.size() - 1) + label.lineHeight;
      }
    }
    const int margin = FocusMargin(), thickness = std::max(1, (dpi_ + 48) / 96);
    SetTextColor(dc, RGB(0, 0, 0));  // DrawFocusRect inverts what lies beneath with these
    SetBkColor(dc, RGB(255, 255, 255));
    for (int k = 0; k < thickness; ++k) {
      RECT ring{r.left - margin + k, r.top - margin + k, r.right + margin - k,
                r.bottom + margin - k};
      DrawFocusRect(dc, &ring);
    }
  }
  SetViewportOrgEx(dc, 0, 0, nullptr);
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
}

void Win32Surface::PaintFrame(HDC dc, int id) {
  const ControlDefinition& design = DefinitionOf(id);
  const ControlState& state = controls_[static_cast<size_t>(id)];
  RECT box = ToRect(PixelRectOf(id));
  const COLORREF back =
      state.backColor ? ToColorRef(ShownBack(design, *state.backColor, colors_)) : FormBackColor();
  if (state.backColor) FillRect(dc, &box, gdi_.Brush(back));

  Selected font(dc, ControlFont(id));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const COLORREF fore = ToColorRef(ShownFore(design, design.foreColor, colors_));

  // The border, in the frame's own colour, runs through the middle of the caption's line.
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, fore));
  {
    const Selected selectedPen(dc, pen.get());
    const Selected noFill(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.left, box.top + metrics.tmHeight / 2, box.right, box.bottom);
  }

  const std::wstring caption = Wide(state.caption);
  if (caption.empty()) return;
  const int margin = std::max(1, dpi_ / 48);  // 2 pixels at 96 dpi
  RECT text{box.left + 4 * margin, box.top, box.right - 4 * margin, box.top + metrics.tmHeight};
  RECT measured = text;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
            DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  RECT behind{text.left - margin, text.top, std::min(measured.right, text.right) + margin,
              text.bottom};
  FillRect(dc, &behind, gdi_.Brush(back));
  SetTextColor(dc, fore);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

void Win32Surface::PaintLabel(HDC dc, int id) {
  const ControlDefinition& design = DefinitionOf(id);
  const ControlState& state = controls_[static_cast<size_t>(id)];
  RECT box = ToRect(PixelRectOf(id));
  if (state.backColor) {
    FillRect(dc, &box, gdi_.Brush(ToColorRef(ShownBack(design, *state.backColor, colors_))));
  }
  Selected font(dc, ControlFont(id));
  SetTextColor(dc, state.enabled ? ToColorRef(ShownFore(design, design.foreColor, colors_))
                                 : GetSysColor(COLOR_GRAYTEXT));
  // CR, CR LF and LF each break the line; longer lines wrap at the label's width.
  const LabelText label = LayOutLabel(dc, id, state.dense);
  const bool overstrike = gdi_.NeedsOverstrike(design.font, state.fontHeight);
  int top = box.top;
  for (const TextLine& line : label.lines) {
    RECT r{box.left, top, box.right, top + label.lineHeight};
    for (int pass = 0; pass < (overstrike ? 2 : 1); ++pass) {
      DrawTextW(dc, label.text.data() + line.start, static_cast<int>(line.length), &r,
                kLabelFormat | DT_SINGLELINE | DT_NOCLIP);
      ++r.left;
      ++r.right;
    }
    top += label.pitch;
  }
}

void Win32Surface::PaintPicture(HDC dc, int id) {
  const ControlDefinition& design = DefinitionOf(id);
  const PixelRect r = PixelRectOf(id);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  if (design.pictureIsIcon) {
    const int iconId = design.pictureId
                           ? design.pictureId
                           : (form_.Definition().iconId ? form_.Definition().iconId : IDI_KESTAL);
    if (HICON icon = gdi_.Icon(iconId, width, height)) {
      DrawIconEx(dc, r.left, r.top, icon, width, height, 0, nullptr, DI_NORMAL);
    }
    return;
  }
  // Scaled smoothly to its box at this density (GdiCache keeps the scaled copy).
  HBITMAP bitmap = gdi_.Picture(design.pictureId, width, height);
  if (!bitmap) return;
  const MemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  const Selected selected(source.get(), bitmap);
  BitBlt(dc, r.left, r.top, width, height, source.get(), 0, 0, SRCCOPY);
}

void Win32Surface::PaintLine(HDC dc, int id) {
  const ControlDefinition& design = DefinitionOf(id);
  int dx = 0, dy = 0;
  ContainerOffset(form_.Controls(), id, dx, dy);
  // A line's width is designed in pixels at 96 dpi.
  const int width = std::max(1, MulDiv(design.borderWidth, dpi_, 96));
  const GdiObject<HPEN> pen(
      CreatePen(PS_SOLID, width, ToColorRef(ShownFore(design, design.foreColor, colors_))));
  const Selected selected(dc, pen.get());
  MoveToEx(dc, TwipsToPixels(design.line.x1 + dx, tppX_), TwipsToPixels(design.line.y1 + dy, tppY_),
           nullptr);
  LineTo(dc, TwipsToPixels(design.line.x2 + dx, tppX_), TwipsToPixels(design.line.y2 + dy, tppY_));
}

}  // namespace kestal::win32
