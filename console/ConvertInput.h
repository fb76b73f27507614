#pragma once
// One input converted as the conversion window converts it: the same checks, the same engine
// call and the same result text, or the window's own message when it refuses the input.
#include <optional>
#include <string>
#include <string_view>

#include "console/InputLines.h"
#include "services/Clock.h"

namespace kestal {

enum class Conversion {
  ToClassic,         // a calendar date to its classic stardate
  ToNextGeneration,  // a calendar date to its Next Generation stardate
  ToDate,            // a stardate of either kind (told apart by a "/") to its date
};

// Writes the result into `result` (emptied first) and gives none, or gives the message.
std::optional<std::string_view> ConvertInput(Conversion conversion, const InputLine& input,
                                             std::string& result);

// Today's stardate, classic or Next Generation; the message when the engine cannot give it.
std::optional<std::string_view> TodayStardate(const Clock& clock, bool nextGeneration,
                                              std::string& result);

}  // namespace kestal
