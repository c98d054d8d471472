#include "engine/MusicTrack.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "platform/MusicDecoder.h"
#include "support/TempFolder.h"

namespace {

const std::string TrackPath = (std::filesystem::path(QM_CONTENT_DIR) / "Audio" / "Meadow.ogg").string();
constexpr uint32_t Half = MusicTrack::HalfBytes;
constexpr uint32_t HalfFrames = Half / 4;  // the generated tracks are 16-bit stereo

// The whole track decoded at once, to compare the buffer with.
const std::vector<uint8_t>& Decoded() {
  static const std::vector<uint8_t> decoded = [] {
    std::vector<uint8_t> bytes;
    auto decoder = platform::MusicDecoder::Open(TrackPath);
    if (!decoder) return bytes;
    std::vector<uint8_t> piece(16384);
    while (uint32_t read = decoder->Read(piece.data(), static_cast<uint32_t>(piece.size()))) {
      bytes.insert(bytes.end(), piece.begin(), piece.begin() + read);
    }
    return bytes;
  }();
  return decoded;
}

// The decoded bytes from the given stream offset on, going round to the start at the end.
std::vector<uint8_t> DecodedFrom(size_t offset, size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = Decoded()[(offset + i) % Decoded().size()];
  return bytes;
}

std::vector<uint8_t> Contents(const MusicTrack& track, uint32_t offset, uint32_t size) {
  std::vector<uint8_t> bytes(size);
  track.Buffer().ReadBack(offset, bytes.data(), size);
  return bytes;
}

class MusicTrackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = platform::OpenMemoryAudioDevice();
    track_ = MusicTrack::Open(*device_, TrackPath);
    ASSERT_NE(track_, nullptr);
    ASSERT_EQ(Decoded().size() % 4, 0u);
    ASSERT_GT(Decoded().size(), 20u * 44100u * 4u) << "a track of 20 seconds or more";
    std::vector<int16_t> probe(2);
    if (!device_->Render(probe.data(), 1)) GTEST_SKIP() << "no memory rendering on this machine";
  }

  double Level(uint32_t frames) {
    std::vector<int16_t> samples(frames * 2);
    device_->Render(samples.data(), frames);
    double sum = 0.0;
    for (int16_t sample : samples) sum += static_cast<double>(sample) * sample;
    return std::sqrt(sum / static_cast<double>(samples.size()));
  }

  // Plays one half's worth of the buffer, then runs the refill check once.
  void PlayHalfAndUpdate() {
    Level(HalfFrames);
    track_->Update();
  }

  std::unique_ptr<platform::AudioDevice> device_;
  std::unique_ptr<MusicTrack> track_;
};

TEST_F(MusicTrackTest, OpenFillsTheWholeBufferAndLeavesItStopped) {
  EXPECT_EQ(track_->GetPath(), TrackPath);
  EXPECT_EQ(track_->Buffer().Size(), 81920u);
  EXPECT_EQ(Contents(*track_, 0, 81920), DecodedFrom(0, 81920));
  EXPECT_FALSE(track_->Buffer().IsPlaying());
  EXPECT_FALSE(track_->looping);
  EXPECT_EQ(track_->currentHalf, 0u);
  Level(HalfFrames * 3);
  track_->Update();
  EXPECT_EQ(track_->Buffer().PlayPosition(), 0u);
  EXPECT_EQ(Contents(*track_, 0, 81920), DecodedFrom(0, 81920));
}

TEST_F(MusicTrackTest, RefillsOnlyWhenThePlayPositionCrossesIntoTheOtherHalf) {
  track_->Play();
  EXPECT_TRUE(track_->looping);
  Level(HalfFrames - 100);
  track_->Update();
  track_->Update();
  EXPECT_EQ(track_->currentHalf, 0u);
  EXPECT_EQ(Contents(*track_, 0, 81920), DecodedFrom(0, 81920));

  Level(200);
  track_->Update();
  EXPECT_EQ(track_->currentHalf, 1u);
  EXPECT_EQ(Contents(*track_, 0, Half), DecodedFrom(81920, Half));
  EXPECT_EQ(Contents(*track_, Half, Half), DecodedFrom(Half, Half));
  track_->Update();
  EXPECT_EQ(Contents(*track_, 0, Half), DecodedFrom(81920, Half));

  PlayHalfAndUpdate();
  EXPECT_EQ(track_->currentHalf, 0u);
  EXPECT_EQ(Contents(*track_, Half, Half), DecodedFrom(81920 + Half, Half));
}

TEST_F(MusicTrackTest, LoopJoinsTheTailToTheHead) {
  track_->Play();
  const size_t total = Decoded().size();
  size_t next = 81920;
  bool joined = false;
  for (int refill = 0; !joined || refill % 2 == 1; ++refill) {
    ASSERT_LT(refill, 1000);
    PlayHalfAndUpdate();
    const uint32_t refilled = refill % 2 == 0 ? 0 : Half;
    ASSERT_EQ(Contents(*track_, refilled, Half), DecodedFrom(next, Half)) << "refill " << refill;
    joined = joined || next + Half > total;
    next = (next + Half) % total;
  }
  EXPECT_TRUE(track_->Buffer().IsPlaying());
}

TEST_F(MusicTrackTest, WithoutLoopingTheBufferStopsAtTheEnd) {
  track_->Play();
  track_->looping = false;
  const size_t total = Decoded().size();
  size_t next = 81920;
  int refill = 0;
  while (next + Half <= total) {
    PlayHalfAndUpdate();
    next += Half;
    ++refill;
    ASSERT_TRUE(track_->Buffer().IsPlaying());
  }
  const uint32_t last = refill % 2 == 0 ? 0 : Half;
  const std::vector<uint8_t> before = Contents(*track_, last, Half);
  PlayHalfAndUpdate();
  EXPECT_FALSE(track_->Buffer().IsPlaying());
  // The end of the track, then the bytes the half held before.
  const size_t tail = total - next;
  std::vector<uint8_t> expected = DecodedFrom(next, tail);
  expected.insert(expected.end(), before.begin() + static_cast<std::ptrdiff_t>(tail), before.end());
  EXPECT_EQ(Contents(*track_, last, Half), expected);
}

// A pipe cannot seek, so the track cannot start again at its end.
TEST_F(MusicTrackTest, LoopingStreamThatCannotRewindEndsInSilence) {
  TempFolder folder;
  const std::filesystem::path pipePath = folder.Path() / "music.ogg";
  ASSERT_EQ(mkfifo(pipePath.c_str(), 0600), 0);
  // Opened for both ends, so the open does not wait and the data stays until the track reads it.
  const int pipe = open(pipePath.c_str(), O_RDWR);
  ASSERT_GE(pipe, 0);
  std::ifstream file(TrackPath, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (fcntl(pipe, F_SETPIPE_SZ, static_cast<int>(bytes.size())) < static_cast<int>(bytes.size())) {
    close(pipe);
    GTEST_SKIP() << "pipes cannot hold the whole track here";
  }
  ASSERT_EQ(write(pipe, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  track_ = MusicTrack::Open(*device_, pipePath.string());
  close(pipe);
  ASSERT_NE(track_, nullptr);

  track_->Play();
  const size_t total = Decoded().size();
  size_t next = 81920;
  for (int refill = 0; next < total + 2 * Half; ++refill) {
    ASSERT_LT(refill, 1000);
    PlayHalfAndUpdate();
    const uint32_t refilled = refill % 2 == 0 ? 0 : Half;
    std::vector<uint8_t> expected(Half, 0);
    if (next < total) {
      const size_t tail = std::min<size_t>(Half, total - next);
      const std::vector<uint8_t> decoded = DecodedFrom(next, tail);
      std::copy(decoded.begin(), decoded.end(), expected.begin());
    }
    ASSERT_EQ(Contents(*track_, refilled, Half), expected) << "refill " << refill;
    next += Half;
  }
  EXPECT_TRUE(track_->Buffer().IsPlaying());
}

TEST_F(MusicTrackTest, PlayingTrackIsHeardAndStoppedOneIsSilent) {
  EXPECT_LT(Level(4096), 5.0);
  track_->Play();
  EXPECT_GT(Level(4096), 100.0);
  track_->Stop();
  EXPECT_FALSE(track_->Buffer().IsPlaying());
  Level(256);
  EXPECT_LT(Level(4096), 5.0);
}

TEST_F(MusicTrackTest, VolumeMapsTheScaleOntoFortyDecibels) {
  const std::pair<float, int32_t> cases[] = {
      {100.0f, 0}, {70.0f, -1200}, {0.0f, -4000}, {150.0f, 0}, {-10.0f, -4000}, {50.0f, -2000},
      {std::numeric_limits<float>::quiet_NaN(), -4000},
  };
  for (const auto& [volume, hundredths] : cases) {
    track_->SetVolume(volume);
    EXPECT_EQ(track_->Buffer().Volume(), hundredths) << volume;
  }
}

TEST(MusicTrackOpenTest, FailedOpenGivesNoTrack) {
  auto device = platform::OpenMemoryAudioDevice();
  TempFolder folder;
  const std::filesystem::path notVorbis = folder.Path() / "noise.ogg";
  std::ofstream(notVorbis, std::ios::binary) << std::string(5000, 'q');
  const std::filesystem::path empty = folder.Path() / "empty.ogg";
  std::ofstream(empty, std::ios::binary).flush();
  EXPECT_EQ(MusicTrack::Open(*device, (folder.Path() / "missing.ogg").string()), nullptr);
  EXPECT_EQ(MusicTrack::Open(*device, notVorbis.string()), nullptr);
  EXPECT_EQ(MusicTrack::Open(*device, empty.string()), nullptr);
  EXPECT_EQ(MusicTrack::Open(*device, folder.Path().string()), nullptr);
}

TEST(MusicTrackOpenTest, SilentDeviceTrackWorksAndNeverRefills) {
  auto device = platform::CreateSilentAudioDevice();
  auto track = MusicTrack::Open(*device, TrackPath);
  ASSERT_NE(track, nullptr);
  track->Play();
  for (int frame = 0; frame < 100; ++frame) track->Update();
  EXPECT_EQ(track->currentHalf, 0u);
  EXPECT_EQ(Contents(*track, 0, 81920), DecodedFrom(0, 81920));
  track->SetVolume(70.0f);
  EXPECT_EQ(track->Buffer().Volume(), -1200);
}

}  // namespace
