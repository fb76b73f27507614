#pragma once
// The platform services on Win32, each a thin layer over the system calls of the same names.
#include "platform/win32/Win32Api.h"
#include "services/Clock.h"
#include "services/Registry.h"
#include "services/Resources.h"
#include "services/SettingsStore.h"
#include "services/Shell.h"
#include "services/Sound.h"

namespace kestal::win32 {

class Win32Registry : public Registry {
 public:
  std::optional<std::string> GetString(RegistryRoot root, std::string_view path,
                                       std::string_view name) override;
  bool SetString(RegistryRoot root, std::string_view path, std::string_view name,
                 std::string_view text) override;
  std::optional<std::vector<uint8_t>> GetBinary(RegistryRoot root, std::string_view path,
                                                std::string_view name) override;
  bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
  bool DeleteKey(RegistryRoot root, std::string_view path) override;
};

// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key, kept through
// the registry.
class Win32Settings : public SettingsStore {
 public:
  explicit Win32Settings(Registry& registry) : registry_(registry) {}
  std::string Get(std::string_view app, std::string_view section, std::string_view key) override;
  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  void DeleteSection(std::string_view app, std::string_view section) override;

 private:
  Registry& registry_;
};

class Win32Shell : public Shell {
 public:
  std::intptr_t Open(std::string_view target, WindowHandle owner) override;
  std::string ExecutablePath() override;
  FolderKind FolderOf(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  bool SamePath(std::string_view a, std::string_view b) override;
};

class Win32Sound : public SoundPlayer {
 public:
  bool PlaySound(const uint8_t* image, std::size_t size, unsigned flags) override;
  void StopSound() override;
};

class Win32Resources : public Resources {
 public:
  explicit Win32Resources(HINSTANCE instance) : instance_(instance) {}
  std::vector<uint8_t> Load(std::string_view type, int id) override;

 private:
  HINSTANCE instance_;
};

class Win32Clock : public Clock {
 public:
  Instant NowUtc() const override;
  LocalDateTime LocalTimeAt(Instant instant) const override;
};

}  // namespace kestal::win32
