// The program's icon: a ringed planet with a four-pointed star.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/paint/ImageFiles.h"

namespace kestal::tools {

// The sizes of the full-colour images: every small and large icon size from 100 % to 200 %, and
// the 175 % and 225 % small icons, so that the system never stretches a neighbouring size; and
// 256 pixels for the Start menu, the list of installed apps and Explorer's large views.
inline constexpr int kIconSizes[] = {16, 20, 24, 28, 32, 36, 40, 48, 64, 256};
// The full-colour images from this size up are stored PNG-compressed, which Windows reads at any
// size from Vista on. The sizes of the tray and the captions from 100 % to 200 % stay bitmaps,
// the form every reader of icons takes.
inline constexpr int kPngIconsFrom = 36;

// The icon in 16 colours with a hard mask, at `size` pixels square (the file holds the 32-pixel
// one, for the programs that read only that).
IconImage KestalIconImage(int size);

// The icon in full colour with smooth edges, ringed by a light halo: its dark outline shows on a
// light taskbar, the halo on a dark one.
AlphaIconImage KestalAlphaIconImage(int size);

// The icon file: the 16-colour 32 x 32 image, then the full-colour ones from small to large.
std::vector<std::uint8_t> KestalIconFile();

}  // namespace kestal::tools
