#pragma once
// The fonts, brushes and pictures one window draws with, made on first use for the window's
// density and freed with the window (or when its density changes).
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "forms/FormDesign.h"
#include "platform/win32/Owned.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// A 32-bit bitmap and its pixels to write, top row first; null (both) when it can't be made.
GdiObject<HBITMAP> PixelBitmap(int width, int height, uint32_t*& pixels);

class GdiCache {
 public:
  GdiCache(HINSTANCE instance, int dpi, FontDefinition windowFont)
      : instance_(instance), dpi_(dpi), windowFont_(std::move(windowFont)) {}
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // Later requests are made anew at the new density. What was made for the old one is kept
  // until FreeRetired: the window and its controls still hold it until they are handed the new.
  void SetDpi(int dpi);
  void FreeRetired();

  // The height in pixels that the design asks for at this density (its size, or the window's).
  int DesignedHeight(const FontDefinition& design) const;
  // The design's font, `pixelHeight` high (0: as designed). An empty name is the window's
  // font; the designed "MS Sans Serif" is drawn with the windows' own face.
  HFONT Font(const FontDefinition& design, int pixelHeight = 0);
  // True when the design is bold but the face's bold letters at that height are no heavier than
  // its regular ones (a face whose bold form has bold bitmaps at a few sizes only, as Wine's
  // Tahoma has): the text is then drawn overstruck a pixel to the right, as GDI emboldens a face
  // without a bold form.
  bool NeedsOverstrike(const FontDefinition& design, int pixelHeight = 0);
  HBRUSH Brush(COLORREF color);
  // A bitmap resource scaled smoothly to the given size; null when the program has none.
  HBITMAP Picture(int id, int width, int height);
  // An icon resource at the given size in pixels; null when missing.
  HICON Icon(int id, int width, int height);

 private:
  // The face a design is drawn with: an empty name is the window's font, and the designed
  // "MS Sans Serif" is drawn with the windows' own face.
  std::string FaceOf(const FontDefinition& design) const;
  HBITMAP Bitmap(int id);

  // A window draws with a handful of each: plain lists, searched in order.
  struct FontKey {
    std::string face;
    int height;
    bool bold, underline;
    bool operator==(const FontKey&) const = default;
  };
  // A picture or icon: its resource at a size.
  struct SizedKey {
    int id, width, height;
    bool operator==(const SizedKey&) const = default;
  };
  template <typename Key, typename Value>
  using List = std::vector<std::pair<Key, Value>>;

  // What is made for one density.
  struct AtDensity {
    List<FontKey, GdiObject<HFONT>> fonts;
    List<FontKey, bool> overstrike;
    List<SizedKey, GdiObject<HBITMAP>> pictures;
    List<SizedKey, UniqueIcon> icons;
  };

  HINSTANCE instance_;
  int dpi_;
  FontDefinition windowFont_;
  AtDensity made_;
  // Made for earlier densities, still held by the window's controls.
  std::vector<AtDensity> retired_;
  List<COLORREF, GdiObject<HBRUSH>> brushes_;
  List<int, GdiObject<HBITMAP>> bitmaps_;
};

}  // namespace kestal::win32
