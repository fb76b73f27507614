#pragma once
// A window's controls checked against a table of their design, in order of definition.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "forms/Form.h"
#include "resources/ResourceIds.h"

namespace kestal::testing {

struct DesignedControl {
  ControlKind kind;
  const char* name;
  int index;
  TwipRect rect;  // lines: zero
  Color fore;     // not looked at for buttons and pictures
  FontDefinition font;
  int pictureId = 0;
  TwipLine line = {};  // other controls: zero
  int borderWidth = 1;
};

// A window without a caption of its designed size; among its controls a line by its ends and
// width, any other control by its rectangle; labels are transparent.
inline void ExpectDesigned(const Form& window, int width, int height,
                           std::span<const DesignedControl> expected) {
  EXPECT_EQ(window.Definition().caption, "");
  EXPECT_EQ(window.DesignWidth(), width);
  EXPECT_EQ(window.DesignHeight(), height);
  const auto& controls = window.Controls();
  ASSERT_EQ(controls.size(), expected.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDefinition& c = controls[i];
    const DesignedControl& e = expected[i];
    SCOPED_TRACE(std::string(e.name) + " " + std::to_string(e.index));
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.name, e.name);
    EXPECT_EQ(c.index, e.index);
    if (e.kind == ControlKind::Line) {
      EXPECT_EQ(c.line, e.line);
      EXPECT_EQ(c.borderWidth, e.borderWidth);
    } else {
      EXPECT_EQ(c.rect, e.rect);
    }
    if (e.kind != ControlKind::Button && e.kind != ControlKind::Picture) {
      EXPECT_EQ(c.foreColor, e.fore);
    }
    EXPECT_EQ(c.font, e.font);
    EXPECT_EQ(c.pictureId, e.pictureId);
    EXPECT_EQ(c.pictureIsIcon, e.pictureId == IDI_KESTAL);
    if (e.kind == ControlKind::Label) {
      EXPECT_FALSE(c.backColor.has_value());
    }
  }
}

}  // namespace kestal::testing
