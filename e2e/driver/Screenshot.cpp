#include "Screenshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Poll.h"
#include "Text.h"

namespace e2e {

namespace {

std::wstring& Folder() {
  static std::wstring folder;
  return folder;
}

bool WriteBmp(const std::wstring& path, int width, int height, const std::vector<BYTE>& pixels) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;  // bottom-up rows, as GetDIBits gives them
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
            std::fwrite(&info, sizeof(info), 1, out) == 1 &&
            std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
  ok = std::fclose(out) == 0 && ok;
  return ok;
}

}  // namespace

void SetScreenshotFolder(const std::wstring& folder) {
  Folder() = folder;
}

const std::wstring& ScreenshotFolder() {
  return Folder();
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

COLORREF Picture::At(int x, int y) const {
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const BYTE* pixel =
      &pixels[static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3];
  return RGB(pixel[2], pixel[1], pixel[0]);
}

namespace {

Picture CaptureScreen() {
  Picture picture;
  picture.width = GetSystemMetrics(SM_CXSCREEN);
  picture.height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
  picture.pixels.resize(stride * static_cast<size_t>(picture.height));
  const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height),
                             picture.pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != picture.height) picture.pixels.clear();
  return picture;
}

// The part of the picture that the rectangle (screen pixels) covers.
Picture Cropped(const Picture& whole, RECT area) {
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, whole.width);
  area.bottom = std::min<LONG>(area.bottom, whole.height);
  Picture part;
  if (area.right <= area.left || area.bottom <= area.top || whole.pixels.empty()) return part;
  part.width = area.right - area.left;
  part.height = area.bottom - area.top;
  const size_t wholeStride = (static_cast<size_t>(whole.width) * 3 + 3) & ~size_t{3};
  const size_t stride = (static_cast<size_t>(part.width) * 3 + 3) & ~size_t{3};
  part.pixels.resize(stride * static_cast<size_t>(part.height));
  for (int row = 0; row < part.height; ++row) {
    // Rows are stored bottom-up in both.
    const size_t from = static_cast<size_t>(whole.height - area.top - 1 - row) * wholeStride +
                        static_cast<size_t>(area.left) * 3;
    const size_t to = static_cast<size_t>(part.height - 1 - row) * stride;
    std::copy_n(whole.pixels.begin() + static_cast<std::ptrdiff_t>(from),
                static_cast<size_t>(part.width) * 3,
                part.pixels.begin() + static_cast<std::ptrdiff_t>(to));
  }
  return part;
}

// The window or one of its controls still has a part to repaint (the program has not yet had
// the time: a loaded machine).
bool PaintPending(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (PaintPending(child)) return true;
  }
  return false;
}

}  // namespace

Picture TakePicture(HWND window) {
  if (window) WaitUntil([&] { return !PaintPending(window); }, 3000);
  // What was just uncovered may still be repainting: take the picture once two in a row agree.
  Picture picture = CaptureScreen();
  WaitUntil(
      [&] {
        Picture next = CaptureScreen();
        const bool settled = next.pixels == picture.pixels;
        picture = std::move(next);
        return settled;
      },
      3000);
  if (window) {
    RECT area{};
    GetWindowRect(window, &area);
    picture = Cropped(picture, area);
  }
  return picture;
}

bool SavePicture(const std::string& name, const Picture& picture) {
  if (Folder().empty() || picture.pixels.empty()) return false;
  // File names without blanks, for the tools that pick the pictures up.
  std::wstring fileName = ToWide(name);
  for (wchar_t& c : fileName)
    if (c == L' ') c = L'-';
  return WriteBmp(Folder() + L"\\" + fileName + L".bmp", picture.width, picture.height,
                  picture.pixels);
}

bool SaveScreenshot(const std::string& name, HWND window) {
  if (Folder().empty()) return false;
  return SavePicture(name, TakePicture(window));
}

bool SaveScreenshot(const std::string& name, const RECT& area) {
  if (Folder().empty()) return false;
  return SavePicture(name, Cropped(TakePicture(), area));
}

}  // namespace e2e
