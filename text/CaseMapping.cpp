// Upper case of single characters: ASCII, Latin-1, Latin Extended-A and Additional, Greek and
// Cyrillic, which covers every letter an Italian date or a European name can hold.
#include "text/CaseMapping.h"

namespace kestal {
namespace {

// In the blocks where capital and small letters alternate, which of the pair is the small one.
char32_t PairedUpper(char32_t c, bool smallIsOdd) {
  return ((c & 1) != 0) == smallIsOdd ? c - 1 : c;
}

}  // namespace

char32_t UpperCaseChar(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
  if (c < 0x100) {
    if (c == 0xB5) return 0x39C;  // micro sign: Greek capital mu
    if (c == 0xFF) return 0x178;  // y with diaeresis
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    return c;
  }
  if (c < 0x180) {               // Latin Extended-A
    if (c == 0x131) return 'I';  // dotless i
    if (c == 0x17F) return 'S';  // long s
    if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x178) return c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return PairedUpper(c, false);
    return PairedUpper(c, true);
  }
  if (c >= 0x3B1 && c <= 0x3CB) {  // Greek small letters
    if (c == 0x3C2) return 0x3A3;  // final sigma
    return c - 0x20;
  }
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F)) {
    return PairedUpper(c, true);
  }
  if (c >= 0x4C1 && c <= 0x4CE) return PairedUpper(c, false);
  if (c == 0x4CF) return 0x4C0;
  if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) return PairedUpper(c, true);
  return c;
}

}  // namespace kestal
