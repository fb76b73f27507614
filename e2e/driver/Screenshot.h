#pragma once
// A picture of the whole desktop as the user sees it, written as a 24-bit BMP file.
#include <string>

namespace e2e {

// Writes the picture into the screenshot folder given to the driver (nothing when none was
// given); `name` becomes the file name without extension.
bool SaveScreenshot(const std::string& name);
void SetScreenshotFolder(const std::wstring& folder);

}  // namespace e2e
