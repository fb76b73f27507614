#pragma once
// The tray icon's tooltip: today's stardate in one of the two conventions, and the one place
// that knows which of them the tooltip shows.
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Tray.h"

namespace kestal {

class Program;

// "Velorn NG - Data stellare: " and today's Next Generation stardate, then a NUL.
std::string NGTipText(const Clock& clock);
std::string NGTipText(const Program& program);
// "Velorn - Data astrale: " and today's classic stardate, then a NUL.
std::string ClassicTipText(const Clock& clock);
std::string ClassicTipText(const Program& program);

// Copies a composed text into szTip from the left: a shorter text is filled up with blanks to
// the field's 64 characters, a longer one is cut there.
void PutTipText(NotifyIconRecord& record, std::string_view text);

// Composes today's tooltip in the convention shown into TrayIconData; sends nothing.
void ComposeTrayTooltip(Program& program);

// The tooltip shows today's stardate in this convention from now on: composed into
// TrayIconData and sent with NIM_MODIFY. Day changes and shell restarts keep the convention.
void SetTrayTooltip(Program& program, bool nextGeneration);

}  // namespace kestal
