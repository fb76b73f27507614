#include "console/ConvertInput.h"

#include <exception>

#include "engine/Stardate.h"
#include "input/SourceShape.h"
#include "services/Clock.h"
#include "text/DateText.h"
#include "text/NumberText.h"
#include "text/Utf8.h"

namespace kestal {
namespace {

// What a text box can hold: no NUL, and nothing that is no UTF-8 (the window's texts come from
// the system's wide texts). Plain ASCII, the usual case, is passed at once.
bool IsText(std::string_view text) {
  bool ascii = true;
  for (const char c : text) {
    if (c == '\0') return false;
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  }
  return ascii || IsValidUtf8(text);
}

// The Next Generation number as the window writes it, without the blank before a value of zero
// or more.
std::string NumberText(double stardate) {
  std::string text = StardateNumberText(stardate);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

// The window's calendar-date conversion: the text rewritten "dd/mm/yyyy", then the engine.
std::string FromDate(std::string_view text, bool nextGeneration) {
  const std::optional<CivilDate> date = TryReadDate(text);
  const std::string shortText = date ? ShortDateText(*date) : std::string(text);
  return nextGeneration ? NumberText(NGStardate(shortText)) : ClassicStardate(shortText, true);
}

}  // namespace

std::optional<std::string_view> ConvertInput(Conversion conversion, const InputLine& input,
                                             std::string& result) {
  result.clear();
  const std::string_view text = input.text;
  SourceKind kind = SourceKind::CalendarDate;
  if (conversion == Conversion::ToDate) {
    const bool slash = input.slashCutOff || text.find('/') != std::string_view::npos;
    kind = slash ? SourceKind::ClassicStardate : SourceKind::NextGenerationStardate;
  }
  // A line cut at its limit is longer than any text of any kind.
  if (input.cut || !IsText(text)) return KindFault(kind);
  if (const auto fault = SourceShapeFault(kind, text)) return fault;
  try {
    switch (kind) {
      case SourceKind::CalendarDate:
        result = FromDate(text, conversion == Conversion::ToNextGeneration);
        break;
      case SourceKind::ClassicStardate:
        result = ClassicStardate(text, false);
        break;
      case SourceKind::NextGenerationStardate:
        result = StardateToDateText(text);
        break;
    }
  } catch (const std::exception&) {
    result.clear();
    return kConversionFault;
  }
  return std::nullopt;
}

std::optional<std::string_view> TodayStardate(const Clock& clock, bool nextGeneration,
                                              std::string& result) {
  result.clear();
  try {
    const std::string today = ShortDateText(Today(clock));
    result = nextGeneration ? NumberText(NGStardate(today)) : ClassicStardate(today, true);
  } catch (const std::exception&) {
    result.clear();
    return kConversionFault;
  }
  return std::nullopt;
}

}  // namespace kestal
