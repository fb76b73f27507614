#include <gtest/gtest.h>

#include "services/OutlineFrame.h"

namespace kestal {
namespace {

bool Holds(const PixelRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Pixel by pixel, the bands cover once each pixel of the line `width` wide inside `outer` that
// lies in `area`, and nothing else: not the inside, which must stay seen and take the clicks.
TEST(OutlineFrame, TheLineAloneIsCoveredOnceWhateverTheRectangle) {
  const PixelRect screen{0, 0, 40, 30};
  struct Case {
    const char* what;
    PixelRect outer;
    int width;
    PixelRect area;
  };
  const Case cases[] = {
      {"a window", {5, 4, 25, 20}, 2, screen},
      {"a line one pixel wide", {5, 4, 25, 20}, 1, screen},
      {"too narrow for an inside", {5, 4, 8, 20}, 2, screen},
      {"just wide enough for an inside", {5, 4, 10, 20}, 2, screen},
      {"the corner's pixel", {39, 29, 40, 30}, 2, screen},
      {"a strip one pixel wide", {20, 10, 21, 30}, 2, screen},
      {"half off the area", {-6, -3, 12, 10}, 3, screen},
      {"cut by the path", {5, 4, 25, 20}, 2, {10, 0, 40, 12}},
      {"empty", {0, 0, 1, 0}, 2, screen},
      {"outside the area", {50, 50, 60, 60}, 2, screen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FrameBands bands = FrameOf(c.outer, c.width, c.area);
    const PixelRect inner{c.outer.left + c.width, c.outer.top + c.width, c.outer.right - c.width,
                          c.outer.bottom - c.width};
    int wrong = 0;
    for (int y = -10; y < 70; ++y) {
      for (int x = -10; x < 70; ++x) {
        int covered = 0;
        for (int i = 0; i < bands.count; ++i)
          covered += Holds(bands.rects[static_cast<std::size_t>(i)], x, y);
        const bool line = Holds(c.outer, x, y) && Holds(c.area, x, y) && !Holds(inner, x, y);
        wrong += covered != (line ? 1 : 0);
      }
    }
    EXPECT_EQ(wrong, 0);
    for (int i = 0; i < bands.count; ++i)
      EXPECT_FALSE(IsEmpty(bands.rects[static_cast<std::size_t>(i)]));
  }
}

TEST(OutlineFrame, TheOutlineGoesFromOneRectangleToTheOtherWithinItsPath) {
  const PixelRect screen{0, 0, 1024, 768};
  const PixelRect corner{1023, 767, 1024, 768};
  const PixelRect window{338, 222, 686, 546};
  EXPECT_EQ(OutlineAt(corner, window, 0), corner);
  EXPECT_EQ(OutlineAt(corner, window, 1), window);
  EXPECT_EQ(OutlineAt(corner, window, 0.5), (PixelRect{681, 495, 855, 657}));

  // Every step lies in the path; the path stays on the screen.
  const PixelRect path = OutlinePath(corner, window, screen);
  EXPECT_EQ(path, (PixelRect{338, 222, 1024, 768}));
  for (double t = 0; t <= 1; t += 0.05) {
    const PixelRect step = OutlineAt(window, corner, t);
    EXPECT_EQ(Clipped(step, path), step) << t;
  }
  // Into the top-left corner's empty rectangle, and from a window partly off the screen.
  EXPECT_EQ(OutlinePath(window, {0, 0, 1, 0}, screen), (PixelRect{0, 0, 686, 546}));
  EXPECT_EQ(OutlinePath({-50, 700, 200, 900}, corner, screen), (PixelRect{0, 700, 1024, 768}));
  EXPECT_TRUE(IsEmpty(OutlinePath({2000, 0, 2100, 50}, {2050, 10, 2051, 11}, screen)));
}

}  // namespace
}  // namespace kestal
