#include "tools/paint/Sky.h"

namespace kestal::tools {

void SkyGradient(Canvas& canvas, Rgb top, Rgb bottom) {
  canvas.Fill(Rectangle(0, 0, canvas.Width(), canvas.Height()),
              LinearGradient({0, 0}, top, {0, double(canvas.Height())}, bottom));
}

void Starfield(Canvas& canvas, std::uint64_t seed, int count) {
  SeededRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const double x = random.Uniform(0, canvas.Width());
    const double y = random.Uniform(0, canvas.Height());
    const double brightness = random.Uniform(0, 1);
    const double tint = random.Uniform(-1, 1);  // a little blue or a little gold
    const Rgb colour{225 + 30 * (tint < 0 ? 0 : tint), 230, 225 + 30 * (tint < 0 ? -tint : 0)};
    if (brightness > 0.9)
      canvas.Glow({x, y}, 0.9, colour, 1.0);
    else
      canvas.Glow({x, y}, 0.45, colour, 0.25 + 0.7 * brightness);
  }
}

}  // namespace kestal::tools
