#pragma once
// Every platform service the program uses, handed to it in one piece.
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Tray.h"
#include "platform/WindowEffects.h"
#include "platform/WindowSystem.h"

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
