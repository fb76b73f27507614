#include "forms/ShownColors.h"

namespace kestal {

Color ShownWindowBack(Color designed, const SystemColors& system) {
  return system.highContrast ? system.window : designed;
}

Color ShownFore(const ControlDefinition& design, Color designed, const SystemColors& system) {
  if (!system.highContrast) return designed;
  if (design.kind == ControlKind::Button) return system.buttonText;
  if (design.kind == ControlKind::Label && design.readable == Readable::Link) {
    return system.hotLight;
  }
  return system.windowText;
}

Color ShownBack(const ControlDefinition& design, Color designed, const SystemColors& system) {
  if (!system.highContrast) return designed;
  return design.kind == ControlKind::Button ? system.buttonFace : system.window;
}

}  // namespace kestal
