#include "platform/win32/GdiCache.h"

#include <cstring>
#include <vector>

#include "forms/ImageScale.h"
#include "forms/TextFit.h"
#include "platform/win32/Trace.h"
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
  const WindowDc screen(nullptr);
  const int rows = screen ? GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height),
                                      pixels.data(), &info, DIB_RGB_COLORS)
                          : 0;
  if (rows != height) pixels.clear();
  return pixels;
}

GdiObject<HBITMAP> BitmapOf(const std::vector<uint32_t>& pixels, int width, int height) {
  uint32_t* bits = nullptr;
  GdiObject<HBITMAP> bitmap = PixelBitmap(width, height, bits);
  if (bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
  return bitmap;
}

// The value kept for the key; null when there is none.
template <typename Key, typename Value>
const Value* Found(const std::vector<std::pair<Key, Value>>& list, const Key& key) {
  for (const auto& [kept, value] : list) {
    if (kept == key) return &value;
  }
  return nullptr;
}

}  // namespace

GdiObject<HBITMAP> PixelBitmap(int width, int height, uint32_t*& pixels) {
  const BITMAPINFO info = Bgra32(width, height);
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  pixels = bitmap ? static_cast<uint32_t*>(bits) : nullptr;
  return bitmap;
}

void GdiCache::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  // The bitmaps as loaded serve every density and stay.
  retired_.push_back(std::move(made_));
  made_ = {};
  dpi_ = dpi;
}

void GdiCache::FreeRetired() {
  retired_.clear();
}

std::string GdiCache::FaceOf(const FontDefinition& design) const {
  const std::string& face = design.name.empty() ? windowFont_.name : design.name;
  return face == kDesignedSansSerif ? std::string(kWindowFontFace) : face;
}

int GdiCache::DesignedHeight(const FontDefinition& design) const {
  return PointsToPixels(design.points > 0 ? design.points : windowFont_.points, dpi_);
}

HFONT GdiCache::Font(const FontDefinition& design, int pixelHeight) {
  const std::string face = FaceOf(design);
  const int height = pixelHeight > 0 ? pixelHeight : DesignedHeight(design);
  FontKey key{face, height, design.bold, design.underline};
  if (const auto* kept = Found(made_.fonts, key)) return kept->get();

  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = design.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring wideFace = Wide(face);
  wideFace.copy(font.lfFaceName, LF_FACESIZE - 1);  // the rest stays zero: it ends
  GdiObject<HFONT> made(CreateFontIndirectW(&font));
  if (!made) {
    TraceFailure(L"CreateFontIndirectW");
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  made_.fonts.emplace_back(std::move(key), std::move(made));
  return made_.fonts.back().second.get();
}

namespace {
// How much ink a tall plain letter takes, drawn black on white as it is shown (bitmap forms
// included, which the glyph metrics do not tell apart); -1 when it can't be drawn.
long LetterInk(HFONT font, int height) {
  const int side = 2 * height + 4;
  uint32_t* pixels = nullptr;
  const GdiObject<HBITMAP> canvas = PixelBitmap(side, side, pixels);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc || !pixels) return -1;
  const Selected selectedCanvas(dc.get(), canvas.get());
  const Selected selectedFont(dc.get(), font);
  RECT all{0, 0, side, side};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(0, 0, 0));
  TextOutW(dc.get(), 2, 2, L"l", 1);
  GdiFlush();
  long ink = 0;
  for (int i = 0; i < side * side; ++i) ink += 255 - static_cast<long>(pixels[i] & 0xFF);
  return ink;
}
}  // namespace

bool GdiCache::NeedsOverstrike(const FontDefinition& design, int pixelHeight) {
  if (!design.bold) return false;
  const std::string face = FaceOf(design);
  const int height = pixelHeight > 0 ? pixelHeight : DesignedHeight(design);
  const FontKey key{face, height, true, design.underline};
  if (const bool* kept = Found(made_.overstrike, key)) return *kept;
  FontDefinition regular = design;
  regular.bold = false;
  // A real bold form takes clearly more ink than the regular one.
  const long bold = LetterInk(Font(design, height), height);
  const long plain = LetterInk(Font(regular, height), height);
  const bool overstrike = bold > 0 && plain > 0 && bold * 10 < plain * 11;
  made_.overstrike.emplace_back(key, overstrike);
  return overstrike;
}

HBRUSH GdiCache::Brush(COLORREF color) {
  if (const auto* kept = Found(brushes_, color)) return kept->get();
  brushes_.emplace_back(color, GdiObject<HBRUSH>(CreateSolidBrush(color)));
  return brushes_.back().second.get();
}

HBITMAP GdiCache::Bitmap(int id) {
  if (const auto* kept = Found(bitmaps_, id)) return kept->get();
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) TraceFailure(L"LoadImageW (a picture)");
  bitmaps_.emplace_back(id, std::move(bitmap));
  return bitmaps_.back().second.get();
}

HBITMAP GdiCache::Picture(int id, int width, int height) {
  HBITMAP original = Bitmap(id);
  if (!original) return nullptr;
  BITMAP info{};
  GetObjectW(original, sizeof(info), &info);
  if (info.bmWidth == width && info.bmHeight == height) return original;
  const SizedKey key{id, width, height};
  const GdiObject<HBITMAP>* picture = Found(made_.pictures, key);
  if (!picture) {
    const std::vector<uint32_t> scaled = ScaleImage(PixelsOf(original, info.bmWidth, info.bmHeight),
                                                    info.bmWidth, info.bmHeight, width, height);
    made_.pictures.emplace_back(
        key, scaled.empty() ? GdiObject<HBITMAP>() : BitmapOf(scaled, width, height));
    picture = &made_.pictures.back().second;
  }
  return picture->get();
}

HICON GdiCache::Icon(int id, int width, int height) {
  const SizedKey key{id, width, height};
  if (const auto* kept = Found(made_.icons, key)) return kept->get();
  made_.icons.emplace_back(
      key, UniqueIcon(static_cast<HICON>(
               LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0))));
  return made_.icons.back().second.get();
}

}  // namespace kestal::win32
