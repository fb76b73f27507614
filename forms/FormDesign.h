#pragma once
// What a window is made of: its controls, as the window's own file defines them, in order.
#include <optional>
#include <string>
#include <vector>

#include "forms/Geometry.h"

namespace kestal {

enum class ControlKind { Button, TextBox, OptionButton, CheckBox, Frame, Label, Picture, Line };

// How a screen reader meets a control: as its kind says (labels as text, frames as groups, the
// real controls as themselves; pictures and lines not at all), not at all (the decorative copy
// of a doubled title), as a link, or (a picture) as a button with a name of its own.
enum class Readable { AsItsKind, Not, Link, Button };

// The face the designs name for titles and links. It is drawn with the windows' own face, since
// its bitmap form neither scales nor draws bold everywhere.
inline constexpr const char* kDesignedSansSerif = "MS Sans Serif";
// The windows' own face: scalable, drawn bold, and on Windows and Wine alike. At 7.5 points it
// is as wide as the bitmap face the boxes were drawn for.
inline constexpr const char* kWindowFontFace = "Tahoma";
inline constexpr double kWindowFontPoints = 7.5;

struct FontDefinition {
  std::string name;   // empty: the window's default font
  double points = 0;  // 0: the default size
  bool bold = false;
  bool underline = false;
  friend bool operator==(const FontDefinition&, const FontDefinition&) = default;
};

// A line's two end points, in twips.
struct TwipLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  friend bool operator==(const TwipLine&, const TwipLine&) = default;
};

struct ControlDefinition {
  ControlKind kind = ControlKind::Label;
  std::string name;     // "Label1"
  int index = -1;       // element of a control array; -1 when the control is not in one
  std::string caption;  // caption, or the initial text of a text box
  TwipRect rect;        // relative to the container
  int tabIndex = -1;    // -1: the control takes no focus
  int container = -1;   // id of the frame the control lies in; -1: the window itself
  Color foreColor{0, 0, 0};
  std::optional<Color> backColor;  // none: transparent label, or the system's default
  FontDefinition font;
  bool value = false;  // option button selected / check box ticked at start
  bool enabled = true;
  int pictureId = 0;  // resource id of the picture's bitmap, or of its icon
  bool pictureIsIcon = false;
  TwipLine line;           // a Line's end points
  int borderWidth = 1;     // a Line's width in pixels
  bool keepLines = false;  // a label whose every line shows whole on its own line, never wrapped
  Readable readable = Readable::AsItsKind;
  // A picture read as a button: its name. A text box: the design name of the label that names it.
  std::string readName;
};

// The window itself: its name (for finding it), caption, size in twips and icon resource.
struct FormDefinition {
  std::string name;
  std::string caption;
  int width = 0, height = 0;
  int iconId = 0;
  bool topLevel = false;  // the hidden start-up window; every other window is owned by it
  FontDefinition font{kWindowFontFace, kWindowFontPoints};  // for controls that name no font
};

}  // namespace kestal
