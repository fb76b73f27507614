#pragma once
// What a screen reader is told of a window: its readable parts in reading order (top to bottom,
// left to right), each with its role, name, place and state. Computed here from the window's
// design and state, the same on every platform; the platform only hands it to the reader.
#include <string>
#include <string_view>
#include <vector>

#include "forms/Form.h"

namespace kestal {

enum class ReadableRole {
  StaticText,  // a label: its whole text
  Grouping,    // a frame: its caption; the controls inside it are its children
  Link,        // a link (a window of its own): its address; its action opens it
  Button,      // a picture that acts when clicked (a window of its own): its own name; its
               // action is the click
  Control,     // another real control (button, text box, option, check box), described by the
               // platform
};

struct ReadablePart {
  int control = -1;  // its id in the window's design
  ReadableRole role = ReadableRole::StaticText;
  // The name: for a real control, only when the design gives it one (a text box's label).
  std::string name;
  TwipRect rect;  // on the window
  bool enabled = true;
  bool focused = false;
  std::vector<ReadablePart> children;
};

// The window's readable parts. Decorative copies, lines and pictures without a name are left
// out; so is a window that is not loaded (no parts).
std::vector<ReadablePart> ReadableParts(const Form& form);

// The part of that control, among the parts and their children; null when it is not readable.
const ReadablePart* FindPart(const std::vector<ReadablePart>& parts, int control);

// A caption as it is read: line breaks as blanks, no blank at either end.
std::string ReadableText(std::string_view caption);

// True for the parts that act when the reader asks (links, and pictures read as buttons).
inline bool HasDefaultAction(const ReadablePart& part) {
  return part.role == ReadableRole::Link || part.role == ReadableRole::Button;
}

// True for the parts that are windows of their own (every part a user acts on).
inline bool HasWindow(const ReadablePart& part) {
  return part.role != ReadableRole::StaticText && part.role != ReadableRole::Grouping;
}

}  // namespace kestal
