#pragma once
// A picture of the whole desktop as the user sees it, written as a 24-bit BMP file.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct Picture {
  int width = 0, height = 0;
  std::vector<BYTE> pixels;  // bottom-up rows of 24-bit pixels, each row padded to 4 bytes
  // A picture of that size, every byte of it `fill`.
  static Picture Blank(int width, int height, BYTE fill = 0);
  // Where the pixel at (x, y), counted from the top left, begins in `pixels`.
  size_t Offset(int x, int y) const;
  // The colour at (x, y); the point must lie in the picture.
  COLORREF At(int x, int y) const;
  // The part of the rectangle that lies in the picture.
  RECT Clamped(RECT r) const;
};

// The screen once it has settled (two captures in a row agree); with `window`, only the part
// of the screen that window covers.
Picture TakePicture(HWND window = nullptr);
// Writes the picture into the screenshot folder given to the driver (nothing when none was
// given); `name` becomes the file name without extension, its blanks dashes.
bool SavePicture(const std::string& name, const Picture& picture);
bool SaveScreenshot(const std::string& name, HWND window = nullptr);
// The part of the settled screen that the rectangle (screen pixels) covers.
bool SaveScreenshot(const std::string& name, const RECT& area);
void SetScreenshotFolder(const std::wstring& folder);
// The screen's density, in dots per inch.
int ScreenDpi();
const std::wstring& ScreenshotFolder();

}  // namespace e2e
