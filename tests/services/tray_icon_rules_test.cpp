// What the Win32 tray icon gives the shell: the tooltip's units, and the calls that put the icon
// there, whatever the shell answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/TrayIconRules.h"

namespace kestal {
namespace {

TEST(TrayIconRules, TheTooltipEndsAtItsNulAndWithinItsField) {
  const std::string sixtyThree(63, 'x');
  const struct {
    std::string text;
    std::u16string units;
  } cases[] = {
      {"", u""},
      {std::string("ab\0cd", 5), u"ab"},
      {sixtyThree, std::u16string(63, u'x')},
      {sixtyThree + "yz", std::u16string(63, u'x')},
      {"Mercoled\xC3\xAC \xE2\x82\xAC", u"Mercoled\u00EC \u20AC"},
      {"\xF0\x9F\x9A\x80!", u"\U0001F680!"},
      {std::string(62, 'x') + "\xF0\x9F\x9A\x80", std::u16string(62, u'x')},  // never half
      {"a\xFF", u"a\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(TooltipUnits(c.text), c.units) << c.text;
}

// Each attempt is one row: what the shell answers to each call it gets, in order ("A" add, "M"
// modify, "V" the current form; lower case refused), and whether the icon then shows.
TEST(TrayIconRules, EveryCallThatPutsTheIconThereIsFollowedByItsCurrentForm) {
  const struct {
    const char* what;
    std::vector<std::string> attempts;  // the calls of each attempt, as the shell answered them
    std::vector<bool> shown;
  } cases[] = {
      {"the shell takes the add", {"AV"}, {true}},
      {"the add times out, the shell added it all the same: the retry changes it",
       {"a", "MV"},
       {false, true}},
      {"no taskbar for a while: one call a try, add and change in turn",
       {"a", "m", "a", "MV"},
       {false, false, false, true}},
      {"shown again after the taskbar came back", {"AV", "AV"}, {true, true}},
      {"the current form refused: the icon shows all the same", {"Av"}, {true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    IconCalls calls;
    for (std::size_t i = 0; i < c.attempts.size(); ++i) {
      const std::string& answers = c.attempts[i];
      std::string made;
      const bool shown = calls.Show([&](IconCall call) {
        const char letter = "AMV"[static_cast<int>(call)];
        const std::size_t at = made.size();
        if (at >= answers.size() || (answers[at] & ~0x20) != letter) {
          ADD_FAILURE() << "call " << letter << " not expected in attempt " << i;
          return false;
        }
        made += answers[at];
        return answers[at] == letter;  // upper case: taken
      });
      EXPECT_EQ(made, answers) << "attempt " << i;
      EXPECT_EQ(shown, c.shown[i]) << "attempt " << i;
    }
  }
}

}  // namespace
}  // namespace kestal
