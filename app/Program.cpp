#include "app/Program.h"

#include <memory>

#include "conventions/ConventionsWindow.h"
#include "convert/ConversionWindow.h"
#include "settings/AboutWindow.h"
#include "tray/TrayWindow.h"

namespace kestal {

Program::Program(Platform& p)
    : platform(p),
      trayIcon(p.tray, p.clock),
      sequence(p),
      trayWindow([this] {
        return std::make_unique<TrayWindow>(platform, trayIcon, about, conventionsWindow, conversionWindow);
      }),
      about([this] { return std::make_unique<AboutWindow>(platform, sequence, trayIcon); }),
      conventionsWindow([this] { return std::make_unique<ConventionsWindow>(platform, sequence); }),
      conversionWindow([this] { return std::make_unique<ConversionWindow>(platform, sequence); }) {}

bool Program::Start() {
  Form& window = trayWindow.Get();
  platform.windows.Load(window);
  return window.State() == FormState::Loaded;
}

}  // namespace kestal
