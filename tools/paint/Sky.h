// Night-sky backgrounds shared by the pictures.
#pragma once

#include <cstdint>

#include "tools/paint/Canvas.h"

namespace kestal::tools {

// Fills the canvas with a vertical gradient from `top` to `bottom`.
void SkyGradient(Canvas& canvas, Rgb top, Rgb bottom);

// Scatters `count` stars at places drawn from `seed`: mostly faint points, a few brighter
// ones with a soft glow.
void Starfield(Canvas& canvas, std::uint64_t seed, int count);

}  // namespace kestal::tools
