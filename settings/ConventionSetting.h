#pragma once
// Which stardate convention the tray tooltip shows, kept in the per-user settings store under
// "KestalDate", "Impostazioni", "Data". An empty or missing value means the classic convention;
// any other text the Next Generation one.
#include <string>
#include <string_view>

#include "services/SettingsStore.h"

namespace kestal {

// The stored text; empty when nothing is stored.
std::string ReadConventionSetting(SettingsStore& store);

// Stores the choice. The classic convention is kept as no setting at all: its section is removed,
// but only when `oldValue` (the setting as read before) holds something.
void StoreConventionSetting(SettingsStore& store, bool nextGeneration, std::string_view oldValue);

}  // namespace kestal
