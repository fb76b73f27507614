#include "platform/window/ControlDesign.h"

namespace kestal {

Design::Design(std::string_view controlName, std::string_view text, TwipRect place, int tab) {
  name = controlName;
  caption = text;
  rect = place;
  tabIndex = tab;
}

Design::~Design() = default;

Design& Design::Font(const FontSpec& chosen) {
  font = chosen;
  return *this;
}

Design& Design::ReadAs(std::string_view readAs) {
  readable = Readable::Button;
  readName = readAs;
  return *this;
}

Design& Design::NamedBy(std::string_view labelName) {
  readName = labelName;
  return *this;
}

LineDesign::LineDesign(std::string_view controlName, int arrayIndex, TwipLine ends, Color color,
                       int width) {
  name = controlName;
  index = arrayIndex;
  line = ends;
  foreColor = color;
  borderWidth = width;
}

LineDesign::~LineDesign() = default;

}  // namespace kestal
