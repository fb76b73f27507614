#include "tools/paint/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestal::tools {
namespace {

constexpr int kGrid = 4;  // samples a pixel side for smooth edges

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double factor) {
  return {c.r * factor, c.g * factor, c.b * factor};
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
  return {[=](double x, double y) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1;
          },
          cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape RotatedEllipse(double cx, double cy, double rx, double ry, double degrees) {
  const double c = std::cos(degrees * std::numbers::pi / 180);
  const double s = std::sin(degrees * std::numbers::pi / 180);
  const double reach = std::max(rx, ry);
  return {[=](double x, double y) {
            const double u = ((x - cx) * c + (y - cy) * s) / rx;
            const double v = (-(x - cx) * s + (y - cy) * c) / ry;
            return u * u + v * v <= 1;
          },
          cx - reach, cy - reach, cx + reach, cy + reach};
}

Shape Polygon(std::vector<Point> points) {
  Shape shape{nullptr, 1e9, 1e9, -1e9, -1e9};
  for (const Point p : points) {
    shape.left = std::min(shape.left, p.x);
    shape.top = std::min(shape.top, p.y);
    shape.right = std::max(shape.right, p.x);
    shape.bottom = std::max(shape.bottom, p.y);
  }
  shape.inside = [points = std::move(points)](double x, double y) {
    bool inside = false;  // even-odd rule
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point a = points[i], b = points[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
        inside = !inside;
    }
    return inside;
  };
  return shape;
}

Shape Rectangle(double left, double top, double right, double bottom) {
  return {[=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; },
          left, top, right, bottom};
}

Shape Stroke(Point from, Point to, double width) {
  const double half = width / 2;
  return {[=](double x, double y) {
            const double dx = to.x - from.x, dy = to.y - from.y;
            const double length2 = dx * dx + dy * dy;
            double t = length2 == 0 ? 0 : ((x - from.x) * dx + (y - from.y) * dy) / length2;
            t = std::clamp(t, 0.0, 1.0);
            const double px = from.x + t * dx - x, py = from.y + t * dy - y;
            return px * px + py * py <= width * width / 4;
          },
          std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
          std::max(from.x, to.x) + half, std::max(from.y, to.y) + half};
}

Shape Arc(Point centre, double radius, double fromDegrees, double toDegrees, double width) {
  const double reach = radius + width / 2;
  return {[=](double x, double y) {
            const double distance = std::hypot(x - centre.x, y - centre.y);
            if (std::abs(distance - radius) > width / 2) return false;
            double angle = std::atan2(y - centre.y, x - centre.x) * 180 / std::numbers::pi;
            while (angle < fromDegrees) angle += 360;
            return angle <= toDegrees;
          },
          centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach};
}

Shape Union(Shape a, Shape b) {
  return {[=](double x, double y) { return a(x, y) || b(x, y); }, std::min(a.left, b.left),
          std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Shape Intersection(Shape a, Shape b) {
  return {[=](double x, double y) { return a(x, y) && b(x, y); }, std::max(a.left, b.left),
          std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

Shape Difference(Shape a, Shape b) {
  return {[=](double x, double y) { return a(x, y) && !b(x, y); }, a.left, a.top, a.right,
          a.bottom};
}

Shader Solid(Rgb colour) {
  return [=](double, double) { return colour; };
}

Shader LinearGradient(Point p0, Rgb c0, Point p1, Rgb c1) {
  const double dx = p1.x - p0.x, dy = p1.y - p0.y, length2 = dx * dx + dy * dy;
  return [=](double x, double y) {
    const double t = ((x - p0.x) * dx + (y - p0.y) * dy) / length2;
    return Mix(c0, c1, std::clamp(t, 0.0, 1.0));
  };
}

Shader RadialGradient(Point centre, double radius, Rgb inner, Rgb outer) {
  return [=](double x, double y) {
    const double d = std::hypot(x - centre.x, y - centre.y) / radius;
    return Mix(inner, outer, std::clamp(d, 0.0, 1.0));
  };
}

Canvas::Canvas(int width, int height, Rgb background, double backgroundAlpha)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), background),
      alpha_(static_cast<std::size_t>(width * height), backgroundAlpha) {}

void Canvas::Fill(const Shape& shape, const Shader& shader, double opacity) {
  const int left = std::max(0, static_cast<int>(std::floor(shape.left)));
  const int top = std::max(0, static_cast<int>(std::floor(shape.top)));
  const int right = std::min(width_, static_cast<int>(std::ceil(shape.right)) + 1);
  const int bottom = std::min(height_, static_cast<int>(std::ceil(shape.bottom)) + 1);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      int hits = 0;
      for (int j = 0; j < kGrid; ++j)
        for (int i = 0; i < kGrid; ++i)
          if (shape(x + (i + 0.5) / kGrid, y + (j + 0.5) / kGrid)) ++hits;
      if (hardEdges_) hits = hits * 2 >= kGrid * kGrid ? kGrid * kGrid : 0;
      if (hits == 0) continue;
      const double a = opacity * hits / (kGrid * kGrid);
      const std::size_t at = Index(x, y);
      pixels_[at] = Mix(pixels_[at], shader(x + 0.5, y + 0.5), a);
      alpha_[at] += a * (1 - alpha_[at]);
    }
  }
}

void Canvas::Glow(Point centre, double radius, Rgb colour, double strength) {
  const int reach = static_cast<int>(std::ceil(radius * 3));
  for (int y = static_cast<int>(centre.y) - reach; y <= static_cast<int>(centre.y) + reach; ++y) {
    for (int x = static_cast<int>(centre.x) - reach; x <= static_cast<int>(centre.x) + reach; ++x) {
      if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
      const double d = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) / radius;
      const double a = std::min(1.0, strength * std::exp(-d * d));
      if (a < 0.004) continue;
      const std::size_t at = Index(x, y);
      pixels_[at] = Mix(pixels_[at], colour, a);
      alpha_[at] += a * (1 - alpha_[at]);
    }
  }
}

void Canvas::Set(int x, int y, Rgb colour, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[Index(x, y)] = colour;
  alpha_[Index(x, y)] = alpha;
}

std::uint64_t SeededRandom::Next() {  // SplitMix64
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

double SeededRandom::Uniform(double low, double high) {
  return low + (high - low) * static_cast<double>(Next() >> 11) / 9007199254740992.0;
}

}  // namespace kestal::tools
