#pragma once
// Every platform service the program uses, handed to it in one piece.
#include "forms/WindowSystem.h"
#include "services/Clock.h"
#include "services/Registry.h"
#include "services/Resources.h"
#include "services/SettingsStore.h"
#include "services/Shell.h"
#include "services/Sound.h"
#include "services/Tray.h"
#include "services/WindowEffects.h"

namespace kestal {

struct Platform {
  WindowSystem& windows;
  WindowEffects& effects;
  TrayArea& tray;
  Registry& registry;
  Shell& shell;
  SoundPlayer& sound;
  Resources& resources;
  SettingsStore& settings;
  Clock& clock;
};

}  // namespace kestal
