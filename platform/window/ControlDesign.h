#pragma once
// Writing a window's controls the way its design table reads:
// Design("Option1", "Data attuale", {165, 270, 1215, 270}, 7).In(Frame1).Fore(kYellow).Selected()
#include <string>
#include <string_view>

#include "platform/window/Controls.h"
#include "platform/window/FormDesign.h"

namespace kestal {

// Made and unmade out of line, so that each control a window defines costs a call, not the
// inline work on its texts.
struct Design : ControlSpec {
  Design(std::string_view controlName, std::string_view text, TwipRect place, int tab = -1);
  ~Design();
  Design(const Design&) = delete;
  Design& operator=(const Design&) = delete;
  Design& In(const Frame& frame) {
    container = frame.Id();
    return *this;
  }
  Design& Element(int arrayIndex) {
    index = arrayIndex;
    return *this;
  }
  Design& Tab(int order) {
    tabIndex = order;
    return *this;
  }
  Design& Fore(Color color) {
    foreColor = color;
    return *this;
  }
  Design& Font(const FontSpec& chosen);
  Design& Selected() {
    value = true;
    return *this;
  }
  Design& Bitmap(int resourceId) {
    pictureId = resourceId;
    return *this;
  }
  // Not read to a screen reader: the decorative copy of a doubled title.
  Design& Decorative() {
    readable = Readable::Not;
    return *this;
  }
  // Read as a link, by its text (the address).
  Design& Link() {
    readable = Readable::Link;
    return *this;
  }
  // A picture read as a button with this name (who it shows and what a click does).
  Design& ReadAs(std::string_view readAs);
  // A text box named by the label of that design name.
  Design& NamedBy(std::string_view labelName);
  // Each line of the text on a line of its own, never wrapped (About's hint).
  Design& KeepLines() {
    keepLines = true;
    return *this;
  }
  Design& Icon(int resourceId) {
    pictureId = resourceId;
    pictureIsIcon = true;
    return *this;
  }
};

// A line from one end point to the other, in its colour and width in pixels.
struct LineDesign : ControlSpec {
  LineDesign(std::string_view controlName, int arrayIndex, TwipLine ends, Color color,
             int width = 1);
  ~LineDesign();
  LineDesign(const LineDesign&) = delete;
  LineDesign& operator=(const LineDesign&) = delete;
};

// The windows' titles and links use "MS Sans Serif" at a given size.
inline FontSpec SansSerifFont(double points, bool bold, bool underline = false) {
  FontSpec font;
  font.name = kDesignedSansSerif;
  font.points = points;
  font.bold = bold;
  font.underline = underline;
  return font;
}

// A window without title bar or border, of the given size in twips, whose controls that name no
// font use the windows' own face at the given size.
inline FormSpec BorderlessWindow(std::string name, int widthTwips, int heightTwips,
                                 double fontPoints = kWindowFontPoints) {
  FormSpec window;
  window.name = std::move(name);
  window.width = widthTwips;
  window.height = heightTwips;
  window.font.points = fontPoints;
  return window;
}

}  // namespace kestal
