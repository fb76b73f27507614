#include "platform/win32/GdiCache.h"

#include <cmath>

#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

GdiCache::~GdiCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, brush] : brushes_) DeleteObject(brush);
  for (auto& [key, bitmap] : bitmaps_) {
    if (bitmap) DeleteObject(bitmap);
  }
  for (auto& [key, icon] : icons_) {
    if (icon) DestroyIcon(icon);
  }
}

HFONT GdiCache::Font(const FontSpec& design) {
  const std::string name = design.name.empty() ? kDefaultFontName : design.name;
  const double points = design.points > 0 ? design.points : kDefaultFontPoints;
  const auto key = std::make_tuple(name, points, design.bold, design.underline);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;

  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(points * dpi_ / 72.0));
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = design.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Wide(name);
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&font);
  if (!made)
    made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  else
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

HICON GdiCache::Icon(int id, int width, int height) {
  const auto key = std::make_tuple(id, width, height);
  if (auto it = icons_.find(key); it != icons_.end()) return it->second;
  auto* icon =
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
  icons_.emplace(key, icon);
  return icon;
}

}  // namespace kestal::win32
