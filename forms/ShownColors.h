#pragma once
// The colours a window shows. As designed, unless the user has turned high contrast on: then
// every part takes the system's colour for what it is, so the colours the user chose to read by
// hold in our windows too (the designed yellow and white vanish on a pale highlight, and a text
// box's black text on a black window colour).
#include "forms/FormDesign.h"

namespace kestal {

// What the platform tells of the user's colours.
struct SystemColors {
  bool highContrast = false;
  Color window, windowText;      // a window's background and text
  Color hotLight;                // links
  Color buttonFace, buttonText;  // buttons
  friend bool operator==(const SystemColors&, const SystemColors&) = default;
};

// The window's background, given the colour the window set (or the platform's default).
Color ShownWindowBack(Color designed, const SystemColors& system);
// A control's text (a line's, a frame's border), given its designed colour.
Color ShownFore(const ControlDefinition& design, Color designed, const SystemColors& system);
// A control's background where one is painted, given its designed colour.
Color ShownBack(const ControlDefinition& design, Color designed, const SystemColors& system);

}  // namespace kestal
