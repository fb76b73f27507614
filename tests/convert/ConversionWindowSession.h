#pragma once
// A conversion window opened from a running program on the headless platform, and the user in
// front of it. The clock reads 15 June 2002.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/app/ProgramSession.h"

namespace kestal::testing {

class ConversionWindowSession : public ::testing::Test, protected ProgramSession {
 protected:
  ConversionWindowSession() { user.emplace(Open(program.conversionWindow)); }

  // Chooses the source kind (and the target, when given), pastes the input over the box and
  // presses Enter in it.
  void ConvertWithEnter(std::string_view sourceOption, std::string_view input,
                        std::string_view targetOption = {}) {
    PasteInput(sourceOption, input, targetOption);
    user->PressKey("DataSource", 13);
  }

  // The same, with a click on "Converti" instead of Enter.
  void ConvertWithButton(std::string_view sourceOption, std::string_view input,
                         std::string_view targetOption = {}) {
    PasteInput(sourceOption, input, targetOption);
    user->Click("Command1");
  }

  void PasteInput(std::string_view sourceOption, std::string_view input,
                  std::string_view targetOption) {
    // The target buttons take clicks only while a calendar date is the source.
    if (!targetOption.empty()) {
      user->Click("Option1");
      user->Click(targetOption);
    }
    user->Click(sourceOption);
    user->Focus("DataSource");
    user->ReplaceText("DataSource", input);
  }

  std::vector<headless::MessageBoxRecord> Boxes() const {
    return hp.log.Records<headless::MessageBoxRecord>();
  }

  // The input has the focus and its whole text is selected.
  void ExpectWholeInputSelected(std::string_view input) const {
    EXPECT_TRUE(user->HasFocus("DataSource"));
    EXPECT_EQ(user->SelStart("DataSource"), 0);
    EXPECT_EQ(user->SelLength("DataSource"), CharactersIn(input));
  }

  // Characters of well-formed UTF-8 text: every byte that doesn't continue a character.
  static int CharactersIn(std::string_view text) {
    int count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
  }

  std::optional<headless::User> user;
};

}  // namespace kestal::testing
