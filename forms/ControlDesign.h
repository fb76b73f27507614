#pragma once
// Writing a window's controls the way its design table reads:
// Design("Option1", "Data attuale", {165, 270, 1215, 270}, 7).In(Frame1).Fore(kYellow).Selected()
// A Design only points at its texts; the control makes its own copy, out of line, so each
// control a window defines costs a call rather than inline work on strings.
#include <string>
#include <string_view>

#include "forms/FormDesign.h"

namespace kestal {

class Control;

struct Design {
  constexpr Design(std::string_view controlName, std::string_view text, TwipRect place,
                   int tab = -1)
      : name(controlName), caption(text), rect(place), tabIndex(tab) {}

  // Inside a frame (its place is then relative to the frame).
  Design& In(const Control& frame);
  constexpr Design& Element(int arrayIndex) {
    index = arrayIndex;
    return *this;
  }
  constexpr Design& Tab(int order) {
    tabIndex = order;
    return *this;
  }
  constexpr Design& Fore(Color color) {
    foreColor = color;
    return *this;
  }
  // The font lives at least as long as the statement that makes the control.
  constexpr Design& Font(const FontDefinition& chosen) {
    font = &chosen;
    return *this;
  }
  constexpr Design& Selected() {
    value = true;
    return *this;
  }
  constexpr Design& Bitmap(int resourceId) {
    pictureId = resourceId;
    return *this;
  }
  constexpr Design& Icon(int resourceId) {
    pictureId = resourceId;
    pictureIsIcon = true;
    return *this;
  }
  // Not read to a screen reader: the decorative copy of a doubled title.
  constexpr Design& Decorative() {
    readable = Readable::Not;
    return *this;
  }
  // Read as a link, by its text (the address).
  constexpr Design& Link() {
    readable = Readable::Link;
    return *this;
  }
  // A picture read as a button with this name (who it shows and what a click does).
  constexpr Design& ReadAs(std::string_view readAs) {
    readable = Readable::Button;
    readName = readAs;
    return *this;
  }
  // A text box named by the label of that design name.
  constexpr Design& NamedBy(std::string_view labelName) {
    readName = labelName;
    return *this;
  }
  // Each line of the text on a line of its own, never wrapped (About's hint).
  constexpr Design& KeepLines() {
    keepLines = true;
    return *this;
  }

  // The control's entry in the window's design.
  ControlDefinition Definition(ControlKind kind) const;

  std::string_view name, caption;
  TwipRect rect;
  int tabIndex = -1;
  int index = -1;
  int container = -1;
  Color foreColor{0, 0, 0};
  const FontDefinition* font = nullptr;
  bool value = false;
  int pictureId = 0;
  bool pictureIsIcon = false;
  bool keepLines = false;
  Readable readable = Readable::AsItsKind;
  std::string_view readName;
};

// A line from one end point to the other, in its colour and width in pixels.
struct LineDesign {
  constexpr LineDesign(std::string_view controlName, int arrayIndex, TwipLine lineEnds,
                       Color lineColor, int lineWidth = 1)
      : name(controlName), index(arrayIndex), ends(lineEnds), color(lineColor), width(lineWidth) {}
  ControlDefinition Definition() const;

  std::string_view name;
  int index;
  TwipLine ends;
  Color color;
  int width;
};

// The windows' titles and links use "MS Sans Serif" at a given size.
inline FontDefinition SansSerifFont(double points, bool bold, bool underline = false) {
  FontDefinition font;
  font.name = kDesignedSansSerif;
  font.points = points;
  font.bold = bold;
  font.underline = underline;
  return font;
}

// A window without title bar or border, of the given size in twips, whose controls that name no
// font use the windows' own face at the given size.
inline FormDefinition BorderlessWindow(std::string name, int widthTwips, int heightTwips,
                                       double fontPoints = kWindowFontPoints) {
  FormDefinition window;
  window.name = std::move(name);
  window.width = widthTwips;
  window.height = heightTwips;
  window.font.points = fontPoints;
  return window;
}

}  // namespace kestal
