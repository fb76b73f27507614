#include "platform/window/ControlDesign.h"

#include "platform/window/Controls.h"

namespace kestal {

Design& Design::In(const Control& frame) {
  container = frame.Id();
  return *this;
}

ControlSpec Design::Spec(ControlKind kind) const {
  ControlSpec spec;
  spec.kind = kind;
  spec.name = name;
  spec.index = index;
  spec.caption = caption;
  spec.rect = rect;
  spec.tabIndex = tabIndex;
  spec.container = container;
  spec.foreColor = foreColor;
  if (font) spec.font = *font;
  spec.value = value;
  spec.pictureId = pictureId;
  spec.pictureIsIcon = pictureIsIcon;
  spec.keepLines = keepLines;
  spec.readable = readable;
  spec.readName = readName;
  return spec;
}

ControlSpec LineDesign::Spec() const {
  ControlSpec spec;
  spec.kind = ControlKind::Line;
  spec.name = name;
  spec.index = index;
  spec.line = ends;
  spec.foreColor = color;
  spec.borderWidth = width;
  return spec;
}

}  // namespace kestal
