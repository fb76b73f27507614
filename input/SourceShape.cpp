#include "input/SourceShape.h"

#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

namespace kestal {

namespace {

constexpr std::string_view kNotADate = "Il valore immesso non è una data valida!";
constexpr std::string_view kNotClassic = "Il valore immesso non è una data Velorn valida!";
constexpr std::string_view kClassicDayDigits =
    "Il valore immesso non è una data Velorn valida! (Le cifre dopo il punto devono essere due)";
constexpr std::string_view kClassicMonth =
    "Il valore immesso non è una data Velorn valida! (Mese errato)";
constexpr std::string_view kClassicDay =
    "Il valore immesso non è una data Velorn valida! (Giorno errato)";
constexpr std::string_view kNotNextGeneration =
    "Il valore immesso non è una data Velorn Next Generation valida!";
constexpr std::string_view kNextGenerationDigit =
    "Il valore immesso non è una data Velorn valida! (La cifra dopo il punto deve essere unica)";
constexpr std::string_view kNextGenerationSlash =
    "Il valore immesso non è una data Velorn Next Generation valida!(/ in eccesso)";

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Character index of the first occurrence of an ASCII character, or kNone. A byte below 0x80
// never occurs inside a multi-byte character, so counting the characters before it is enough.
std::size_t FirstCharIndex(std::string_view text, char c) {
  const std::size_t byte = text.find(c);
  return byte == std::string_view::npos ? kNone : CharCount(text.substr(0, byte));
}

std::optional<std::string_view> ClassicFault(std::string_view text) {
  const std::size_t slash = FirstCharIndex(text, '/');
  if (slash == kNone) return kNotClassic;
  const std::size_t chars = CharCount(text);
  const std::size_t point = slash + 5;
  if (point >= chars || CharSlice(text, point, 1) != ".") return kNotClassic;
  if (chars - point - 1 != 2) return kClassicDayDigits;
  if (LeadingNumber(CharSlice(text, slash + 3, 2)) > 12) return kClassicMonth;
  if (LeadingNumber(CharSlice(text, slash + 6, 2)) > 31) return kClassicDay;
  return std::nullopt;
}

std::optional<std::string_view> NextGenerationFault(std::string_view text) {
  const std::size_t point = FirstCharIndex(text, '.');
  if (point == kNone) return kNotNextGeneration;
  if (CharCount(text) - point - 1 != 1) return kNextGenerationDigit;
  if (text.find('/') != std::string_view::npos) return kNextGenerationSlash;
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> SourceShapeFault(SourceKind kind, std::string_view text) {
  if (CharCount(text) > kMaxSourceChars) return KindFault(kind);
  switch (kind) {
    case SourceKind::CalendarDate:
      if (!IsDate(text)) return kNotADate;
      return std::nullopt;
    case SourceKind::ClassicStardate:
      return ClassicFault(text);
    case SourceKind::NextGenerationStardate:
      return NextGenerationFault(text);
  }
  return std::nullopt;
}

std::string_view KindFault(SourceKind kind) {
  switch (kind) {
    case SourceKind::CalendarDate:
      return kNotADate;
    case SourceKind::ClassicStardate:
      return kNotClassic;
    case SourceKind::NextGenerationStardate:
      return kNotNextGeneration;
  }
  return kNotADate;
}

}  // namespace kestal
