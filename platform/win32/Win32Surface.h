#pragma once
// One loaded window: a top-level WS_POPUP window (class "KestalDate_<name>") with real child
// windows for what a user acts on (buttons, text boxes, option buttons, the check box, and the
// links and pictures, owner-drawn), and the windowless frames, labels, pictures and lines painted
// by the window itself in order of definition.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/Form.h"
#include "forms/FormSurface.h"
#include "forms/ShownColors.h"
#include "platform/win32/GdiCache.h"
#include "forms/TextLayout.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

class Win32WindowSystem;

class Win32Surface : public FormSurface {
 public:
  Win32Surface(Win32WindowSystem& system, Form& form);
  ~Win32Surface() override;
  Win32Surface(const Win32Surface&) = delete;
  Win32Surface& operator=(const Win32Surface&) = delete;

  // The surface of one of the program's form windows, or null (also once it is destroyed).
  static Win32Surface* FromWindow(HWND window);

  HWND Window() const { return window_; }
  Form& OwnerForm() const { return form_; }
  // The control's own window (null for the windowless ones) and its place on the window.
  HWND ControlWindow(int id) const {
    return ValidId(id) ? controls_[static_cast<size_t>(id)].window : nullptr;
  }
  PixelRect PixelRectOf(int id) const;
  // The arrow keys move among the options of one frame and select the one they reach; true
  // when the key was used that way.
  bool HandleOptionArrow(const MSG& message);

  // FormSurface
  WindowHandle Handle() const override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void Destroy() override;
  ScreenMetrics Screen() const override;
  void Move(int leftTwips, int topTwips) override;
  void SetBackColor(Color color) override;
  void RoundCorners(int cornerTwips) override;
  void Refresh() override;
  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Value(int id) const override;
  void SetValue(int id, bool value) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  void SetFocus(int id) override;
  int FocusedControl() const override;
  int SelStart(int id) const override;
  int SelLength(int id) const override;
  void SetSelection(int id, int start, int length) override;
  void SetControlBackColor(int id, Color color) override;
  void ControlMoved(int id) override;
  void SetTimer(int timerId, long milliseconds) override;
  void KillTimer(int timerId) override;

 private:
  std::pair<int, int> SelectionInChars(int id) const;
  // The window property that leads from a form window to its surface.
  static constexpr wchar_t kSurfaceProperty[] = L"KestalDate.Surface";

  struct ControlState {
    HWND window = nullptr;  // null for the windowless controls
    std::string caption;    // text of the windowless controls
    std::optional<Color> backColor;
    bool enabled = true;
    int fontHeight = 0;    // pixels, as fitted to the control's box; 0: as designed
    bool fits = true;      // the caption shows whole at that height
    bool dense = false;    // a label's lines are set solid, to fit
    bool runsOn = false;   // a label's text runs on below its box, through blank room
    int widenedRight = 0;  // a one-line label's box runs right to here, in pixels; 0: as designed
  };

  // A label's text as it is painted: its lines and their advance, in pixels.
  struct LabelText {
    std::wstring text;
    std::vector<TextLine> lines;
    int pitch = 0, lineHeight = 0;
    int accentRoom = 0;  // at the top of each line, blank but for accents on capitals
  };
  static constexpr UINT kLabelFormat = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
  // The text boxes' subclass, which hands their keys to the form.
  static constexpr UINT_PTR kEditSubclassId = 1;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclassId, DWORD_PTR refData);
  // Handles one message; the window procedure holds the form meanwhile, so the surface lives
  // on even when a handler unloads the window (its platform window is then gone).
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void CreateWindowAndChildren();
  void CreateChild(int id, bool groupStart);
  void LoadIcons();
  // The hidden start-up window's density or metrics changed: the tray's icon follows.
  void FollowDensityInTray();
  // Lays the window out again at another density: size, children, fonts, icons and outline.
  void ApplyDpi(int dpi, const RECT* suggested);

  // Fitting captions to their boxes (Win32SurfaceText.cpp).
  void FitCaptions();
  void FitCaption(int id);
  bool CaptionFits(HDC dc, int id, int pixelHeight);
  // The label's lines with its current font selected into `dc`.
  LabelText LayOutLabel(HDC dc, int id, bool dense);
  int LineRoom(int id, int top, int bottom) const;
  int TextBottom(HDC dc, int id);
  void FitRunningLabels();
  // A one-line label wider than its box at its designed size takes the blank room to its right.
  void WidenIntoBlankRoom(HDC dc, int id, int designedHeight);
  HFONT ControlFont(int id);
  int IdOfChild(HWND child) const;
  const ControlDefinition& DefinitionOf(int id) const;
  bool ValidId(int id) const;
  void InvalidateControl(int id);
  void UpdateOptionTabStops(int container);
  // An owner-drawn link's or picture's window: its box, and room round it for the focus
  // rectangle.
  int FocusMargin() const;
  PixelRect ChildRectOf(int id) const;
  // The control's window to its place in the design, at the window's density.
  void PlaceChild(int id);
  // The window's background as shown now (colors_ holds the system's colours of the paint).
  COLORREF FormBackColor() const;
  // The system's colours changed, or may have: the window and its controls are painted anew.
  void RepaintForColors();

  // Messages
  void OnCommand(int id, int code, HWND child);
  LRESULT OnControlColor(HDC dc, HWND child, UINT message);
  void OnActivate(WPARAM wParam);
  bool OnSetCursor(HWND window, LPARAM lParam);
  LRESULT OnAutomationQuery(WPARAM wParam, LPARAM lParam);

  // Painting (Win32SurfacePaint.cpp)
  void OnPaint();
  // The window's background and its windowless controls, on a DC whose origin is the window's.
  void PaintContent(HDC dc);
  // A link or picture in its window: what the window shows there, the link's text or the
  // picture over it, and the focus rectangle while the keyboard is on it.
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void PaintFrame(HDC dc, int id);
  void PaintLabel(HDC dc, int id);
  void PaintPicture(HDC dc, int id);
  void PaintLine(HDC dc, int id);

  Win32WindowSystem& system_;
  Form& form_;
  HWND window_ = nullptr;
  double tppX_ = 15, tppY_ = 15;
  int dpi_ = 96;
  GdiCache gdi_;
  std::vector<ControlState> controls_;
  std::vector<int> creationOrder_;
  std::optional<Color> backColor_;
  UniqueIcon bigIcon_, smallIcon_;
  HWND savedFocus_ = nullptr;  // the child that had the focus when the window was deactivated
  SystemColors colors_;        // the system's colours as last read for painting
  int cornerTwips_ = 0;        // the rounded outline's corner as asked for; 0: no outline
  bool creating_ = true;       // child windows are being made: no events yet
  bool destroyed_ = false;
};

}  // namespace kestal::win32
