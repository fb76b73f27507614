#include "tools/banner/Banner.h"

#include <array>
#include <cmath>
#include <string_view>

#include "tools/paint/ImageFiles.h"
#include "tools/paint/Indexed.h"
#include "tools/paint/Sky.h"

namespace kestal::tools {
namespace {

// Our letters, 5 x 7 cells each, '#' for a lit cell.
using Glyph = std::array<std::string_view, 7>;

Glyph LetterOf(char letter) {
  switch (letter) {
    case 'K':
      return {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"};
    case 'E':
      return {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
    case 'S':
      return {".####", "#....", "#....", ".###.", "....#", "....#", "####."};
    case 'T':
      return {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
    case 'A':
      return {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
    case 'L':
      return {"#....", "#....", "#....", "#....", "#....", "#....", "#####"};
    default:
      return {".....", ".....", ".....", ".....", ".....", ".....", "....."};
  }
}

// Writes `text` with its top left corner at (left, top), each cell `cell` pixels square,
// with a dark shadow one pixel down and right.
void PixelText(Canvas& c, std::string_view text, int left, int top, int cell, int gap) {
  const int advance = 5 * cell + gap;
  for (int pass = 0; pass < 2; ++pass) {
    const bool shadow = pass == 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const Glyph glyph = LetterOf(text[i]);
      for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column) {
          if (glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != '#')
            continue;
          const double x = left + static_cast<int>(i) * advance + column * cell + (shadow ? 1 : 0);
          const double y = top + row * cell + (shadow ? 1 : 0);
          c.Fill(Rectangle(x, y, x + cell, y + cell),
                 shadow ? Solid({8, 6, 20})
                        : LinearGradient({0, double(top)}, {255, 238, 160},
                                         {0, double(top + 7 * cell)}, {226, 146, 44}));
        }
    }
  }
}

}  // namespace

Canvas BannerPicture() {
  Canvas c(kBannerWidth, kBannerHeight);
  SkyGradient(c, {4, 6, 26}, {22, 16, 52});
  Starfield(c, 2323, 70);

  // The limb of a blue planet on the left, with a thin lit atmosphere.
  c.Fill(Ellipse(14, 44, 34, 34), RadialGradient({2, 20}, 44, {92, 156, 210}, {10, 20, 48}));
  c.Fill(Difference(Ellipse(14, 44, 35, 35), Ellipse(14, 44, 33.6, 33.6)), Solid({150, 210, 255}),
         0.55);
  // Cloud bands across it.
  c.Fill(Intersection(Ellipse(14, 44, 33, 33),
                      Difference(Ellipse(10, 52, 40, 22), Ellipse(12, 54, 40, 20))),
         Solid({200, 230, 250}), 0.35);

  // A streak of light crossing the sky, bright at its head and fading behind.
  const Point tail{54, 26}, head{118, 11};
  constexpr int kSegments = 24;
  for (int i = 0; i < kSegments; ++i) {
    const double t0 = double(i) / kSegments, t1 = double(i + 1) / kSegments;
    const Point a{tail.x + (head.x - tail.x) * t0, tail.y + (head.y - tail.y) * t0};
    const Point b{tail.x + (head.x - tail.x) * t1, tail.y + (head.y - tail.y) * t1};
    c.Fill(Stroke(a, b, 0.6 + 1.4 * t1), Solid({190, 220, 255}), 0.1 + 0.7 * t1 * t1);
  }
  c.Glow(head, 2.4, {200, 230, 255}, 0.9);
  c.Glow(head, 0.9, {255, 255, 255}, 1.0);

  PixelText(c, "KESTAL", 134, 11, 2, 4);
  return c;
}

std::vector<std::uint8_t> BannerFile() {
  const Canvas canvas = BannerPicture();
  return Bmp8File(MapToPalette(canvas, MedianCutPalette(canvas, 256), 5));
}

}  // namespace kestal::tools
