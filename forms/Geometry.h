#pragma once
// Shared geometry and colour types of the window layer.
#include <cstdint>

namespace kestal {

// A rectangle in screen pixels, as the platform's RECT holds it.
struct PixelRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A point in screen pixels.
struct PixelPoint {
  int32_t x = 0, y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Left, top, width and height of a control or window, in twips.
struct TwipRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The screen's size in twips and the twips a pixel holds, as one window measures them: each
// window counts its twips at its own monitor's density.
struct ScreenMetrics {
  int widthTwips = 0, heightTwips = 0;
  double twipsPerPixelX = 15, twipsPerPixelY = 15;
};

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kGreen{0, 255, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kLightGrey{192, 192, 192};

// Nearest whole number, an exact half going to the even neighbour (985.5 -> 986, 984.5 -> 984).
long RoundHalfEven(double value);

inline int TwipsToPixels(int twips, double twipsPerPixel) {
  return static_cast<int>(RoundHalfEven(twips / twipsPerPixel));
}

}  // namespace kestal
