#pragma once
// Every platform service the program uses, handed to it in one piece.
#include "platform/text/Clock.h"
#include "platform/window/Registry.h"
#include "platform/window/Resources.h"
#include "platform/window/SettingsStore.h"
#include "platform/window/Shell.h"
#include "platform/window/Sound.h"
#include "platform/window/Tray.h"
#include "platform/window/WindowEffects.h"
#include "platform/window/WindowSystem.h"

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
