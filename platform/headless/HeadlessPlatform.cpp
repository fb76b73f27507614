#include "platform/headless/Headless.h"

namespace kestal::headless {

HeadlessPlatform::HeadlessPlatform(std::string resourceDir)
    : resources(std::move(resourceDir)), platform_{windows, effects,   tray,     registry, shell,
                                                   sound,   resources, settings, clock} {
  sound.IdentifyImagesFrom(resources);
}

}  // namespace kestal::headless
