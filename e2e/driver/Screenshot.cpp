#include "Screenshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Poll.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {

namespace {

std::wstring& Folder() {
  static std::wstring folder;
  return folder;
}

// The picture's header, for GetDIBits and for a BMP file alike.
BITMAPINFOHEADER Header(const Picture& picture) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = picture.width;
  info.biHeight = picture.height;  // bottom-up rows, as GetDIBits gives them
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  return info;
}

bool WriteBmp(const std::wstring& path, const Picture& picture) {
  const BITMAPINFOHEADER info = Header(picture);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(picture.pixels.size());
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  const size_t bytes = picture.pixels.size();
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
            std::fwrite(&info, sizeof(info), 1, out) == 1 &&
            std::fwrite(picture.pixels.data(), 1, bytes, out) == bytes;
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

Picture Picture::Blank(int width, int height, BYTE fill) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  picture.pixels.assign(stride * static_cast<size_t>(height), fill);
  return picture;
}

size_t Picture::Offset(int x, int y) const {
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  return static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
}

COLORREF Picture::At(int x, int y) const {
  const BYTE* pixel = &pixels[Offset(x, y)];
  return RGB(pixel[2], pixel[1], pixel[0]);
}

RECT Picture::Clamped(RECT r) const {
  return {std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, width),
          std::min<LONG>(r.bottom, height)};
}

namespace {

Picture CaptureScreen() {
  Picture picture = Picture::Blank(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);

  BITMAPINFO info{};
  info.bmiHeader = Header(picture);
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
  area = whole.Clamped(area);
  if (area.right <= area.left || area.bottom <= area.top || whole.pixels.empty()) return {};
  Picture part = Picture::Blank(area.right - area.left, area.bottom - area.top);
  for (int row = 0; row < part.height; ++row) {
    std::copy_n(
        whole.pixels.begin() + static_cast<std::ptrdiff_t>(whole.Offset(area.left, area.top + row)),
        static_cast<size_t>(part.width) * 3,
        part.pixels.begin() + static_cast<std::ptrdiff_t>(part.Offset(0, row)));
  }
  return part;
}

// The window or one of its controls still has a part to repaint (the program has not yet had
// the time: a loaded machine).
bool PaintPending(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  for (HWND child : ChildWindows(window))
    if (GetUpdateRect(child, nullptr, FALSE)) return true;
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
  return WriteBmp(Folder() + L"\\" + fileName + L".bmp", picture);
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
