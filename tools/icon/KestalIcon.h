// The program's icon: a ringed planet with a four-pointed star, in 16 colours.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/ImageFiles.h"

namespace kestal::tools {

// The icon drawn at `size` pixels square (32 and 16 are the sizes we ship).
IconImage KestalIconImage(int size);

// The icon file: the 32 x 32 image, then the 16 x 16 one.
std::vector<std::uint8_t> KestalIconFile();

}  // namespace kestal::tools
