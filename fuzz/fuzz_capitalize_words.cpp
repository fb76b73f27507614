// CapitalizeWords on arbitrary bytes: as many characters as it was given, valid UTF-8 stays
// valid, invalid bytes and the characters inside words stay as they were, and a second pass
// changes nothing.
#include <cstdint>
#include <string>

#include "engine/Stardate.h"
#include "fuzz/Check.h"
#include "text/CaseMapping.h"
#include "text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string result = kestal::CapitalizeWords(text);
  CHECK(kestal::CharCount(result) == kestal::CharCount(text));
  CHECK(kestal::IsValidUtf8(result) == kestal::IsValidUtf8(text));
  CHECK(kestal::CapitalizeWords(result) == result);
  bool wordStart = true;
  std::size_t i = 0, j = 0;
  while (i < text.size()) {
    const kestal::Utf8Char in = kestal::DecodeUtf8At(text, i);
    const kestal::Utf8Char out = kestal::DecodeUtf8At(result, j);
    CHECK(in.valid == out.valid);
    if (!in.valid || !wordStart) {
      CHECK(text.substr(i, in.length) == std::string_view(result).substr(j, out.length));
    } else {
      CHECK(out.code == kestal::UpperCaseChar(in.code));
    }
    wordStart = in.valid && (in.code == ' ' || in.code == '-');
    i += in.length;
    j += out.length;
  }
  CHECK(j == result.size());
  return 0;
}
