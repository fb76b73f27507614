#include "platform/win32/GdiCache.h"

#include <cstring>
#include <vector>

#include "platform/win32/ImageScale.h"
#include "platform/win32/TextFit.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

// A top-down 32-bit device-independent header.
BITMAPINFO Bgra32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The bitmap's pixels, top row first; empty when they can't be read.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  BITMAPINFO info = Bgra32(width, height);
  HDC screen = GetDC(nullptr);
  const int rows = screen ? GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                      &info, DIB_RGB_COLORS)
                          : 0;
  if (screen) ReleaseDC(nullptr, screen);
  if (rows != height) pixels.clear();
  return pixels;
}

HBITMAP BitmapOf(const std::vector<uint32_t>& pixels, int width, int height) {
  BITMAPINFO info = Bgra32(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
  return bitmap;
}

}  // namespace

GdiCache::~GdiCache() {
  FreeSized();
  for (auto& [key, brush] : brushes_) DeleteObject(brush);
  for (auto& [key, bitmap] : bitmaps_) {
    if (bitmap) DeleteObject(bitmap);
  }
}

void GdiCache::FreeSized() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, picture] : pictures_) {
    if (picture) DeleteObject(picture);
  }
  for (auto& [key, icon] : icons_) {
    if (icon) DestroyIcon(icon);
  }
  fonts_.clear();
  pictures_.clear();
  icons_.clear();
}

void GdiCache::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  FreeSized();
  dpi_ = dpi;
}

int GdiCache::DesignedHeight(const FontSpec& design) const {
  return PointsToPixels(design.points > 0 ? design.points : windowFont_.points, dpi_);
}

HFONT GdiCache::Font(const FontSpec& design, int pixelHeight) {
  std::string face = design.name.empty() ? windowFont_.name : design.name;
  if (face == kDesignedSansSerif) face = kWindowFontFace;
  const int height = pixelHeight > 0 ? pixelHeight : DesignedHeight(design);
  const auto key = std::make_tuple(face, height, design.bold, design.underline);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;

  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = design.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring wideFace = Wide(face);
  lstrcpynW(font.lfFaceName, wideFace.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&font);
  if (!made) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, made);
  return made;
}

HBRUSH GdiCache::Brush(COLORREF color) {
  if (auto it = brushes_.find(color); it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(color);
  brushes_.emplace(color, brush);
  return brush;
}

HBITMAP GdiCache::Bitmap(int id) {
  if (auto it = bitmaps_.find(id); it != bitmaps_.end()) return it->second;
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  bitmaps_.emplace(id, bitmap);
  return bitmap;
}

HBITMAP GdiCache::Picture(int id, int width, int height) {
  HBITMAP original = Bitmap(id);
  if (!original) return nullptr;
  BITMAP info{};
  GetObjectW(original, sizeof(info), &info);
  if (info.bmWidth == width && info.bmHeight == height) return original;
  const auto key = std::make_tuple(id, width, height);
  if (auto it = pictures_.find(key); it != pictures_.end()) return it->second;
  const std::vector<uint32_t> scaled = ScaleImage(PixelsOf(original, info.bmWidth, info.bmHeight),
                                                  info.bmWidth, info.bmHeight, width, height);
  HBITMAP picture = scaled.empty() ? nullptr : BitmapOf(scaled, width, height);
  pictures_.emplace(key, picture);
  return picture ? picture : original;
}

HICON GdiCache::Icon(int id, int width, int height) {
  const auto key = std::make_tuple(id, width, height);
  if (auto it = icons_.find(key); it != icons_.end()) return it->second;
  auto* icon =
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
  icons_.emplace(key, icon);
  return icon;
}

}  // namespace kestal::win32
