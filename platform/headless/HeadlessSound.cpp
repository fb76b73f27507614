#include <algorithm>

#include "platform/headless/Headless.h"

namespace kestal::headless {

bool HeadlessSound::PlaySound(const uint8_t* image, std::size_t size, unsigned flags) {
  std::vector<uint8_t> bytes;
  if (image) bytes.assign(image, image + size);
  // Name the image by the resource it came from, the latest one handed out first.
  std::string name = "?";
  if (resources_) {
    const auto& loads = resources_->Loads();
    auto it = std::find_if(loads.rbegin(), loads.rend(),
                           [&](const auto& loaded) { return loaded.bytes == bytes; });
    if (it != loads.rend()) name = std::to_string(it->id);
  }
  // Starting a sound stops the one playing; no image only stops it.
  playing_ = nullptr;
  if (!image || !deviceAvailable) {
    log_.Add("PlaySound(" + name + ")");
    return !image;
  }
  started_ = bytes;
  log_.Add("PlaySound(" + name + ")", SoundRecord{std::move(bytes), flags});
  playing_ = image;
  return true;
}

void HeadlessSound::StopSound() {
  log_.Add("StopSound");
  playing_ = nullptr;
}

bool HeadlessSound::PlayingImageIntact() const {
  return !playing_ || std::equal(started_.begin(), started_.end(), playing_);
}

}  // namespace kestal::headless
