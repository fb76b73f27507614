// A small vector-style painter for our artwork: shapes are inside-tests, colours come from
// shaders, and edges are smoothed by sampling each pixel on a grid.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kestal::tools {

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0 to 255
};

Rgb Mix(Rgb a, Rgb b, double t);  // a at t = 0, b at t = 1
Rgb Scale(Rgb c, double factor);

struct Point {
  double x, y;
};

// A region of the picture: whether a point (in pixel units, pixel centres at .5) lies inside,
// and a box that holds all of it, so that painting looks only there.
struct Shape {
  std::function<bool(double x, double y)> inside;
  double left, top, right, bottom;
  bool operator()(double x, double y) const { return inside(x, y); }
};
// The colour of a shape at a point.
using Shader = std::function<Rgb(double x, double y)>;

Shape Ellipse(double cx, double cy, double rx, double ry);
Shape RotatedEllipse(double cx, double cy, double rx, double ry, double degrees);
Shape Polygon(std::vector<Point> points);
Shape Rectangle(double left, double top, double right, double bottom);
// A band of the given width along a segment, with round ends.
Shape Stroke(Point from, Point to, double width);
// A band of the given width along a circle's arc, from `fromDegrees` to `toDegrees` (0 to the
// right, 90 downwards).
Shape Arc(Point centre, double radius, double fromDegrees, double toDegrees, double width);
Shape Union(Shape a, Shape b);
Shape Intersection(Shape a, Shape b);
Shape Difference(Shape a, Shape b);

Shader Solid(Rgb colour);
// From `c0` at `p0` to `c1` at `p1`, constant across.
Shader LinearGradient(Point p0, Rgb c0, Point p1, Rgb c1);
// From `inner` at the centre to `outer` at `radius` and beyond.
Shader RadialGradient(Point centre, double radius, Rgb inner, Rgb outer);

class Canvas {
 public:
  Canvas(int width, int height, Rgb background = {}, double backgroundAlpha = 1);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  double AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }

  // With hard edges a pixel is either in a shape or not (crisp small icons); otherwise edges are
  // smoothed.
  void SetHardEdges(bool hard) { hardEdges_ = hard; }

  // Paints the shape over what is there, `opacity` times its smoothed coverage.
  void Fill(const Shape& shape, const Shader& shader, double opacity = 1);
  // Adds a soft round glow (a star): brightest at the centre, gone by about 2.5 radii.
  void Glow(Point centre, double radius, Rgb colour, double strength);
  // Sets one pixel outright (for single-pixel stars).
  void Set(int x, int y, Rgb colour, double alpha = 1);

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_, height_;
  bool hardEdges_ = false;
  std::vector<Rgb> pixels_;
  std::vector<double> alpha_;
};

// A small seeded generator, the same on every platform (for starfields).
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  double Uniform(double low, double high);

 private:
  std::uint64_t state_;
};

}  // namespace kestal::tools
