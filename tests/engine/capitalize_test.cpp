#include <gtest/gtest.h>

#include "engine/Stardate.h"
#include "text/Utf8.h"

namespace kestal {
namespace {

TEST(CapitalizeWords, FirstCharacterAndEveryOneAfterABlankOrHyphen) {
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"", ""},
      {"mercoledì 26 luglio 1967", "Mercoledì 26 Luglio 1967"},
      {"dodici-tre", "Dodici-Tre"},
      {"ìèé", "Ìèé"},
      {"ì ì-ì", "Ì Ì-Ì"},
      {" a  b--c", " A  B--C"},
      {"a\tb_c.d/e", "A\tb_c.d/e"},  // only blank and hyphen start a word
      {"ÿ ß µ", "Ÿ ß Μ"},
      {"ıa ſb", "Ia Sb"},  // upper case one byte shorter: characters still match
      {"жук ёж", "Жук Ёж"},
      {"άλφα ωμέγα", "Άλφα Ωμέγα"},
      {"Già Fatto", "Già Fatto"},
      {"😀 x", "😀 X"},
      // invalid bytes are copied unchanged and start no word
      {"\xFF"
       "abc d",
       "\xFF"
       "abc D"},
      {"a\xC3 b", "A\xC3 B"},
      {"\xE9t\xE9 \xE9t\xE9", "\xE9t\xE9 \xE9t\xE9"},
      {"\xC0\x80 \xED\xA0\x80 z", "\xC0\x80 \xED\xA0\x80 Z"},
      {"-\xC3", "-\xC3"},
  };
  for (const auto& c : cases) {
    const std::string result = CapitalizeWords(c.text);
    EXPECT_EQ(result, c.result) << c.text;
    EXPECT_EQ(CharCount(result), CharCount(c.text)) << c.text;
    EXPECT_EQ(IsValidUtf8(result), IsValidUtf8(c.text)) << c.text;
  }
}

}  // namespace
}  // namespace kestal
