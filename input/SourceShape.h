#pragma once
// The shapes a typed source must have before it is converted, and the messages the user gets.
// Only the separators, the digit count after the point and the range of month and day are
// checked; the engine does the rest. The conversion window and the console both use them.
#include <optional>
#include <string_view>

namespace kestal {

enum class SourceKind { CalendarDate, ClassicStardate, NextGenerationStardate };

// Longer inputs are rejected outright: nothing typed by hand is this long.
inline constexpr std::size_t kMaxSourceChars = 32000;

// The message for a text that hasn't the shape of its kind, or none when it has it.
std::optional<std::string_view> SourceShapeFault(SourceKind kind, std::string_view text);

// The message for a text that is no text of the kind at all (too long, or not a text).
std::string_view KindFault(SourceKind kind);

// The one message for a text of the right shape that the engine cannot convert.
inline constexpr std::string_view kConversionFault = "Errore nella data!";

}  // namespace kestal
