#pragma once
// The fonts, brushes and pictures one window draws with, made on first use and freed with the
// window.
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "platform/FormDesign.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// The font of controls that name none, as the windows were designed with.
inline constexpr const char* kDefaultFontName = "MS Sans Serif";
inline constexpr double kDefaultFontPoints = 8.25;

class GdiCache {
 public:
  GdiCache(HINSTANCE instance, int dpi) : instance_(instance), dpi_(dpi) {}
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // A font by name, size in points, weight and underline; an empty name or a size of 0 take the
  // default font's.
  HFONT Font(const FontSpec& design);
  HBRUSH Brush(COLORREF color);
  // A bitmap resource; null when the program has none with that id.
  HBITMAP Bitmap(int id);
  // An icon resource at the given size in pixels; null when missing.
  HICON Icon(int id, int width, int height);

 private:
  HINSTANCE instance_;
  int dpi_;
  std::map<std::tuple<std::string, double, bool, bool>, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<int, HBITMAP> bitmaps_;
  std::map<std::tuple<int, int, int>, HICON> icons_;
};

}  // namespace kestal::win32
