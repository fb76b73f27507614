#include "settings/ConventionSetting.h"

namespace kestal {
namespace {

constexpr std::string_view kSettingsApp = "KestalDate";
constexpr std::string_view kSettingsSection = "Impostazioni";
constexpr std::string_view kConventionKey = "Data";
constexpr std::string_view kNextGenerationSetting = "Next Generation";

}  // namespace

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
