#pragma once
// The shapes a typed source must have before it is converted. Only the separators, the digit
// count after the point and the range of month and day are checked; the engine does the rest.
#include <optional>
#include <string_view>

namespace kestal {

enum class SourceKind { CalendarDate, ClassicStardate, NextGenerationStardate };

// Longer inputs are rejected outright: nothing typed by hand is this long.
inline constexpr std::size_t kMaxSourceChars = 32000;

// The message for a text that hasn't the shape of its kind, or none when it has it.
std::optional<std::string_view> SourceShapeFault(SourceKind kind, std::string_view text);

}  // namespace kestal
