// The colours each window shows: exactly as designed while high contrast is off, and the
// system's colours for every part while it is on (links in the link colour, buttons in the
// button colours, everything else in the window's colours).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/ProgramSession.h"

namespace kestal::testing {
namespace {

// Colours that no design uses, so that each shown colour says where it came from.
constexpr SystemColors kHighContrast{.highContrast = true,
                                     .window = {1, 2, 3},
                                     .windowText = {4, 5, 6},
                                     .hotLight = {7, 8, 9},
                                     .buttonFace = {10, 11, 12},
                                     .buttonText = {13, 14, 15}};

bool PaintsItsBack(ControlKind kind) {
  return kind == ControlKind::Button || kind == ControlKind::TextBox ||
         kind == ControlKind::OptionButton || kind == ControlKind::CheckBox ||
         kind == ControlKind::Frame;
}

TEST(HighContrast, EveryPartTakesTheSystemsColoursAndOnlyThen) {
  const struct {
    const char* name;
    FormSlot Program::*slot;
    std::vector<std::string> links, buttons;
  } windows[] = {
      {"About", &Program::about, {"Label4", "Label5"}, {"Command1"}},
      {"DataAstrale", &Program::conversionWindow, {}, {"Command1", "Command2", "Command3"}},
      {"News", &Program::conventionsWindow, {}, {"Command1"}},
  };
  for (const auto& w : windows) {
    for (const bool highContrast : {false, true}) {
      SCOPED_TRACE(std::string(w.name) + (highContrast ? " in high contrast" : ""));
      ProgramSession s;
      if (highContrast) s.hp.windows.systemColors = kHighContrast;
      const headless::User user = s.Open(s.program.*w.slot);
      const Form& form = *(s.program.*w.slot).Current();

      EXPECT_EQ(user.ShownFormBackColor(),
                highContrast ? kHighContrast.window : s.hp.windows.highlight);
      for (const ControlDefinition& design : form.Controls()) {
        if (design.kind == ControlKind::Picture) continue;
        SCOPED_TRACE(design.name + (design.index >= 0 ? std::to_string(design.index) : ""));
        const auto in = [&](const std::vector<std::string>& names) {
          return std::find(names.begin(), names.end(), design.name) != names.end();
        };
        const bool button = in(w.buttons);
        EXPECT_EQ(button, design.kind == ControlKind::Button);
        if (!highContrast) {
          // Not a colour changes while high contrast is off.
          EXPECT_EQ(user.ShownForeColor(design.name, design.index), design.foreColor);
          EXPECT_EQ(user.ShownBackColor(design.name, design.index),
                    user.BackColor(design.name, design.index));
          continue;
        }
        const Color fore = in(w.links) ? kHighContrast.hotLight
                           : button    ? kHighContrast.buttonText
                                       : kHighContrast.windowText;
        EXPECT_EQ(user.ShownForeColor(design.name, design.index), fore);
        if (PaintsItsBack(design.kind)) {
          EXPECT_EQ(user.ShownBackColor(design.name, design.index),
                    button ? kHighContrast.buttonFace : kHighContrast.window);
        }
      }
    }
  }
}

}  // namespace
}  // namespace kestal::testing
