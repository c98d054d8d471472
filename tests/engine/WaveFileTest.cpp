#include "engine/WaveFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/Sound.h"
#include "support/TempFolder.h"

namespace {

void Put16(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::string Chunk(const std::string& tag, const std::string& body, uint32_t declared) {
  std::string out = tag;
  Put32(out, declared);
  return out + body;
}

std::string FormatBody(uint16_t tag, uint16_t channels, uint16_t bits) {
  std::string body;
  Put16(body, tag);
  Put16(body, channels);
  Put32(body, 44100);
  Put32(body, 44100u * channels * bits / 8);
  Put16(body, channels * bits / 8u);
  Put16(body, bits);
  return body;
}

std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  Put32(out, static_cast<uint32_t>(4 + chunks.size()));
  return out + "WAVE" + chunks;
}

std::string Samples(size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
  return out;
}

// The canonical layout: format chunk of 16 bytes at 12, data chunk at 36, samples from 44.
std::string Canonical(const std::string& samples, uint16_t channels = 1, uint16_t bits = 16) {
  return Riff(Chunk("fmt ", FormatBody(1, channels, bits), 16) +
              Chunk("data", samples, static_cast<uint32_t>(samples.size())));
}

class WaveFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (folder_.Path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  TempFolder folder_;
};

TEST_F(WaveFileTest, CanonicalFileLoadsByteForByte) {
  const std::string samples = Samples(2000);
  const std::string bytes = Canonical(samples);
  ASSERT_EQ(bytes.size(), 44u + samples.size());
  const auto wave = ReadWaveFile(Write("a.wav", bytes));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.channels, 1);
  EXPECT_EQ(wave->format.samplesPerSecond, 44100u);
  EXPECT_EQ(wave->format.bitsPerSample, 16);
  EXPECT_EQ(std::string(wave->samples.begin(), wave->samples.end()), bytes.substr(44));
}

TEST_F(WaveFileTest, ChunksAroundTheSamplesAreSkipped) {
  const std::string samples = Samples(400);
  // A list chunk of odd length (padded), a format chunk with an extension, a fact chunk.
  const std::string bytes =
      Riff(Chunk("LIST", "abcde", 5) + std::string(1, '\0') +
           Chunk("fmt ", FormatBody(1, 1, 16) + std::string(2, '\0'), 18) +
           Chunk("fact", "1234", 4) + Chunk("data", samples, 400) + Chunk("junk", "xy", 2));
  const auto wave = ReadWaveFile(Write("b.wav", bytes));
  ASSERT_TRUE(wave);
  EXPECT_EQ(std::string(wave->samples.begin(), wave->samples.end()), samples);
}

TEST_F(WaveFileTest, DeclaredSizeIsCutToTheBytesPresent) {
  const std::string samples = Samples(1001);  // an odd byte: half a sample
  for (uint32_t declared : {5000u, 0xFFFFFFF0u}) {
    const std::string bytes = Riff(Chunk("fmt ", FormatBody(1, 1, 16), 16) +
                                   Chunk("data", samples, declared));
    const auto wave = ReadWaveFile(Write("c.wav", bytes));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples.size(), 1000u);
  }
}

TEST_F(WaveFileTest, StereoIsMixedToMono) {
  std::string samples;
  for (int16_t left : {1000, -2000, 32767, -32768}) {
    Put16(samples, static_cast<uint16_t>(left));
    Put16(samples, static_cast<uint16_t>(left == 32767 ? 32767 : 0));
  }
  const auto wave = ReadWaveFile(Write("d.wav", Canonical(samples, 2)));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format.channels, 1);
  ASSERT_EQ(wave->samples.size(), 8u);
  auto sample = [&](size_t i) {
    return static_cast<int16_t>(wave->samples[2 * i] | wave->samples[2 * i + 1] << 8);
  };
  EXPECT_EQ(sample(0), 500);
  EXPECT_EQ(sample(1), -1000);
  EXPECT_EQ(sample(2), 32767);
  EXPECT_EQ(sample(3), -16384);

  const auto eight = ReadWaveFile(Write("e.wav", Canonical(std::string("\x10\x30\xFF\xFF", 4), 2, 8)));
  ASSERT_TRUE(eight);
  EXPECT_EQ(std::vector<uint8_t>(eight->samples), (std::vector<uint8_t>{0x20, 0xFF}));
}

TEST_F(WaveFileTest, UnusableFilesGiveNothing) {
  const std::string samples = Samples(100);
  const std::string canonical = Canonical(samples);
  EXPECT_FALSE(ReadWaveFile((folder_.Path() / "missing.wav").string()));
  EXPECT_FALSE(ReadWaveFile(Write("empty.wav", "")));
  EXPECT_FALSE(ReadWaveFile(Write("header.wav", canonical.substr(0, 30))));
  EXPECT_FALSE(ReadWaveFile(Write("nodata.wav", canonical.substr(0, 36))));
  EXPECT_FALSE(ReadWaveFile(Write("nosamples.wav", canonical.substr(0, 44))));
  EXPECT_FALSE(ReadWaveFile(Write("text.wav", std::string(100, 'x'))));
  EXPECT_FALSE(ReadWaveFile(Write("float.wav", Riff(Chunk("fmt ", FormatBody(3, 1, 32), 16) +
                                                    Chunk("data", samples, 100)))));
  EXPECT_FALSE(ReadWaveFile(Write("surround.wav", Canonical(Samples(120), 6))));
  EXPECT_FALSE(ReadWaveFile(Write("24bit.wav", Canonical(Samples(120), 1, 24))));
}

TEST_F(WaveFileTest, UnusableFileGivesASilentSound) {
  auto device = platform::OpenMemoryAudioDevice();
  for (const std::string& bytes : {std::string(), Canonical(Samples(100)).substr(0, 40),
                                   Canonical(Samples(120), 6)}) {
    Sound sound(device.get(), Write("bad.wav", bytes));
    EXPECT_FALSE(sound.Loaded());
    EXPECT_EQ(sound.BufferSize(), 0u);
    sound.SetPosition({1.0f, 2.0f, 3.0f});
    EXPECT_EQ(sound.x, 1.0f);
    sound.Play();
    sound.PlayLooping();
    EXPECT_FALSE(sound.IsPlaying());
    sound.Stop();
  }
  Sound missing(device.get(), (folder_.Path() / "none.wav").string());
  EXPECT_FALSE(missing.Loaded());
  Sound deviceless(nullptr, Write("good.wav", Canonical(Samples(100))));
  EXPECT_FALSE(deviceless.Loaded());
  deviceless.Play();
}

}  // namespace
