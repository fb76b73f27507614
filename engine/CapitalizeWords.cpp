#include "engine/Stardate.h"
#include "text/CaseMapping.h"
#include "text/Utf8.h"

namespace kestal {

void CapitalizeWordsInPlace(std::string& text) {
  // Blank and hyphen are ASCII, and no byte of a longer UTF-8 sequence is ASCII, so a word
  // starts exactly after a " " or "-" byte. Invalid bytes are left as they are.
  char* data = text.data();
  std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0 && data[i - 1] != ' ' && data[i - 1] != '-') continue;
    const char c = data[i];
    if (c >= 'a' && c <= 'z') {
      data[i] = static_cast<char>(c - ('a' - 'A'));
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      const Utf8Char letter = DecodeUtf8At(text, i);
      if (!letter.valid) continue;
      const char32_t upper = UpperCaseChar(letter.code);
      if (upper == letter.code) continue;
      std::string encoded;  // at most four bytes: no allocation
      AppendUtf8(encoded, upper);
      text.replace(i, letter.length, encoded);
      data = text.data();
      size = text.size();
      i += encoded.size() - 1;
    }
  }
}

std::string CapitalizeWords(std::string_view text) {
  std::string result(text);
  CapitalizeWordsInPlace(result);
  return result;
}

}  // namespace kestal
