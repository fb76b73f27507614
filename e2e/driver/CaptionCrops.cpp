#include "CaptionCrops.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace e2e {

namespace {

// The commonest colour of the area: the background the caption is drawn on.
COLORREF Background(const Picture& picture, RECT area) {
  std::map<COLORREF, int> counts;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x) ++counts[picture.At(x, y)];
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == counts.end() ? RGB(0, 0, 0) : most->first;
}

int Distance(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
         std::abs(GetBValue(a) - GetBValue(b));
}

// Far enough from the background to be a letter's ink, its anti-aliased edge left out.
constexpr int kInk = 120;

bool InkedRow(const Picture& picture, LONG left, LONG right, LONG y, COLORREF background) {
  for (LONG x = left; x < right; ++x)
    if (Distance(picture.At(x, y), background) > kInk) return true;
  return false;
}

// The letter an accented Latin-1 letter is written with (its second UTF-8 byte after 0xC3).
char Unaccented(unsigned char second) {
  const unsigned char low = second & 0xDF;  // capitals and small letters alike
  if (low >= 0x80 && low <= 0x85) return 'a';
  if (low >= 0x88 && low <= 0x8B) return 'e';
  if (low >= 0x8C && low <= 0x8F) return 'i';
  if (low >= 0x92 && low <= 0x96) return 'o';
  if (low >= 0x99 && low <= 0x9C) return 'u';
  return 0;
}

}  // namespace

RECT CaptionArea(const Picture& picture, RECT box, bool runsBelow) {
  box = picture.Clamped(box);
  if (box.right <= box.left || box.bottom <= box.top) return box;
  RECT area = picture.Clamped({box.left - 1, box.top - 1, box.right + 1, box.bottom + 1});
  if (!runsBelow) return area;
  const COLORREF background = Background(picture, box);
  // The widest gap between the text's lines in its box, and the blank rows after its last.
  LONG lastInk = -1, widestGap = 0, gap = 0;
  for (LONG y = box.top; y < box.bottom; ++y) {
    if (!InkedRow(picture, box.left, box.right, y, background)) {
      ++gap;
      continue;
    }
    if (lastInk >= 0) widestGap = std::max(widestGap, gap);
    lastInk = y;
    gap = 0;
  }
  if (lastInk < 0 || gap > widestGap) return area;
  for (LONG y = box.bottom; y < picture.height; ++y) {
    if (InkedRow(picture, box.left, box.right, y, background)) {
      lastInk = y;
      gap = 0;
    } else if (++gap > widestGap) {
      break;
    }
  }
  area.bottom = std::min<LONG>(std::max<LONG>(area.bottom, lastInk + 2), picture.height);
  return area;
}

RECT AfterMark(const Picture& picture, RECT box) {
  box = picture.Clamped(box);
  if (box.right <= box.left || box.bottom <= box.top) return box;
  const COLORREF background = Background(picture, box);
  const auto inked = [&](LONG x) {
    for (LONG y = box.top; y < box.bottom; ++y)
      if (Distance(picture.At(x, y), background) > kInk) return true;
    return false;
  };
  LONG x = box.left;
  while (x < box.right && !inked(x)) ++x;
  while (x < box.right && inked(x)) ++x;
  box.left = x;
  return box;
}

std::string LastWords(std::string_view caption, int count) {
  std::vector<std::string> words(1);
  for (size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (!words.back().empty()) words.emplace_back();
    } else if (c < 0x80) {
      if (std::isalnum(c)) words.back() += static_cast<char>(std::tolower(c));
    } else if (c == 0xC3 && i + 1 < caption.size()) {
      if (const char letter = Unaccented(static_cast<unsigned char>(caption[++i])))
        words.back() += letter;
    }
  }
  if (words.back().empty()) words.pop_back();
  std::string last;
  const size_t from = words.size() > static_cast<size_t>(count) ? words.size() - count : 0;
  for (size_t i = from; i < words.size(); ++i) last += (last.empty() ? "" : " ") + words[i];
  return last;
}

namespace {

// The area as black ink on white, whatever its colours: each pixel as dark as it is far from the
// background, the farthest black.
Picture InkOnWhite(const Picture& picture, RECT area) {
  const COLORREF background = Background(picture, area);
  int farthest = kInk;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x)
      farthest = std::max(farthest, Distance(picture.At(x, y), background));
  Picture ink = Picture::Blank(area.right - area.left, area.bottom - area.top, 255);
  for (int y = 0; y < ink.height; ++y)
    for (int x = 0; x < ink.width; ++x) {
      const int away = Distance(picture.At(area.left + x, area.top + y), background);
      const auto grey = static_cast<BYTE>(255 - std::min(255, away * 255 / farthest));
      BYTE* pixel = &ink.pixels[ink.Offset(x, y)];
      pixel[0] = pixel[1] = pixel[2] = grey;
    }
  return ink;
}

}  // namespace

void ListCaption(const Picture& picture, RECT area, const std::string& words,
                 const std::string& what) {
  static int listed = 0;
  area = picture.Clamped(area);
  if (ScreenshotFolder().empty() || area.right <= area.left || area.bottom <= area.top) return;
  CreateDirectoryW((ScreenshotFolder() + L"\\captions").c_str(), nullptr);
  const std::string name = "captions\\" + std::to_string(++listed);
  if (!SavePicture(name, InkOnWhite(picture, area))) return;
  FILE* list = _wfopen((ScreenshotFolder() + L"\\captions.tsv").c_str(), L"ab");
  if (!list) return;
  std::string named = what;
  for (char& c : named)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  std::fprintf(list, "captions/%d.bmp\t%s\t%s\n", listed, words.c_str(), named.c_str());
  std::fclose(list);
}

}  // namespace e2e
