#pragma once
// The size a caption is drawn at: its designed size when the text fits its box there, else the
// largest smaller size that fits, never below a readable floor. Our texts are longer than the
// names the boxes were drawn for, and a cut word reads as a broken program.
#include <cmath>
#include <functional>

namespace kestal {

// Font heights are whole pixels (the em height, as LOGFONT's negative lfHeight gives it).
inline int PointsToPixels(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

// About 6 points at the window's density: smaller text is no longer read comfortably.
inline int ReadableFloorPixels(int dpi) {
  return PointsToPixels(6, dpi);
}

// `fits(height)` tells whether the text fits its box when drawn `height` pixels high. The
// designed height when it fits; otherwise the largest smaller one that does, down to `floor`;
// `floor` itself when none does (the text is then drawn as small as is still readable).
inline int FittedHeight(int designed, int floor, const std::function<bool(int)>& fits) {
  for (int height = designed; height > floor; --height) {
    if (fits(height)) return height;
  }
  return designed < floor ? designed : floor;
}

}  // namespace kestal
