#pragma once
// The per-user settings store, keyed by application, section and key.
#include <string>
#include <string_view>

namespace kestal {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text; empty when the key or section is missing.
  virtual std::string Get(std::string_view app, std::string_view section, std::string_view key) = 0;
  virtual void Save(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view value) = 0;
  virtual void DeleteSection(std::string_view app, std::string_view section) = 0;
};

}  // namespace kestal
