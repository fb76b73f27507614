#include <string>

#include "platform/win32/Win32Services.h"

namespace kestal::win32 {

namespace {
std::string SectionPath(std::string_view app, std::string_view section) {
  return "Software\\" + std::string(app) + "\\" + std::string(section);
}
}  // namespace

std::string Win32Settings::Get(std::string_view app, std::string_view section,
                               std::string_view key) {
  return registry_.GetString(RegistryRoot::CurrentUser, SectionPath(app, section), key)
      .value_or("");
}

void Win32Settings::Save(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view value) {
  registry_.SetString(RegistryRoot::CurrentUser, SectionPath(app, section), key, value);
}

void Win32Settings::DeleteSection(std::string_view app, std::string_view section) {
  registry_.DeleteKey(RegistryRoot::CurrentUser, SectionPath(app, section));
}

}  // namespace kestal::win32
