#include "engine/Sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/WaveFile.h"

namespace {

const std::filesystem::path AudioFolder = std::filesystem::path(QM_CONTENT_DIR) / "Audio";

// Every effect file the game loads, by the names its actors and bank use.
const char* const EffectNames[] = {
    "hit9v2.wav",    "hit10v2.wav",   "hit11v2.wav",   "DirtStep1.wav", "DirtStep2.wav",
    "DirtStep3.wav", "DirtStep4.wav", "DirtStep5.wav", "Roll2v2.wav",   "WallSlide.wav",
    "Jump.wav",      "AirDashv2.wav", "Swing1v2.wav",  "Swing2v2.wav",  "Swing3v2.wav",
    "Swing4v2.wav",  "gust1v2.wav",   "gust2v2.wav",
};

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t Little32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

TEST(SoundTest, EveryEffectFileIsCanonicalMono16BitAt44100) {
  auto device = platform::OpenMemoryAudioDevice();
  for (const char* name : EffectNames) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadBytes(AudioFolder / name);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Little32(bytes, 16), 16u);
    EXPECT_EQ(bytes.substr(20, 4), std::string("\x01\x00\x01\x00", 4));  // PCM, one channel
    EXPECT_EQ(Little32(bytes, 24), 44100u);
    EXPECT_EQ(bytes.substr(32, 4), std::string("\x02\x00\x10\x00", 4));  // 2-byte blocks, 16 bits
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Little32(bytes, 40), bytes.size() - 44);
    EXPECT_EQ(Little32(bytes, 4), bytes.size() - 8);

    Sound sound(device.get(), (AudioFolder / name).string());
    EXPECT_TRUE(sound.Loaded());
    EXPECT_EQ(sound.BufferSize(), bytes.size() - 44);
  }
}

TEST(SoundTest, WallSlideLoopsWithoutAClick) {
  const auto wave = ReadWaveFile((AudioFolder / "WallSlide.wav").string());
  ASSERT_TRUE(wave);
  std::vector<int> samples;
  for (size_t at = 0; at + 1 < wave->samples.size(); at += 2) {
    samples.push_back(static_cast<int16_t>(wave->samples[at] | wave->samples[at + 1] << 8));
  }
  int largestStep = 0;
  for (size_t i = 1; i < samples.size(); ++i) largestStep = std::max(largestStep, std::abs(samples[i] - samples[i - 1]));
  EXPECT_LE(std::abs(samples.front() - samples.back()), largestStep);
}

TEST(SoundTest, PlaysOnceFromTheStartOrLoopsFromWhereItStands) {
  auto device = platform::OpenMemoryAudioDevice();
  Sound sound(device.get(), (AudioFolder / "Jump.wav").string());
  ASSERT_TRUE(sound.Loaded());
  std::vector<int16_t> samples(2 * 256);
  if (!device->Render(samples.data(), 256)) GTEST_SKIP() << "no memory rendering on this machine";

  sound.SetPosition({3.0f, 4.0f, 0.0f});
  EXPECT_EQ(sound.x, 3.0f);
  EXPECT_EQ(sound.y, 4.0f);
  EXPECT_EQ(sound.z, 0.0f);
  sound.Play();
  EXPECT_TRUE(sound.IsPlaying());
  sound.Play();  // a restart, still one sound
  EXPECT_TRUE(sound.IsPlaying());
  std::vector<int16_t> second(2 * 44100);
  device->Render(second.data(), 44100);
  EXPECT_FALSE(sound.IsPlaying());

  // A looping sound does not report playing: only the plain playing status does.
  sound.PlayLooping();
  EXPECT_FALSE(sound.IsPlaying());
  device->Render(second.data(), 44100);
  sound.Stop();
  sound.Play();
  EXPECT_TRUE(sound.IsPlaying());
}

TEST(SoundTest, StoredPathKeepsItsBackslashes) {
  auto device = platform::OpenMemoryAudioDevice();
  const std::filesystem::path relative = std::filesystem::relative(AudioFolder / "Jump.wav");
  std::string stored = relative.string();
  std::replace(stored.begin(), stored.end(), '/', '\\');
  Sound sound(device.get(), stored);
  EXPECT_TRUE(sound.Loaded());
  EXPECT_EQ(sound.GetPath(), stored);
}

}  // namespace
