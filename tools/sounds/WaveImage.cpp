#include "tools/sounds/WaveImage.h"

#include "tools/sounds/ImaAdpcm.h"

namespace kestal::tools {
namespace {

class LittleEndianWriter {
 public:
  void Tag(const char (&tag)[5]) { bytes_.insert(bytes_.end(), tag, tag + 4); }
  void U16(std::uint32_t value) {
    for (int i = 0; i < 2; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void Bytes(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
  }
  // Fills in the RIFF size once the chunks are written.
  std::vector<std::uint8_t> FinishRiff() {
    const auto riffSize = static_cast<std::uint32_t>(bytes_.size() - 8);
    for (int i = 0; i < 4; ++i) bytes_[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kPcmTag = 1;
constexpr std::uint32_t kImaAdpcmTag = 17;

void StartRiff(LittleEndianWriter& out) {
  out.Tag("RIFF");
  out.U32(0);
  out.Tag("WAVE");
}

void DataChunk(LittleEndianWriter& out, std::span<const std::uint8_t> data) {
  out.Tag("data");
  out.U32(static_cast<std::uint32_t>(data.size()));
  out.Bytes(data);
  if (data.size() % 2 != 0) out.Bytes(std::vector<std::uint8_t>{0});
}

}  // namespace

std::vector<std::uint8_t> PcmWaveImage(std::span<const std::uint8_t> samples, int sampleRate,
                                       int trailingPadding) {
  LittleEndianWriter out;
  StartRiff(out);
  out.Tag("fmt ");
  out.U32(16);
  out.U16(kPcmTag);
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(sampleRate));
  out.U32(static_cast<std::uint32_t>(sampleRate));  // one byte a sample
  out.U16(1);                                       // block align
  out.U16(8);                                       // bits a sample
  DataChunk(out, samples);
  auto image = out.FinishRiff();
  image.resize(image.size() + static_cast<std::size_t>(trailingPadding), 0);
  return image;
}

std::vector<std::uint8_t> ImaAdpcmWaveImage(std::span<const std::uint8_t> blocks, int sampleRate,
                                            int blockBytes, std::uint32_t factSamples) {
  const auto perBlock = static_cast<std::uint32_t>(SamplesPerBlock(blockBytes));
  LittleEndianWriter out;
  StartRiff(out);
  out.Tag("fmt ");
  out.U32(20);
  out.U16(kImaAdpcmTag);
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(sampleRate));
  out.U32(static_cast<std::uint32_t>(sampleRate) * static_cast<std::uint32_t>(blockBytes) /
          perBlock);
  out.U16(static_cast<std::uint32_t>(blockBytes));
  out.U16(4);  // bits a sample
  out.U16(2);  // extra format bytes: the samples per block
  out.U16(perBlock);
  out.Tag("fact");
  out.U32(4);
  out.U32(factSamples);
  DataChunk(out, blocks);
  return out.FinishRiff();
}

}  // namespace kestal::tools
