#include "Screenshot.h"

#include <windows.h>

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

namespace {

struct Picture {
  int width = 0, height = 0;
  std::vector<BYTE> pixels;  // bottom-up rows of 24-bit pixels, each row padded to 4 bytes
};

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

}  // namespace

bool SaveScreenshot(const std::string& name) {
  if (Folder().empty()) return false;
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
  if (picture.pixels.empty()) return false;
  // File names without blanks, for the tools that pick the pictures up.
  std::wstring fileName = ToWide(name);
  for (wchar_t& c : fileName)
    if (c == L' ') c = L'-';
  return WriteBmp(Folder() + L"\\" + fileName + L".bmp", picture.width, picture.height,
                  picture.pixels);
}

}  // namespace e2e
