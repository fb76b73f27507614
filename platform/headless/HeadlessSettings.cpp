#include "platform/headless/Headless.h"

namespace kestal::headless {

std::string HeadlessSettings::Get(std::string_view app, std::string_view section,
                                  std::string_view key) {
  log_.Add("GetSetting(" + std::string(app) + "," + std::string(section) + "," + std::string(key) +
           ")");
  return Peek(app, section, key).value_or("");
}

void HeadlessSettings::Save(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  log_.Add("SaveSetting(" + std::string(app) + "," + std::string(section) + "," + std::string(key) +
           "," + std::string(value) + ")");
  if (refuseWrites) return;
  store_[Lower(app)][Lower(section)][Lower(key)] = std::string(value);
}

void HeadlessSettings::DeleteSection(std::string_view app, std::string_view section) {
  log_.Add("DeleteSetting(" + std::string(app) + "," + std::string(section) + ")");
  if (refuseWrites) return;
  auto appIt = store_.find(Lower(app));
  if (appIt == store_.end()) return;
  appIt->second.erase(Lower(section));
  if (appIt->second.empty()) store_.erase(appIt);
}

bool HeadlessSettings::SectionExists(std::string_view app, std::string_view section) const {
  auto appIt = store_.find(Lower(app));
  return appIt != store_.end() && appIt->second.contains(Lower(section));
}

std::optional<std::string> HeadlessSettings::Peek(std::string_view app, std::string_view section,
                                                  std::string_view key) const {
  auto appIt = store_.find(Lower(app));
  if (appIt == store_.end()) return std::nullopt;
  auto sectionIt = appIt->second.find(Lower(section));
  if (sectionIt == appIt->second.end()) return std::nullopt;
  auto keyIt = sectionIt->second.find(Lower(key));
  if (keyIt == sectionIt->second.end()) return std::nullopt;
  return keyIt->second;
}

}  // namespace kestal::headless
