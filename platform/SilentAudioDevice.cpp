#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/AudioDevice.h"

namespace platform {

namespace {

class SilentSoundBuffer : public SoundBuffer {
 public:
  explicit SilentSoundBuffer(uint32_t size) : size_(size) {}

  uint32_t Size() const override { return size_; }
  void SetPosition(const Vector3&) override {}
  void Rewind() override {}
  void Play(bool) override {}
  void Stop() override {}
  bool IsPlaying() const override { return false; }
  bool IsLooping() const override { return false; }

 private:
  uint32_t size_;
};

// Keeps what is written, so its owner reads back what it wrote; the position never moves.
class SilentStreamBuffer : public StreamBuffer {
 public:
  explicit SilentStreamBuffer(uint32_t size) : ring_(size, 0) {}

  uint32_t Size() const override { return static_cast<uint32_t>(ring_.size()); }

  void Write(uint32_t offset, const uint8_t* data, uint32_t size) override {
    if (offset >= ring_.size()) return;
    std::memcpy(ring_.data() + offset, data, std::min<size_t>(size, ring_.size() - offset));
  }

  void ReadBack(uint32_t offset, uint8_t* data, uint32_t size) const override {
    if (offset >= ring_.size()) return;
    std::memcpy(data, ring_.data() + offset, std::min<size_t>(size, ring_.size() - offset));
  }

  void Play() override {}
  void Stop() override {}
  bool IsPlaying() const override { return false; }
  uint32_t PlayPosition() const override { return 0; }
  void SetVolume(int32_t hundredthsOfDecibel) override { volume_ = hundredthsOfDecibel; }
  int32_t Volume() const override { return volume_; }

 private:
  std::vector<uint8_t> ring_;
  int32_t volume_ = 0;
};

class SilentAudioDevice : public AudioDevice {
 public:
  std::unique_ptr<SoundBuffer> CreateSoundBuffer(const PcmFormat& format, const uint8_t*,
                                                 uint32_t size) override {
    if (!format.Playable()) return nullptr;
    return std::make_unique<SilentSoundBuffer>(size);
  }

  std::unique_ptr<StreamBuffer> CreateStreamBuffer(const PcmFormat& format,
                                                   uint32_t size) override {
    if (!format.Playable()) return nullptr;
    return std::make_unique<SilentStreamBuffer>(size);
  }

  void SetListenerPosition(const Vector3& position) override { listener_ = position; }
  Vector3 ListenerPosition() const override { return listener_; }
  bool Render(int16_t*, uint32_t) override { return false; }

 private:
  Vector3 listener_;
};

}  // namespace

std::unique_ptr<AudioDevice> CreateSilentAudioDevice() {
  return std::make_unique<SilentAudioDevice>();
}

}  // namespace platform
