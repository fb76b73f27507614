#include "tools/icon/KestalIcon.h"

#include <algorithm>
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
constexpr Rgb kHalo{246, 248, 255};
constexpr Rgb kStar{255, 246, 180};

// The half of the ring that passes in front of the planet: below its long axis.
Shape FrontHalf(double cx, double cy, double degrees) {
  const double c = std::cos(degrees * std::numbers::pi / 180);
  const double s = std::sin(degrees * std::numbers::pi / 180);
  return {[=](double x, double y) { return -(x - cx) * s + (y - cy) * c > 0; }, -1e6, -1e6, 1e6,
          1e6};
}

// The shape with each pixel wholly in or out, as its centre is.
Shape WholePixels(Shape shape) {
  const auto inside = shape.inside;
  shape.inside = [inside](double x, double y) {
    return inside(std::floor(x) + 0.5, std::floor(y) + 0.5);
  };
  return shape;
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

// How one image is drawn. The drawing is laid out in units of a 32-unit square.
struct Pen {
  bool smooth;      // smoothed edges, or each pixel wholly in or out
  double k;         // pixels a unit
  Point origin;     // where the units' origin lies, in pixels
  double line;      // the outline's width in pixels
  double starLine;  // the star's outline, measured along its points
  double halo;      // the light band around the whole, in pixels; 0 for none
  bool detail;      // large enough for the planet's bands and a star shining from its middle
};

// The planet seen large: bands parallel to the ring, bowed as a globe's are.
Shader BandedPlanet(Point centre, double radius, double degrees, const Shader& base) {
  const double c = std::cos(degrees * std::numbers::pi / 180);
  const double s = std::sin(degrees * std::numbers::pi / 180);
  struct Band {
    double across, halfWidth, depth;  // in radii from the equator; how much darker at its middle
  };
  static constexpr Band kBands[] = {{-0.34, 0.07, 0.08}, {0.12, 0.13, 0.11}, {0.46, 0.08, 0.09}};
  return [=](double x, double y) {
    const double along = ((x - centre.x) * c + (y - centre.y) * s) / radius;
    const double across = (-(x - centre.x) * s + (y - centre.y) * c) / radius;
    const double bow = 0.18 * std::sqrt(std::max(0.0, 1 - along * along));
    double shade = 1;
    for (const Band& band : kBands) {
      const double d = (across - bow - band.across) / band.halfWidth;
      if (std::abs(d) < 1) shade -= band.depth * (1 - d * d) * (1 - d * d);
    }
    return Scale(base(x, y), shade);
  };
}

Canvas Paint(int size, const Pen& pen) {
  const double k = pen.k;
  const double ox = pen.origin.x, oy = pen.origin.y;
  const bool small = size < 24;
  Canvas canvas(size, size, {}, 0);
  canvas.SetHardEdges(!pen.smooth);

  const double px = ox + 15 * k, py = oy + 17.5 * k, pr = (small ? 9.8 : 9.5) * k;
  const double tilt = -22;
  const double ringOuterX = 15.5 * k, ringOuterY = (small ? 5.4 : 4.6) * k;
  const double ringInnerX = 11.6 * k, ringInnerY = (small ? 2.2 : 2.4) * k;
  const double line = pen.line;
  const auto ringBand = [&](double widen) {
    return Difference(RotatedEllipse(px, py, ringOuterX + widen, ringOuterY + widen, tilt),
                      RotatedEllipse(px, py, ringInnerX - widen, ringInnerY - widen, tilt));
  };
  const Shape ring = ringBand(0);
  const Shape ringOutline = ringBand(line);
  const Shader ringShade =
      LinearGradient({px - ringOuterX, py}, {60, 110, 200}, {px + ringOuterX, py}, {190, 225, 255});
  const Shader planetShade =
      RadialGradient({px - 3.5 * k, py - 4 * k}, 14 * k, {255, 226, 140}, {140, 60, 18});
  // Large, the near half ends on whole pixels: where it crosses the ring, the ring behind is the
  // same, and the outline and the ring painted again there half-covered would draw a seam.
  const Shape front = pen.detail ? WholePixels(FrontHalf(px, py, tilt)) : FrontHalf(px, py, tilt);
  const double sx = ox + 26.5 * k, sy = oy + (small ? 5.2 : 5.5) * k;
  const double sr = (small ? 6.4 : 5.6) * k, waist = 1.6 * k;
  const auto star = [&](double widen) { return Sparkle(sx, sy, sr + widen, waist + widen); };

  // The halo: the outlines' silhouette widened, in one light colour under everything.
  if (pen.halo > 0)
    canvas.Fill(Union(Union(ringBand(line + pen.halo),
                            Ellipse(px, py, pr + line + pen.halo, pr + line + pen.halo)),
                      star(pen.starLine + pen.halo)),
                Solid(kHalo));

  // The ring behind the planet, then the planet, then the ring's near half over it.
  canvas.Fill(ringOutline, Solid(kOutline));
  canvas.Fill(ring, ringShade);
  canvas.Fill(Ellipse(px, py, pr + line, pr + line), Solid(kOutline));
  canvas.Fill(Ellipse(px, py, pr, pr),
              pen.detail ? BandedPlanet({px, py}, pr, tilt, planetShade) : planetShade);
  canvas.Fill(Intersection(ringOutline, front), Solid(kOutline));
  canvas.Fill(Intersection(ring, front), ringShade);

  // The star above the planet's shoulder; large, it shines white from its middle.
  canvas.Fill(star(pen.starLine), Solid(kOutline));
  canvas.Fill(star(0), Solid(kStar));
  if (pen.detail) {
    const double glow = 0.45 * sr;
    canvas.Fill(Intersection(star(0), Ellipse(sx, sy, glow, glow)),
                RadialGradient({sx, sy}, glow, {255, 255, 255}, kStar));
  } else {
    canvas.Fill(Ellipse(sx, sy, 1.1 * k + 0.3, 1.1 * k + 0.3), Solid({255, 255, 255}));
  }
  return canvas;
}

// The colour a pixel has where it is painted, without the coverage the canvas multiplied in.
Rgb Straight(const Canvas& canvas, int x, int y) {
  const double a = canvas.AlphaAt(x, y);
  return a > 0 ? Scale(canvas.At(x, y), 1 / a) : Rgb{};
}

}  // namespace

IconImage KestalIconImage(int size) {
  const double line = size < 24 ? 1.0 : 1.1;
  const Canvas canvas = Paint(size, {false, size / 32.0, {0, 0}, line, 1.3, 0, false});
  // Edge pixels keep the shape's own colour instead of fading to black; the mask decides what
  // shows through.
  Canvas straight(size, size);
  std::vector<bool> transparent;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      transparent.push_back(canvas.AlphaAt(x, y) < 0.5);
      straight.Set(x, y, Straight(canvas, x, y));
    }
  return {MapToPalette(straight, kPalette), transparent};
}

AlphaIconImage KestalAlphaIconImage(int size) {
  // Lines and halo grow with the size, never below a pixel, so that they read at 16 pixels and
  // do not look thin at 64; above 64 more slowly, or the large picture would be all outline.
  const double line = size <= 64 ? std::max(1.0, 1.1 * size / 32) : 2.2 + (size - 64) / 64.0;
  const double halo = size <= 64 ? std::max(1.0, size / 32.0) : 2.0 + (size - 64) / 64.0;
  const bool detail = size > 64;
  // Up to 24 pixels smoothed edges only blur the picture: each pixel is in or out, and the
  // drawing takes more of the square, its halo running off the edges where the ring's ends
  // and the star's points touch them.
  const bool crisp = size <= 24;
  const double room = crisp ? (line + halo) / 2 : line + halo;
  // The ring, planet and star (without outlines) span these units (below 24 pixels they are
  // drawn bolder): centred in the square with `room` pixels all round.
  const double left = 0.5, right = size < 24 ? 32.6 : 31.9;
  const double top = size < 24 ? -0.9 : 0.1, bottom = size < 24 ? 27.3 : 27;
  const double k = (size - 2 * room) / (right - left);
  const Point origin{room - left * k, (size - (top + bottom) * k) / 2};
  const Canvas canvas = Paint(size, {!crisp, k, origin, line, line + 0.2, halo, detail});
  AlphaIconImage image{size, size, {}};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Rgb8 c = ToRgb8(Straight(canvas, x, y));
      const auto a =
          static_cast<std::uint8_t>(std::clamp(std::lround(canvas.AlphaAt(x, y) * 255), 0L, 255L));
      image.pixels.push_back(a ? Rgba8{c.r, c.g, c.b, a} : Rgba8{});
    }
  return image;
}

std::vector<std::uint8_t> KestalIconFile() {
  std::vector<AlphaIconImage> fullColour;
  for (const int size : kIconSizes) fullColour.push_back(KestalAlphaIconImage(size));
  return IcoFile({KestalIconImage(32)}, fullColour, kPngIconsFrom);
}

}  // namespace kestal::tools
