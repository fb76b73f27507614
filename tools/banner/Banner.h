// The conventions window's banner: a band of starry sky with a planet's limb, a streak of light
// and the name KESTAL in our own pixel letters. 224 x 37 pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/Canvas.h"

namespace kestal::tools {

inline constexpr int kBannerWidth = 224;
inline constexpr int kBannerHeight = 37;

Canvas BannerPicture();

// The banner as an 8-bit bitmap file.
std::vector<std::uint8_t> BannerFile();

}  // namespace kestal::tools
