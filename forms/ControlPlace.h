#pragma once
// Where a control lies on its window: its frames' offsets added to its own place, in twips.
#include <cstddef>
#include <vector>

#include "forms/FormDesign.h"

namespace kestal {

// Offset of a control's container chain (frames inside frames), in twips. A broken chain (a
// container that isn't there, or a loop) stops the walk.
inline void ContainerOffset(const std::vector<ControlDefinition>& controls, int id, int& dx,
                            int& dy) {
  dx = dy = 0;
  int container = controls.at(static_cast<std::size_t>(id)).container;
  for (std::size_t steps = 0;
       container >= 0 && static_cast<std::size_t>(container) < controls.size() &&
       steps < controls.size();
       ++steps) {
    const ControlDefinition& frame = controls[static_cast<std::size_t>(container)];
    dx += frame.rect.left;
    dy += frame.rect.top;
    container = frame.container;
  }
}

// The control's rectangle on the window, in twips.
inline TwipRect WindowRectTwips(const std::vector<ControlDefinition>& controls, int id) {
  int dx = 0, dy = 0;
  ContainerOffset(controls, id, dx, dy);
  TwipRect rect = controls.at(static_cast<std::size_t>(id)).rect;
  rect.left += dx;
  rect.top += dy;
  return rect;
}

}  // namespace kestal
