#pragma once
// Where a window's controls go in pixels, which of them start a group of child windows, and the
// blank room a label may run into.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

#include "forms/ControlPlace.h"
#include "forms/FormDesign.h"
#include "forms/Geometry.h"
#include "forms/TabOrder.h"

namespace kestal {

// The control's rectangle on the window in pixels (left, top, right, bottom). Position and size
// are converted each on its own, so two controls one pixel's worth of twips apart stay one
// pixel apart.
inline PixelRect WindowRectPixels(const std::vector<ControlDefinition>& controls, int id,
                                  double tppX, double tppY) {
  const TwipRect r = WindowRectTwips(controls, id);
  const int left = TwipsToPixels(r.left, tppX), top = TwipsToPixels(r.top, tppY);
  return {left, top, left + TwipsToPixels(r.width, tppX), top + TwipsToPixels(r.height, tppY)};
}

// For each child window in creation order: does it start a new group (WS_GROUP)? An option
// button continues the group of the option created just before it in the same container; every
// other child stands alone, so the arrow keys never leave a frame's options.
inline std::vector<bool> GroupStarts(const std::vector<ControlDefinition>& controls,
                                     const std::vector<int>& order) {
  std::vector<bool> starts(order.size(), true);
  for (std::size_t i = 1; i < order.size(); ++i) {
    const ControlDefinition& here = controls[static_cast<std::size_t>(order[i])];
    const ControlDefinition& before = controls[static_cast<std::size_t>(order[i - 1])];
    if (here.kind == ControlKind::OptionButton && before.kind == ControlKind::OptionButton &&
        here.container == before.container) {
      starts[i] = false;
    }
  }
  return starts;
}

// How far right a one-line label may run past its box into blank room: up to `margin` before
// the nearest thing to its right in its rows, before the inside edge of a frame around it, or
// before the window's right edge. Something else lying over the box already leaves it as it is.
// `rectOf` gives each control's rectangle in window pixels.
inline int RightOfBlankRoom(const std::vector<ControlDefinition>& controls, int id,
                            const std::function<PixelRect(int)>& rectOf, int windowRight,
                            int margin) {
  const PixelRect box = rectOf(id);
  int limit = windowRight - margin;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const int other = static_cast<int>(i);
    const PixelRect r = rectOf(other);
    if (other == id || r.top >= box.bottom || r.bottom <= box.top) continue;
    if (r.left >= box.right) {
      limit = std::min(limit, r.left - margin);
    } else if (r.right > box.left) {
      const bool around = controls[i].kind == ControlKind::Frame && r.left <= box.left &&
                          r.right >= box.right && r.top <= box.top && r.bottom >= box.bottom;
      limit = std::min(limit, around ? r.right - margin : box.right);
    }
  }
  return std::max(limit, static_cast<int>(box.right));
}

}  // namespace kestal
