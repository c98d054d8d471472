#include "platform/AudioDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using platform::AudioDevice;
using platform::PcmFormat;

constexpr uint32_t StereoBlock = 4;
constexpr uint32_t RingBytes = 81920;
constexpr uint32_t HalfFrames = RingBytes / 2 / StereoBlock;
// The mixer dithers, so silence is not exactly 0; and its output trails by a few frames.
constexpr double SilentLevel = 5.0;
constexpr uint32_t TrailFrames = 256;

// A 16-bit sine of the given channels and length.
std::vector<uint8_t> Tone(uint16_t channels, uint32_t frames, float hz = 440.0f) {
  std::vector<uint8_t> bytes;
  for (uint32_t frame = 0; frame < frames; ++frame) {
    const auto value = static_cast<int16_t>(
        12000.0 * std::sin(2.0 * 3.14159265358979 * hz * frame / platform::OutputSampleRate));
    for (uint16_t channel = 0; channel < channels; ++channel) {
      bytes.push_back(static_cast<uint8_t>(value & 0xFF));
      bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
    }
  }
  return bytes;
}

class MemoryDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = platform::OpenMemoryAudioDevice();
    ASSERT_NE(device_, nullptr);
    std::vector<int16_t> probe(2);
    if (!device_->Render(probe.data(), 1)) GTEST_SKIP() << "no memory rendering on this machine";
  }

  // Root mean square of the next frames as the device renders them.
  double Level(uint32_t frames) {
    std::vector<int16_t> samples(frames * platform::OutputChannels);
    EXPECT_TRUE(device_->Render(samples.data(), frames));
    double sum = 0.0;
    for (int16_t sample : samples) sum += static_cast<double>(sample) * sample;
    return std::sqrt(sum / static_cast<double>(samples.size()));
  }

  std::unique_ptr<AudioDevice> device_;
};

TEST_F(MemoryDeviceTest, PlayingEffectIsHeardAndStoppedOneIsSilent) {
  const std::vector<uint8_t> tone = Tone(1, platform::OutputSampleRate);
  auto sound = device_->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->Size(), tone.size());
  EXPECT_LT(Level(1024), SilentLevel);

  sound->Play(false);
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_FALSE(sound->IsLooping());
  EXPECT_GT(Level(4096), 500.0);

  sound->Stop();
  EXPECT_FALSE(sound->IsPlaying());
  Level(TrailFrames);
  EXPECT_LT(Level(1024), SilentLevel);
}

TEST_F(MemoryDeviceTest, EffectPlaysOnceUnlessLooping) {
  const std::vector<uint8_t> tone = Tone(1, 2000);
  auto once = device_->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  auto looping = device_->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  once->Play(false);
  looping->Play(true);
  Level(8000);
  EXPECT_FALSE(once->IsPlaying());
  EXPECT_TRUE(looping->IsPlaying());
  EXPECT_TRUE(looping->IsLooping());
}

TEST_F(MemoryDeviceTest, EffectLevelFallsWithDistanceBeyondOneUnit) {
  const std::vector<uint8_t> tone = Tone(1, platform::OutputSampleRate);
  auto sound = device_->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  device_->SetListenerPosition({10.0f, 5.0f, 0.0f});
  EXPECT_EQ(device_->ListenerPosition(), (platform::Vector3{10.0f, 5.0f, 0.0f}));

  auto levelAt = [&](float distance) {
    sound->SetPosition({10.0f, 5.0f, distance});
    sound->Rewind();
    sound->Play(false);
    Level(2048);  // let the gain settle
    return Level(4096);
  };
  const double half = levelAt(0.5f);
  const double one = levelAt(1.0f);
  const double four = levelAt(4.0f);
  EXPECT_NEAR(half / one, 1.0, 0.05);
  EXPECT_NEAR(four / one, 0.25, 0.05);
}

TEST_F(MemoryDeviceTest, StreamPositionMovesWithRenderedFramesAndWraps) {
  auto stream = device_->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->Size(), RingBytes);
  EXPECT_FALSE(stream->IsPlaying());
  EXPECT_EQ(stream->PlayPosition(), 0u);
  Level(1000);
  EXPECT_EQ(stream->PlayPosition(), 0u);

  stream->Play();
  EXPECT_TRUE(stream->IsPlaying());
  Level(1000);
  EXPECT_EQ(stream->PlayPosition(), 1000 * StereoBlock);
  Level(RingBytes / StereoBlock);
  EXPECT_EQ(stream->PlayPosition(), 1000 * StereoBlock);

  stream->Stop();
  Level(5000);
  EXPECT_EQ(stream->PlayPosition(), 1000 * StereoBlock);
  stream->Play();
  Level(500);
  EXPECT_EQ(stream->PlayPosition(), 1500 * StereoBlock);
}

TEST_F(MemoryDeviceTest, StreamReplaysOldBytesUntilRefilled) {
  auto stream = device_->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  const std::vector<uint8_t> tone = Tone(2, HalfFrames);
  const std::vector<uint8_t> silence(tone.size(), 0);
  const auto half = static_cast<uint32_t>(tone.size());
  stream->Write(0, tone.data(), half);
  std::vector<uint8_t> back(tone.size());
  stream->ReadBack(0, back.data(), half);
  EXPECT_EQ(back, tone);

  stream->Play();
  EXPECT_GT(Level(HalfFrames), 1000.0);
  Level(TrailFrames);
  EXPECT_LT(Level(HalfFrames - TrailFrames), SilentLevel);
  // Nobody fed it: the first half is heard again.
  EXPECT_GT(Level(HalfFrames), 1000.0);
  // The half just left is refilled with silence, and that is what comes round.
  stream->Write(0, silence.data(), half);
  Level(TrailFrames);
  EXPECT_LT(Level(HalfFrames - TrailFrames), SilentLevel);
  stream->Write(half, tone.data(), half);
  EXPECT_LT(Level(HalfFrames), SilentLevel);
  EXPECT_GT(Level(HalfFrames), 1000.0);
}

TEST_F(MemoryDeviceTest, StreamVolumeAttenuatesInHundredthsOfDecibel) {
  auto stream = device_->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  const std::vector<uint8_t> tone = Tone(2, RingBytes / StereoBlock);
  stream->Write(0, tone.data(), static_cast<uint32_t>(tone.size()));
  stream->Play();
  Level(2048);
  const double full = Level(4096);
  stream->SetVolume(-2000);
  EXPECT_EQ(stream->Volume(), -2000);
  Level(2048);
  EXPECT_NEAR(Level(4096) / full, 0.1, 0.01);
  stream->SetVolume(-20000);
  EXPECT_EQ(stream->Volume(), -10000);
  stream->SetVolume(500);
  EXPECT_EQ(stream->Volume(), 0);
}

TEST(AudioDeviceTest, RefusesFormatsNoDeviceTakes) {
  std::unique_ptr<AudioDevice> devices[] = {platform::OpenMemoryAudioDevice(),
                                            platform::CreateSilentAudioDevice()};
  for (const auto& device : devices) {
    const uint8_t data[8] = {};
    EXPECT_EQ(device->CreateSoundBuffer({3, 44100, 16}, data, sizeof data), nullptr);
    EXPECT_EQ(device->CreateSoundBuffer({1, 44100, 24}, data, sizeof data), nullptr);
    EXPECT_EQ(device->CreateStreamBuffer({6, 44100, 16}, RingBytes), nullptr);
    EXPECT_EQ(device->CreateStreamBuffer({2, 0, 16}, RingBytes), nullptr);
  }
}

TEST(AudioDeviceTest, SilentDeviceDoesEverythingAndPlaysNothing) {
  auto device = platform::CreateSilentAudioDevice();
  std::vector<int16_t> samples(64);
  EXPECT_FALSE(device->Render(samples.data(), 32));
  device->SetListenerPosition({1.0f, 2.0f, 0.0f});
  EXPECT_EQ(device->ListenerPosition(), (platform::Vector3{1.0f, 2.0f, 0.0f}));

  const std::vector<uint8_t> tone = Tone(1, 100);
  auto sound = device->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->Size(), tone.size());
  sound->SetPosition({1.0f, 1.0f, 1.0f});
  sound->Play(true);
  EXPECT_FALSE(sound->IsPlaying());
  sound->Stop();

  auto stream = device->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  ASSERT_NE(stream, nullptr);
  stream->Write(RingBytes - 2, tone.data(), 100);  // cut at the end of the ring
  stream->Play();
  EXPECT_FALSE(stream->IsPlaying());
  EXPECT_EQ(stream->PlayPosition(), 0u);
  stream->SetVolume(-1200);
  EXPECT_EQ(stream->Volume(), -1200);
}

TEST(AudioDeviceTest, BuffersOutliveTheirDevice) {
  auto device = platform::OpenMemoryAudioDevice();
  const std::vector<uint8_t> tone = Tone(1, 100);
  auto sound = device->CreateSoundBuffer({1, 44100, 16}, tone.data(), tone.size());
  auto stream = device->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  device.reset();
  sound->Play(false);
  stream->Play();
  stream->Stop();
  SUCCEED();
}

TEST(AudioDeviceTest, SpeakerDeviceOpensQuicklyWithOrWithoutSoundCard) {
  const auto start = std::chrono::steady_clock::now();
  auto device = platform::OpenSpeakerAudioDevice();
  ASSERT_NE(device, nullptr);
  auto stream = device->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  ASSERT_NE(stream, nullptr);
  stream->Play();
  stream->SetVolume(-4000);
  stream->Stop();
  stream.reset();
  device.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace

namespace {

// OpenAL's output that mixes in real time into nothing; it must be chosen before the library's
// first use, which only a test running in a process of its own (as under ctest) can do.
TEST(AudioDeviceTest, SpeakerDeviceKeepsStreamsPlayingOnItsOwn) {
  setenv("ALSOFT_DRIVERS", "null", 1);
  auto device = platform::OpenSpeakerAudioDevice();
  auto stream = device->CreateStreamBuffer({2, 44100, 16}, RingBytes);
  ASSERT_NE(stream, nullptr);
  stream->Play();
  if (!stream->IsPlaying()) GTEST_SKIP() << "the null output was not available";
  // Nobody touches the stream for several times the ring's length: it must go on round it.
  uint32_t last = stream->PlayPosition();
  int moves = 0;
  for (int look = 0; look < 15; ++look) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const uint32_t now = stream->PlayPosition();
    if (now != last) ++moves;
    last = now;
  }
  EXPECT_GE(moves, 12);
  stream->Stop();
  const uint32_t stopped = stream->PlayPosition();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(stream->PlayPosition(), stopped);
}

}  // namespace
