// The settings store, the sound player, the resources and the text helpers of the headless
// platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/Headless.h"

namespace kestal::headless {
namespace {

TEST(HeadlessSettings, StoresPerApplicationSectionAndKey) {
  CallLog log;
  HeadlessSettings settings(log);
  EXPECT_EQ(settings.Get("KestalDate", "Impostazioni", "Data"), "");
  settings.Save("KestalDate", "Impostazioni", "Data", "Next Generation");
  settings.Save("KestalDate", "Altro", "Data", "other section");
  settings.Save("Another", "Impostazioni", "Data", "other application");
  const struct {
    const char* app;
    const char* section;
    const char* key;
    const char* expected;
  } reads[] = {
      {"KestalDate", "Impostazioni", "Data", "Next Generation"},
      {"kestaldate", "IMPOSTAZIONI", "data", "Next Generation"},  // letter case doesn't count
      {"KestalDate", "Altro", "Data", "other section"},
      {"Another", "Impostazioni", "Data", "other application"},
      {"KestalDate", "Impostazioni", "Missing", ""},
      {"KestalDate", "Missing", "Data", ""},
  };
  for (const auto& r : reads) {
    EXPECT_EQ(settings.Get(r.app, r.section, r.key), r.expected)
        << r.app << "/" << r.section << "/" << r.key;
  }
  settings.DeleteSection("KestalDate", "impostazioni");
  EXPECT_FALSE(settings.SectionExists("KestalDate", "Impostazioni"));
  EXPECT_TRUE(settings.SectionExists("KestalDate", "Altro"));
  EXPECT_EQ(settings.Get("Another", "Impostazioni", "Data"), "other application");
  settings.DeleteSection("KestalDate", "Missing");  // nothing to remove: no harm
  EXPECT_EQ(log.Matching("SaveSetting(KestalDate,Impostazioni,Data,Next Generation)").size(), 1u);
  EXPECT_EQ(log.Matching("DeleteSetting(KestalDate,impostazioni)").size(), 1u);
  EXPECT_EQ(log.Matching("GetSetting(").size(), 8u);
}

TEST(HeadlessSettings, RefusedWritesChangeNothing) {
  CallLog log;
  HeadlessSettings settings(log);
  settings.Save("KestalDate", "Impostazioni", "Data", "Next Generation");
  settings.refuseWrites = true;
  settings.Save("KestalDate", "Impostazioni", "Data", "changed");
  settings.DeleteSection("KestalDate", "Impostazioni");
  EXPECT_EQ(settings.Peek("KestalDate", "Impostazioni", "Data"), "Next Generation");
}

TEST(HeadlessSound, ChecksThatThePlayingImageStaysIntact) {
  CallLog log;
  HeadlessSound sound(log);
  std::vector<uint8_t> first{'R', 'I', 'F', 'F', 1, 2, 3};
  EXPECT_TRUE(sound.PlaySound(first.data(), first.size(), kSndAsync | kSndNoDefault | kSndMemory));
  EXPECT_TRUE(sound.Playing());
  EXPECT_TRUE(sound.PlayingImageIntact());
  first[5] = 9;  // the buffer under the playing sound is overwritten
  EXPECT_FALSE(sound.PlayingImageIntact());

  // A new sound stops the previous one: only the new image has to stay valid.
  std::vector<uint8_t> second{'R', 'I', 'F', 'F', 4};
  EXPECT_TRUE(sound.PlaySound(second.data(), second.size(), 7));
  EXPECT_TRUE(sound.PlayingImageIntact());
  sound.StopSound();
  EXPECT_FALSE(sound.Playing());
  EXPECT_TRUE(sound.PlayingImageIntact());  // nothing playing, nothing to keep
  const auto plays = log.Records<SoundRecord>();
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].bytes, (std::vector<uint8_t>{'R', 'I', 'F', 'F', 1, 2, 3}));
  EXPECT_EQ(plays[1].flags, 7u);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"PlaySound(?)", "PlaySound(?)", "StopSound"}));
}

TEST(HeadlessSound, WithoutADeviceNothingPlays) {
  CallLog log;
  HeadlessSound sound(log);
  sound.deviceAvailable = false;
  const std::vector<uint8_t> image{'R', 'I', 'F', 'F'};
  EXPECT_FALSE(sound.PlaySound(image.data(), image.size(), 7));
  EXPECT_FALSE(sound.Playing());
  EXPECT_TRUE(log.Records<SoundRecord>().empty());
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"PlaySound(?)"}));
}

TEST(HeadlessResources, TheWindowSoundsComeFromTheSourceTree) {
  HeadlessPlatform headless;  // the default: resources/ of this source tree
  const struct {
    int id;
    std::size_t size;
  } sounds[] = {{16, 5948}, {24, 1760}};
  for (const auto& s : sounds) {
    SCOPED_TRACE(s.id);
    const std::vector<uint8_t> image = headless.resources.Load("STD_SOUND", s.id);
    ASSERT_EQ(image.size(), s.size);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "RIFF");
    // The sound player names an image by the resource it came from.
    headless.sound.PlaySound(image.data(), image.size(), 7);
    EXPECT_EQ(headless.log.Entries().back(), "PlaySound(" + std::to_string(s.id) + ")");
  }
  EXPECT_TRUE(headless.resources.Load("STD_SOUND", 17).empty());
  EXPECT_TRUE(headless.resources.Load("WAVE", 16).empty());
  HeadlessResources elsewhere("/nonexistent");
  EXPECT_TRUE(elsewhere.Load("STD_SOUND", 16).empty());
}

}  // namespace
}  // namespace kestal::headless
