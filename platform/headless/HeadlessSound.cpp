#include <algorithm>
#include <cstring>

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
  log_.Add("PlaySound(" + name + ")");
  // Starting a sound stops the one playing; no image only stops it.
  playing_ = nullptr;
  playingSize_ = 0;
  if (!image) return true;
  if (!deviceAvailable) return false;
  plays_.push_back({std::move(bytes), flags});
  playing_ = image;
  playingSize_ = size;
  return true;
}

void HeadlessSound::StopSound() {
  log_.Add("StopSound");
  playing_ = nullptr;
  playingSize_ = 0;
}

bool HeadlessSound::PlayingImageIntact() const {
  if (!playing_) return true;
  const std::vector<uint8_t>& started = plays_.back().bytes;
  return started.size() == playingSize_ &&
         (playingSize_ == 0 || std::memcmp(playing_, started.data(), playingSize_) == 0);
}

}  // namespace kestal::headless
