#include "settings/ConventionSetting.h"

namespace kestal {

std::string ReadConventionSetting(SettingsStore& store) {
  return store.Get(kSettingsApp, kSettingsSection, kConventionKey);
}

void StoreConventionSetting(SettingsStore& store, bool nextGeneration, std::string_view oldValue) {
  if (nextGeneration) {
    store.Save(kSettingsApp, kSettingsSection, kConventionKey, kNextGenerationSetting);
  } else if (!oldValue.empty()) {
    store.DeleteSection(kSettingsApp, kSettingsSection);
  }
}

}  // namespace kestal
