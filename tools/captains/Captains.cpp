#include "tools/captains/Captains.h"

#include "tools/paint/ImageFiles.h"
#include "tools/paint/Indexed.h"
#include "tools/paint/Sky.h"

namespace kestal::tools {
namespace {

struct Look {
  Rgb skin, skinShadow, hair, hairLight, iris, lips;
  bool squareJaw;
};

// Neck, ears and face, lit from the upper left; the hair comes separately.
void Head(Canvas& c, const Look& look) {
  c.Fill(Polygon({{45, 64}, {65, 64}, {66, 96}, {44, 96}}),
         LinearGradient({44, 0}, look.skinShadow, {66, 0}, look.skin));
  c.Fill(Ellipse(55, 78, 11, 5), Solid(look.skinShadow), 0.5);  // shadow under the chin
  c.Fill(Ellipse(35.5, 53, 3.8, 7), Solid(look.skinShadow));
  c.Fill(Ellipse(74.5, 53, 3.8, 7), Solid(look.skin));
  const Shape face =
      look.squareJaw
          ? Union(Ellipse(55, 50, 19.5, 24.5),
                  Polygon({{36.5, 54}, {73.5, 54}, {70, 69}, {60, 76.5}, {50, 76.5}, {40, 69}}))
          : Ellipse(55, 51, 19.5, 25.5);
  c.Fill(face,
         RadialGradient({49, 42}, 32, Mix(look.skin, {255, 255, 255}, 0.15), look.skinShadow));
  // Eyes, brows, nose and a slight smile.
  for (const double x : {47.5, 62.5}) {
    c.Fill(Ellipse(x, 51.5, 3.7, 2.1), Solid({245, 242, 236}));
    c.Fill(Ellipse(x + 0.3, 51.5, 1.8, 1.9), Solid(look.iris));
    c.Fill(Ellipse(x + 0.3, 51.5, 0.8, 0.9), Solid({20, 16, 14}));
    c.Fill(Arc({x, 54.5}, 4.4, 215, 325, 0.9), Solid(Scale(look.skinShadow, 0.45)));
  }
  c.Fill(Arc({47.5, 49.5}, 6, 240, 300, 1.8), Solid(look.hair));
  c.Fill(Arc({62.5, 49.5}, 6, 240, 300, 1.8), Solid(look.hair));
  c.Fill(Stroke({56, 53}, {54, 60.5}, 1.2), Solid(look.skinShadow), 0.6);
  c.Fill(Ellipse(55, 61.5, 3.2, 1.3), Solid(look.skinShadow), 0.6);
  c.Fill(Arc({55, 59}, 8.5, 58, 122, 2.2), Solid(look.lips));
  c.Fill(Arc({55, 59}, 8.2, 60, 120, 0.7), Solid(Scale(look.lips, 0.6)), 0.8);
}

// A broad-shouldered upper body, shaded by `shade`.
Shape Torso() {
  return Union(
      Polygon({{4, 140}, {7, 110}, {16, 97}, {38, 88}, {72, 88}, {94, 97}, {103, 110}, {106, 140}}),
      Union(Ellipse(24, 106, 18, 14), Ellipse(86, 106, 18, 14)));
}

Canvas ClassicCanvas() {
  Canvas c(kCaptainWidth, kCaptainHeight);
  SkyGradient(c, {6, 8, 34}, {28, 22, 66});
  Starfield(c, 1701, 90);
  // A small red planet low on the horizon behind the figure.
  c.Fill(Ellipse(14, 22, 10, 10), RadialGradient({10, 18}, 14, {230, 120, 80}, {90, 30, 30}));

  const Look look{{238, 196, 160}, {176, 124, 96}, {86, 56, 34}, {128, 88, 56},
                  {92, 70, 48},    {176, 104, 92}, true};
  // Short dark hair with a side parting, ending in sideburns.
  const Shape hair = Difference(Ellipse(55, 42, 21, 20.5), Ellipse(56, 57, 18, 20));
  Head(c, look);
  c.Fill(hair, LinearGradient({40, 22}, look.hairLight, {70, 44}, look.hair));
  c.Fill(Polygon({{35, 42}, {39, 42}, {39, 56}, {36.5, 54}}), Solid(look.hair));
  c.Fill(Polygon({{71, 42}, {75, 42}, {73.5, 54}, {71, 56}}), Solid(look.hair));
  c.Fill(Arc({62, 40}, 16, 200, 250, 1.0), Solid(look.hairLight), 0.8);  // a combed wave

  // The gold tunic, then its black collar, folds and badge.
  const Rgb gold{222, 176, 58}, goldShadow{150, 104, 26};
  c.Fill(Torso(),
         LinearGradient({10, 90}, Mix(gold, {255, 240, 180}, 0.25), {104, 140}, goldShadow));
  const Shape collar =
      Intersection(Difference(Ellipse(55, 87, 16.5, 10), Ellipse(55, 85, 11.5, 6.5)),
                   Rectangle(0, 85, 110, 140));
  c.Fill(collar, Solid({18, 16, 16}));
  c.Fill(Stroke({24, 118}, {26, 140}, 2.0), Solid(goldShadow), 0.6);
  c.Fill(Stroke({86, 118}, {84, 140}, 2.0), Solid(goldShadow), 0.6);
  // Our badge: a gold planet crossed by its ring.
  c.Fill(Ellipse(77, 111, 5.6, 5.6), Solid({30, 24, 16}));
  c.Fill(Ellipse(77, 111, 4.2, 4.2),
         RadialGradient({75.5, 109.5}, 5, {255, 236, 150}, {196, 140, 30}));
  c.Fill(Difference(RotatedEllipse(77, 111, 8, 2.6, -25), RotatedEllipse(77, 111, 6, 1.3, -25)),
         Solid({30, 24, 16}));
  c.Fill(Difference(RotatedEllipse(77, 111, 7.2, 2, -25), RotatedEllipse(77, 111, 6.4, 1.5, -25)),
         Solid({250, 226, 140}));
  return c;
}

Canvas NgCanvas() {
  Canvas c(kCaptainWidth, kCaptainHeight);
  SkyGradient(c, {14, 8, 30}, {44, 22, 62});
  c.Glow({82, 30}, 24, {120, 60, 140}, 0.45);  // a nebula over the shoulder
  c.Glow({92, 22}, 12, {90, 150, 170}, 0.35);
  Starfield(c, 4729, 80);

  const Look look{{214, 164, 128}, {150, 100, 74}, {40, 26, 22}, {84, 58, 46},
                  {60, 90, 70},    {176, 84, 88},  false};
  // Long hair falling behind the shoulders, then the face, then a swept fringe.
  c.Fill(Union(Ellipse(55, 52, 25.5, 31),
               Union(Rectangle(29.5, 52, 80.5, 86), Ellipse(55, 86, 25.5, 8))),
         LinearGradient({30, 30}, look.hairLight, {80, 94}, look.hair));
  Head(c, look);
  c.Fill(
      Difference(Ellipse(55, 39, 20.5, 17), Union(Ellipse(58, 50, 18, 16), Ellipse(40, 56, 6, 14))),
      LinearGradient({38, 24}, look.hairLight, {72, 44}, look.hair));

  // The uniform: black over the shoulders, red below, a gold seam between them.
  const Rgb red{186, 30, 36}, redShadow{118, 14, 22}, black{30, 30, 36};
  c.Fill(Torso(), LinearGradient({10, 96}, red, {100, 140}, redShadow));
  const Shape yoke = Polygon({{0, 88}, {110, 88}, {110, 112}, {55, 104}, {0, 112}});
  c.Fill(Intersection(Torso(), yoke), LinearGradient({20, 88}, {64, 64, 74}, {90, 110}, black));
  c.Fill(Intersection(Torso(),
                      Polygon({{0, 111}, {55, 103}, {110, 111}, {110, 114}, {55, 106}, {0, 114}})),
         Solid({214, 170, 70}));
  // A short stand-up collar.
  c.Fill(Polygon({{43, 84}, {67, 84}, {69, 93}, {55, 96}, {41, 93}}),
         LinearGradient({41, 84}, {70, 70, 80}, {69, 96}, {20, 20, 24}));
  c.Fill(Polygon({{45, 84}, {65, 84}, {55, 92}}), Solid(look.skinShadow));
  // Our badge: a silver hexagon with a gold four-pointed star.
  c.Fill(Polygon({{76, 92}, {82, 95.5}, {82, 102.5}, {76, 106}, {70, 102.5}, {70, 95.5}}),
         LinearGradient({70, 92}, {236, 236, 242}, {82, 106}, {130, 130, 146}));
  c.Fill(Polygon({{76, 93.5},
                  {77.2, 97.8},
                  {81, 99},
                  {77.2, 100.2},
                  {76, 104.5},
                  {74.8, 100.2},
                  {71, 99},
                  {74.8, 97.8}}),
         Solid({226, 170, 40}));
  return c;
}

std::vector<std::uint8_t> BitmapOf(const Canvas& canvas) {
  return Bmp8File(MapToPalette(canvas, MedianCutPalette(canvas, 256), 5));
}

}  // namespace

Canvas ClassicCaptainPicture() {
  return ClassicCanvas();
}
Canvas NgCaptainPicture() {
  return NgCanvas();
}

std::vector<std::uint8_t> ClassicCaptainFile() {
  return BitmapOf(ClassicCanvas());
}
std::vector<std::uint8_t> NgCaptainFile() {
  return BitmapOf(NgCanvas());
}

}  // namespace kestal::tools
