#include "tools/icon/KestalIcon.h"

#include <cmath>
#include <numbers>

namespace kestal::tools {
namespace {

// Our own 16 colours: outline, the planet's ambers, the ring's blues, the star's whites.
const std::vector<Rgb8> kPalette = {
    {0, 0, 0},      {20, 22, 60},    {255, 255, 255}, {255, 246, 180}, {96, 40, 14},  {140, 62, 20},
    {190, 96, 34},  {228, 142, 54},  {248, 190, 92},  {255, 230, 158}, {36, 64, 140}, {52, 92, 176},
    {76, 128, 212}, {130, 185, 245}, {205, 232, 255}, {60, 36, 70},
};

constexpr Rgb kOutline{20, 22, 60};

// The half of the ring that passes in front of the planet: below its long axis.
Shape FrontHalf(double cx, double cy, double degrees) {
  const double c = std::cos(degrees * std::numbers::pi / 180);
  const double s = std::sin(degrees * std::numbers::pi / 180);
  return {[=](double x, double y) { return -(x - cx) * s + (y - cy) * c > 0; }, -1e6, -1e6, 1e6,
          1e6};
}

// A four-pointed star: long points up, down, left and right.
Shape Sparkle(double cx, double cy, double radius, double waist) {
  std::vector<Point> points;
  for (int i = 0; i < 8; ++i) {
    const double angle = i * std::numbers::pi / 4;
    const double r = i % 2 ? waist : radius;
    points.push_back({cx + r * std::sin(angle), cy - r * std::cos(angle)});
  }
  return Polygon(points);
}

// Takes the colour out of its coverage, so that edge pixels keep the shape's own colour
// instead of fading to black; the mask decides what shows through.
IconImage ToIcon(const Canvas& canvas) {
  Canvas straight(canvas.Width(), canvas.Height());
  std::vector<bool> transparent;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const double a = canvas.AlphaAt(x, y);
      transparent.push_back(a < 0.5);
      if (a > 0) straight.Set(x, y, Scale(canvas.At(x, y), 1 / a));
    }
  return {MapToPalette(straight, kPalette), transparent};
}

}  // namespace

IconImage KestalIconImage(int size) {
  const double k = size / 32.0;  // the drawing is laid out on a 32-unit square
  const bool small = size < 24;
  Canvas canvas(size, size, {}, 0);
  canvas.SetHardEdges(true);

  const double px = 15 * k, py = 17.5 * k, pr = (small ? 9.8 : 9.5) * k;
  const double tilt = -22;
  const double ringOuterX = 15.5 * k, ringOuterY = (small ? 5.4 : 4.6) * k;
  const double ringInnerX = 11.6 * k, ringInnerY = (small ? 2.2 : 2.4) * k;
  const double line = small ? 1.0 : 1.1;  // outline width in pixels
  const Shape ring = Difference(RotatedEllipse(px, py, ringOuterX, ringOuterY, tilt),
                                RotatedEllipse(px, py, ringInnerX, ringInnerY, tilt));
  const Shape ringOutline =
      Difference(RotatedEllipse(px, py, ringOuterX + line, ringOuterY + line, tilt),
                 RotatedEllipse(px, py, ringInnerX - line, ringInnerY - line, tilt));
  const Shader ringShade =
      LinearGradient({px - ringOuterX, py}, {60, 110, 200}, {px + ringOuterX, py}, {190, 225, 255});
  const Shape front = FrontHalf(px, py, tilt);

  // The ring behind the planet, then the planet, then the ring's near half over it.
  canvas.Fill(ringOutline, Solid(kOutline));
  canvas.Fill(ring, ringShade);
  canvas.Fill(Ellipse(px, py, pr + line, pr + line), Solid(kOutline));
  canvas.Fill(Ellipse(px, py, pr, pr),
              RadialGradient({px - 3.5 * k, py - 4 * k}, 14 * k, {255, 226, 140}, {140, 60, 18}));
  canvas.Fill(Intersection(ringOutline, front), Solid(kOutline));
  canvas.Fill(Intersection(ring, front), ringShade);

  // The star above the planet's shoulder.
  const double sx = (small ? 26.5 : 26.5) * k, sy = (small ? 5.2 : 5.5) * k;
  const double sr = (small ? 6.4 : 5.6) * k;
  canvas.Fill(Sparkle(sx, sy, sr + 1.3, 1.6 * k + 1.3), Solid(kOutline));
  canvas.Fill(Sparkle(sx, sy, sr, 1.6 * k), Solid({255, 246, 180}));
  canvas.Fill(Ellipse(sx, sy, 1.1 * k + 0.3, 1.1 * k + 0.3), Solid({255, 255, 255}));
  return ToIcon(canvas);
}

std::vector<std::uint8_t> KestalIconFile() {
  // Every size the system asks for, from the small icon at 100 % to the large one at 200 %.
  std::vector<IconImage> images;
  for (const int size : {32, 16, 20, 24, 40, 48, 64}) images.push_back(KestalIconImage(size));
  return Ico4File(images);
}

}  // namespace kestal::tools
