// The About window's two pictures: a captain of the classic era in a gold tunic with a black
// collar, and a captain of the later era in a red-and-black uniform. Both 110 x 140 pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/Canvas.h"

namespace kestal::tools {

inline constexpr int kCaptainWidth = 110;
inline constexpr int kCaptainHeight = 140;

Canvas ClassicCaptainPicture();
Canvas NgCaptainPicture();

// The pictures as 8-bit bitmap files.
std::vector<std::uint8_t> ClassicCaptainFile();
std::vector<std::uint8_t> NgCaptainFile();

}  // namespace kestal::tools
