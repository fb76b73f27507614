#pragma once
// Where the zoom's outline lies at each moment, and the few rectangles its line covers.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "forms/Geometry.h"

namespace kestal {

inline bool IsEmpty(const PixelRect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

// The part of `r` inside `area`; empty when they do not meet.
inline PixelRect Clipped(const PixelRect& r, const PixelRect& area) {
  const PixelRect inside{std::max(r.left, area.left), std::max(r.top, area.top),
                         std::min(r.right, area.right), std::min(r.bottom, area.bottom)};
  return IsEmpty(inside) ? PixelRect{} : inside;
}

// The rectangle a fraction `t` (0 to 1) of the way from `from` to `to`, each side to the
// nearest pixel.
inline PixelRect OutlineAt(const PixelRect& from, const PixelRect& to, double t) {
  const auto between = [t](int32_t a, int32_t b) {
    return static_cast<int32_t>(std::lround(a + (b - a) * t));
  };
  return {between(from.left, to.left), between(from.top, to.top), between(from.right, to.right),
          between(from.bottom, to.bottom)};
}

// Every outline between the two lies in the smallest rectangle that holds both (an empty one, a
// point or a line, counts too); only its part on the screen can be shown.
inline PixelRect OutlinePath(const PixelRect& a, const PixelRect& b, const PixelRect& screen) {
  return Clipped({std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                  std::max(a.bottom, b.bottom)},
                 screen);
}

// The line along the inside of a rectangle, as rectangles that do not overlap: top and bottom
// bands the whole width, left and right ones between them.
struct FrameBands {
  std::array<PixelRect, 4> rects{};
  int count = 0;
};

// The line `width` pixels wide just inside `outer`, cut to `area`. The inside is left out, so
// that what lies there stays seen and takes the clicks; a rectangle too small to have an inside
// is covered whole, an empty one gives nothing.
inline FrameBands FrameOf(const PixelRect& outer, int width, const PixelRect& area) {
  FrameBands bands;
  const auto add = [&](const PixelRect& r) {
    const PixelRect kept = Clipped(r, area);
    if (!IsEmpty(kept)) bands.rects[static_cast<std::size_t>(bands.count++)] = kept;
  };
  if (IsEmpty(outer) || width <= 0) return bands;
  const PixelRect inner{outer.left + width, outer.top + width, outer.right - width,
                        outer.bottom - width};
  if (IsEmpty(inner)) {
    add(outer);
    return bands;
  }
  add({outer.left, outer.top, outer.right, inner.top});
  add({outer.left, inner.bottom, outer.right, outer.bottom});
  add({outer.left, inner.top, inner.left, inner.bottom});
  add({inner.right, inner.top, outer.right, inner.bottom});
  return bands;
}

}  // namespace kestal
