#pragma once

#include <cstdint>
#include <memory>

#include "platform/MathTypes.h"

namespace platform {

// What the device mixes into: 44100 frames per second of 16-bit stereo.
constexpr uint32_t OutputSampleRate = 44100;
constexpr uint32_t OutputChannels = 2;

// Interleaved PCM samples: 8-bit unsigned or 16-bit signed little-endian.
struct PcmFormat {
  uint16_t channels = 1;
  uint32_t samplesPerSecond = OutputSampleRate;
  uint16_t bitsPerSample = 16;

  uint32_t BlockAlign() const { return channels * (bitsPerSample / 8u); }
  // Mono or stereo, 8 or 16 bits: what every device takes.
  bool Playable() const {
    return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16) &&
           samplesPerSecond > 0;
  }
};

// One effect held whole and heard from a place in the world. Positions are in world units
// with x to the right, y up and z away from the viewer.
class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;

  virtual uint32_t Size() const = 0;
  virtual void SetPosition(const Vector3& position) = 0;
  // Back to the first sample; a playing buffer goes on from there.
  virtual void Rewind() = 0;
  // Plays from where the buffer stands, once or over and over; a playing buffer keeps its place.
  virtual void Play(bool looping) = 0;
  // Stops and keeps the place, so that a later Play goes on from it.
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
  virtual bool IsLooping() const = 0;
};

// A looping ring of samples that plays on its own while its owner refills the part the play
// position has left. Nobody feeding it means the old contents are heard again.
class StreamBuffer {
 public:
  virtual ~StreamBuffer() = default;

  virtual uint32_t Size() const = 0;
  // Replaces bytes of the ring; the part before the play position is heard when it comes round.
  virtual void Write(uint32_t offset, const uint8_t* data, uint32_t size) = 0;
  // Copies bytes of the ring as it holds them now.
  virtual void ReadBack(uint32_t offset, uint8_t* data, uint32_t size) const = 0;
  // Plays round and round from the play position.
  virtual void Play() = 0;
  // Stops and keeps the play position.
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
  // Byte offset in the ring of the sample being heard.
  virtual uint32_t PlayPosition() const = 0;
  // Attenuation in hundredths of a decibel, 0 (full) down to -10000.
  virtual void SetVolume(int32_t hundredthsOfDecibel) = 0;
  virtual int32_t Volume() const = 0;
};

// The output with its one listener. Every buffer it makes stays usable after the device is
// gone; it is then silent.
class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // Null when the format is not 8 or 16-bit mono or stereo PCM.
  virtual std::unique_ptr<SoundBuffer> CreateSoundBuffer(const PcmFormat& format,
                                                         const uint8_t* data, uint32_t size) = 0;
  // A ring of the given size, silent at first; null for a format the device cannot play.
  virtual std::unique_ptr<StreamBuffer> CreateStreamBuffer(const PcmFormat& format,
                                                           uint32_t size) = 0;
  virtual void SetListenerPosition(const Vector3& position) = 0;
  virtual Vector3 ListenerPosition() const = 0;
  // Mixes the next frames into interleaved stereo samples and moves every play position on
  // by them. Only a device that renders into memory can; the others answer false.
  virtual bool Render(int16_t* samples, uint32_t frames) = 0;
};

// The default output of the machine; a silent device when there is none.
std::unique_ptr<AudioDevice> OpenSpeakerAudioDevice();
// A device that plays only when asked to render into memory; silent when that is not available.
std::unique_ptr<AudioDevice> OpenMemoryAudioDevice();
// A device on which everything works and nothing is heard.
std::unique_ptr<AudioDevice> CreateSilentAudioDevice();

}  // namespace platform
