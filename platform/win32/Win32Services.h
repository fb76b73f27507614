#pragma once
// The platform services on Win32, each a thin layer over the system calls of the same names.
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Tray.h"
#include "platform/WindowEffects.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

class Win32Effects : public WindowEffects {
 public:
  WindowHandle GetDesktopWindow() override;
  void GetWindowRect(WindowHandle window, PixelRect& rect) override;
  void DrawAnimatedRects(WindowHandle window, int idAni, const PixelRect& from,
                         const PixelRect& to) override;
  WindowHandle FindWindow(std::string_view className) override;
  WindowHandle GetWindow(WindowHandle window, int command) override;
  int GetClassName(WindowHandle window, std::string& buffer, int maxCount) override;
  void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override;
  RegionHandle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) override;
  void SetWindowRgn(WindowHandle window, RegionHandle region, bool redraw) override;
};

class Win32Tray : public TrayArea {
 public:
  bool NotifyIcon(unsigned message, const NotifyIconRecord& record) override;
};

class Win32Registry : public Registry {
 public:
  long OpenKey(RegistryRoot root, std::string_view path, RegistryKey& key) override;
  long CreateKey(RegistryRoot root, std::string_view path, RegistryKey& key) override;
  long QueryValue(RegistryKey key, std::string_view name, uint32_t& type,
                  std::string* text) override;
  long SetStringValue(RegistryKey key, std::string_view name, std::string_view text) override;
  long DeleteValue(RegistryKey key, std::string_view name) override;
  long CloseKey(RegistryKey key) override;
};

// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key.
class Win32Settings : public SettingsStore {
 public:
  std::string Get(std::string_view app, std::string_view section, std::string_view key) override;
  void Save(std::string_view app, std::string_view section, std::string_view key,
            std::string_view value) override;
  void DeleteSection(std::string_view app, std::string_view section) override;
};

class Win32Shell : public Shell {
 public:
  std::intptr_t ShellExecute(WindowHandle owner, std::string_view verb, std::string_view file,
                             std::string_view parameters, std::string_view directory,
                             int showCommand) override;
  std::string ExecutablePath() override;
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
  LocalDateTime Now() const override;
};

}  // namespace kestal::win32
