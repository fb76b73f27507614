#include <gtest/gtest.h>

#include "forms/FormLayout.h"

namespace kestal {
namespace {

ControlDefinition Control(ControlKind kind, TwipRect rect, int tabIndex = -1, int container = -1) {
  ControlDefinition design;
  design.kind = kind;
  design.rect = rect;
  design.tabIndex = tabIndex;
  design.container = container;
  return design;
}

// The conversion window's child windows and frames, in order of definition.
std::vector<ControlDefinition> ConversionWindow() {
  using K = ControlKind;
  return {
      Control(K::Button, {3420, 4380, 1005, 330}, 17),          // 0 Command3
      Control(K::Button, {2100, 4380, 1005, 330}, 16),          // 1 Command2
      Control(K::Frame, {255, 3390, 4785, 795}, 13),            // 2 Frame3
      Control(K::TextBox, {1620, 285, 2865, 330}, 15, 2),       // 3 VelornDate
      Control(K::Label, {270, 345, 915, 195}, 14, 2),           // 4 Label4
      Control(K::Frame, {240, 2430, 4800, 840}, 6),             // 5 Frame2
      Control(K::OptionButton, {2265, 330, 2460, 315}, 12, 5),  // 6 Option5
      Control(K::OptionButton, {165, 330, 1530, 225}, 11, 5),   // 7 Option4
      Control(K::Frame, {240, 945, 4800, 1425}, 5),             // 8 Frame1
      Control(K::TextBox, {810, 885, 3075, 315}, 0, 8),         // 9 DataSource
      Control(K::OptionButton, {3165, 270, 1500, 210}, 9, 8),   // 10 Option3
      Control(K::OptionButton, {1515, 270, 1545, 240}, 8, 8),   // 11 Option2
      Control(K::OptionButton, {165, 270, 1215, 270}, 7, 8),    // 12 Option1
      Control(K::Button, {825, 4380, 1005, 330}, 3),            // 13 Command1
      Control(K::Label, {1125, 120, 1740, 435}, 1),             // 14 green title
      Control(K::Picture, {450, 195, 480, 480}),                // 15 Image1
      Control(K::Label, {1110, 135, 1740, 435}, 4),             // 16 white title
  };
}

TEST(FormLayout, TwipsBecomePixelsRoundingHalfToEven) {
  const struct {
    int twips;
    double tpp;
    int pixels;
  } cases[] = {{5220, 15, 348}, {4860, 15, 324}, {15, 15, 1}, {7, 15, 0},      {8, 15, 1},
               {30, 12, 2},     {42, 12, 4},     {18, 12, 2}, {5220, 12, 435}, {4860, 10, 486}};
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.tpp), c.pixels) << c.twips;
}

TEST(FormLayout, ControlsSitAtTheirFramesOffset) {
  const auto controls = ConversionWindow();
  const struct {
    int id;
    double tpp;
    PixelRect expected;
  } cases[] = {
      {9, 15, {70, 122, 275, 143}},   // DataSource: Frame1 (240, 945) + (810, 885)
      {3, 15, {125, 245, 316, 267}},  // VelornDate: Frame3 (255, 3390) + (1620, 285)
      {0, 15, {228, 292, 295, 314}},  // Command3 lies on the window itself
      {12, 12, {34, 101, 135, 123}},  // Option1 at 120 dpi: 22.5 pixels high become 22
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowRectPixels(controls, c.id, c.tpp, c.tpp), c.expected) << c.id;
  }
}

TEST(FormLayout, ABrokenContainerChainEndsTheWalk) {
  auto controls = ConversionWindow();
  controls[8].container = 9;   // Frame1 inside DataSource, which is inside Frame1
  controls[5].container = 42;  // a container that isn't there
  int dx = 0, dy = 0;
  ContainerOffset(controls, 9, dx, dy);  // returns at all
  ContainerOffset(controls, 6, dx, dy);
  EXPECT_EQ(dx, 240);
  EXPECT_EQ(dy, 2430);
}

TEST(FormLayout, ChildWindowsAreMadeInTabOrder) {
  const auto controls = ConversionWindow();
  // DataSource, Command1, Option1-3, Option4-5, VelornDate, Command2, Command3; no frames,
  // labels or pictures.
  EXPECT_EQ(TabOrder(controls), (std::vector<int>{9, 13, 12, 11, 10, 7, 6, 3, 1, 0}));

  std::vector<ControlDefinition> untabbed = {
      Control(ControlKind::Button, {}, -1), Control(ControlKind::Button, {}, 2),
      Control(ControlKind::CheckBox, {}, -1), Control(ControlKind::TextBox, {}, 1)};
  EXPECT_EQ(TabOrder(untabbed), (std::vector<int>{3, 1, 0, 2}));
}

TEST(FormLayout, EachFramesOptionsFormOneGroup) {
  const auto controls = ConversionWindow();
  const std::vector<int> order = TabOrder(controls);
  const std::vector<bool> starts = GroupStarts(controls, order);
  // DataSource, Command1, [Option1 Option2 Option3], [Option4 Option5], VelornDate, ...
  EXPECT_EQ(starts,
            (std::vector<bool>{true, true, true, false, false, true, false, true, true, true}));
}

TEST(FormLayout, ArrowKeysGoRoundTheOptionsOfOneFrame) {
  const auto controls = ConversionWindow();
  const std::vector<int> order = TabOrder(controls);
  const auto all = [](int) { return true; };
  const std::vector<int> frame1 = OptionGroup(controls, order, 8, all);
  EXPECT_EQ(frame1, (std::vector<int>{12, 11, 10}));  // Option1, Option2, Option3
  EXPECT_EQ(OptionGroup(controls, order, 5, all), (std::vector<int>{7, 6}));

  const struct {
    int from;
    bool back;
    int expected;
  } cases[] = {{12, false, 11}, {11, false, 10}, {10, false, 12},  // round the end
               {12, true, 10},  {10, true, 11},  {7, false, -1}};  // Option4 isn't in Frame1
  for (const auto& c : cases) {
    EXPECT_EQ(NextOption(frame1, c.from, c.back), c.expected) << c.from << (c.back ? " back" : "");
  }

  // Disabled options are passed over; one left alone stays where it is.
  const auto notOption2 = [](int id) { return id != 11; };
  EXPECT_EQ(NextOption(OptionGroup(controls, order, 8, notOption2), 12, false), 10);
  EXPECT_EQ(NextOption(std::vector<int>{7}, 7, false), 7);
}

TEST(FormLayout, TabStopsAtTheSelectedOption) {
  const std::vector<int> group = {12, 11, 10};
  const struct {
    int selected, expected;
  } cases[] = {{12, 12}, {11, 11}, {10, 10}, {-1, 12}};  // none selected: the first
  for (const auto& c : cases) {
    EXPECT_EQ(OptionTabStop(group, [&](int id) { return id == c.selected; }), c.expected);
  }
  EXPECT_EQ(OptionTabStop({}, [](int) { return true; }), -1);
}

// A one-line label wider than its box runs right through blank room, and stops short of what
// lies beside it, of the inside of its frame, or of the window's edge; a box that something
// else lies over stays as it is.
TEST(FormLayout, ALabelRunsRightOnlyThroughBlankRoom) {
  const auto controls = ConversionWindow();
  const auto rectOf = [&](int id) { return WindowRectPixels(controls, id, 15, 15); };
  const struct {
    const char* what;
    int id, expected;
  } cases[] = {
      {"Label4 in Frame3: a margin short of the text box beside it", 4, 121},
      {"the green title, under the white one: stays", 14, rectOf(14).right},
      {"the white title, over the green one: stays", 16, rectOf(16).right},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RightOfBlankRoom(controls, c.id, rectOf, 348, 4), c.expected) << c.what;
  }
  // Alone in its row, a label runs to the window's edge less the margin; a control beside it
  // stops it a margin short of that control.
  std::vector<ControlDefinition> row{Control(ControlKind::Label, {150, 150, 1500, 195})};
  const auto rowRect = [&](int id) { return WindowRectPixels(row, id, 15, 15); };
  EXPECT_EQ(RightOfBlankRoom(row, 0, rowRect, 348, 4), 344);
  row.push_back(Control(ControlKind::Picture, {3000, 100, 300, 300}));
  EXPECT_EQ(RightOfBlankRoom(row, 0, rowRect, 348, 4), 196);
  row.back().rect.top = 400;  // below the row: no longer in the way
  EXPECT_EQ(RightOfBlankRoom(row, 0, rowRect, 348, 4), 344);
  // Inside a frame, the frame's inside edge holds it.
  const std::vector<ControlDefinition> framed{
      Control(ControlKind::Frame, {0, 0, 3000, 1000}),
      Control(ControlKind::Label, {150, 150, 1500, 195}, -1, 0)};
  EXPECT_EQ(RightOfBlankRoom(
                framed, 1, [&](int id) { return WindowRectPixels(framed, id, 15, 15); }, 348, 4),
            196);
}

}  // namespace
}  // namespace kestal
