#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/MusicDecoder.h"

// One Ogg Vorbis file decoded while it plays into a looping buffer of two halves: whenever the
// play position has moved into the other half, the half just played is refilled.
class MusicTrack {
 public:
  static constexpr uint32_t BufferBytes = 81920;
  static constexpr uint32_t HalfBytes = BufferBytes / 2;

  // Opens the file and fills the whole buffer, left stopped. Null when the file is missing or
  // not Ogg Vorbis, or the device cannot play its format.
  static std::unique_ptr<MusicTrack> Open(platform::AudioDevice& device, std::string path);
  ~MusicTrack();
  MusicTrack(const MusicTrack&) = delete;
  MusicTrack& operator=(const MusicTrack&) = delete;

  static constexpr float FullVolume = 100.0f;

  std::string GetPath() const { return path_; }
  // 0 to FullVolume: full plays at full level, each step below takes 0.4 dB off, down to 40 dB.
  void SetVolume(float volume);
  // The refill check; runs once per frame while the track is current.
  void Update();
  // Starts playing round the buffer from where it stands, looping at the end of the stream.
  void Play();
  // Stops where it stands.
  void Stop();

  const platform::StreamBuffer& Buffer() const { return *buffer_; }

  // The half in which the play position stood at the last refill check.
  uint32_t currentHalf = 0;
  // At the end of the stream: on, decoding goes on from the first sample; off, the buffer stops.
  bool looping = false;

 private:
  MusicTrack(std::string path, std::unique_ptr<platform::MusicDecoder> decoder,
             std::unique_ptr<platform::StreamBuffer> buffer);
  // Decodes into region from the given byte on until it is full or the stream ends; returns
  // the bytes filled.
  uint32_t Decode(uint8_t* region, uint32_t from, uint32_t size);
  void Refill(uint32_t offset);

  std::string path_;
  std::unique_ptr<platform::MusicDecoder> decoder_;
  std::unique_ptr<platform::StreamBuffer> buffer_;
};
