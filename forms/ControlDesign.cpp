#include "forms/ControlDesign.h"

#include "forms/Controls.h"

namespace kestal {

Design& Design::In(const Control& frame) {
  container = frame.Id();
  return *this;
}

ControlDefinition Design::Definition(ControlKind kind) const {
  ControlDefinition definition;
  definition.kind = kind;
  definition.name = name;
  definition.index = index;
  definition.caption = caption;
  definition.rect = rect;
  definition.tabIndex = tabIndex;
  definition.container = container;
  definition.foreColor = foreColor;
  if (font) definition.font = *font;
  definition.value = value;
  definition.pictureId = pictureId;
  definition.pictureIsIcon = pictureIsIcon;
  definition.keepLines = keepLines;
  definition.readable = readable;
  definition.readName = readName;
  return definition;
}

ControlDefinition LineDesign::Definition() const {
  ControlDefinition definition;
  definition.kind = ControlKind::Line;
  definition.name = name;
  definition.index = index;
  definition.line = ends;
  definition.foreColor = color;
  definition.borderWidth = width;
  return definition;
}

}  // namespace kestal
