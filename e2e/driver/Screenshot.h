#pragma once
// A picture of the whole desktop as the user sees it, written as a 24-bit BMP file.
#include <windows.h>

#include <string>

namespace e2e {

// Writes the picture into the screenshot folder given to the driver (nothing when none was
// given); `name` becomes the file name without extension. With `window`, only the part of the
// screen that window covers.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);
void SetScreenshotFolder(const std::wstring& folder);

}  // namespace e2e
