#pragma once
// The opening and closing that the three windows share: topmost placement, centring, the
// highlight colour, the rounded outline, the window's own content, the sounds and the zooms.
#include <functional>

#include "effects/WindowSound.h"
#include "forms/Form.h"
#include "services/Platform.h"

namespace kestal {

struct WindowOpening {
  bool topmostFirst = false;  // made topmost before anything else (News)
  // Gives further controls the highlight colour, after the window and before the repaint.
  std::function<void(Color highlight)> colourControls;
  // Content that comes after the repaint and before the outline (About's hint and label).
  std::function<void()> beforeOutline;
  bool topmostBeforeOutline = false;  // made topmost after beforeOutline (About)
  // The window's own content, after the outline and before the opening sound.
  std::function<void()> content;
};

// One for the whole run: it holds the sound that plays while a window opens or closes.
class WindowSequence {
 public:
  explicit WindowSequence(Platform& platform) : platform_(platform), sound_(platform) {}

  // Runs from Form_Load: [topmost], centre, highlight colour and repaint, [content before the
  // outline, topmost], rounded outline, content, sound 16, opening zoom from the screen corner.
  void OpenWindow(Form& window, const WindowOpening& steps);
  // Runs from Form_Unload: sound 24, then the closing zoom into the notification area, which
  // hides and releases the window; at the session's end the window is only hidden.
  void CloseWindow(Form& window);

  WindowSound& Sound() { return sound_; }

 private:
  Platform& platform_;
  WindowSound sound_;
};

// Centres the window on the screen, measured at the window's own density.
void CentreOnScreen(Form& window);
// Cuts the window's outline to a rectangle with rounded corners (a 20-pixel corner ellipse at
// 96 dpi, scaled with the window's density).
void CutRoundedOutline(Form& window);

}  // namespace kestal
