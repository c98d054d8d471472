#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/AudioDevice.h"

namespace platform {

namespace {

// The effects' 3D rules: full level within one unit, then inverse distance with no far limit.
constexpr float ReferenceDistance = 1.0f;
constexpr float RolloffFactor = 1.0f;
constexpr float MaxDistance = 1.0e9f;

// A stream is handed to the mixer in short pieces, a few ahead of the play position, so that a
// refill of the ring is heard the next time the position comes round to it.
constexpr uint32_t SegmentBytes = 4096;
constexpr int QueuedSegments = 4;
// How often the speaker device tops up the streams, and how finely memory rendering does.
constexpr std::chrono::milliseconds PumpPeriod{10};
constexpr uint32_t RenderSliceFrames = 256;

constexpr int32_t SilentVolume = -10000;
constexpr float HundredthsPerDecibel = 100.0f;
constexpr float DecibelsPerGainDecade = 20.0f;

// OpenAL's current context is process-wide, and the speaker device pumps on its own thread:
// every call into the library goes through this one lock.
std::mutex& LibraryMutex() {
  static std::mutex mutex;
  return mutex;
}

class AlStreamBuffer;

// The opened device and its context; shared by the device object and every buffer, so the
// library objects are released after the last of them.
struct AlOutput {
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;
  LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
  std::vector<AlStreamBuffer*> streams;
  Vector3 listener;

  ~AlOutput() {
    std::lock_guard<std::mutex> lock(LibraryMutex());
    if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
  }
};

// Holds the library lock with the output's context current.
class AlLock {
 public:
  explicit AlLock(const AlOutput& output) : lock_(LibraryMutex()) {
    if (alcGetCurrentContext() != output.context) alcMakeContextCurrent(output.context);
  }

 private:
  std::lock_guard<std::mutex> lock_;
};

ALenum AlFormat(const PcmFormat& format) {
  if (format.channels == 1) return format.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
  return format.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

// The game's z grows away from the viewer; OpenAL's toward the listener's back.
void ToAlPosition(const Vector3& position, ALfloat (&out)[3]) {
  out[0] = position.x;
  out[1] = position.y;
  out[2] = -position.z;
}

class AlSoundBuffer : public SoundBuffer {
 public:
  AlSoundBuffer(std::shared_ptr<AlOutput> output, ALuint buffer, ALuint source, uint32_t size)
      : output_(std::move(output)), buffer_(buffer), source_(source), size_(size) {}

  ~AlSoundBuffer() override {
    AlLock lock(*output_);
    alSourceStop(source_);
    alDeleteSources(1, &source_);
    alDeleteBuffers(1, &buffer_);
  }

  uint32_t Size() const override { return size_; }

  void SetPosition(const Vector3& position) override {
    AlLock lock(*output_);
    ALfloat at[3];
    ToAlPosition(position, at);
    alSourcefv(source_, AL_POSITION, at);
  }

  void Rewind() override {
    AlLock lock(*output_);
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alSourceRewind(source_);
    // A rewound buffer that was playing goes on from the start.
    if (state == AL_PLAYING) alSourcePlay(source_);
  }

  void Play(bool looping) override {
    AlLock lock(*output_);
    looping_ = looping;
    alSourcei(source_, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(source_);
  }

  void Stop() override {
    AlLock lock(*output_);
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) alSourcePause(source_);
  }

  bool IsPlaying() const override {
    AlLock lock(*output_);
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
  }

  bool IsLooping() const override { return looping_; }

 private:
  std::shared_ptr<AlOutput> output_;
  ALuint buffer_;
  ALuint source_;
  uint32_t size_;
  bool looping_ = false;
};

// The ring lives here; the mixer gets copies of its pieces shortly before they are heard.
class AlStreamBuffer : public StreamBuffer {
 public:
  AlStreamBuffer(std::shared_ptr<AlOutput> output, const PcmFormat& format, uint32_t size,
                 ALuint source, const std::vector<ALuint>& pieces)
      : output_(std::move(output)),
        format_(format),
        alFormat_(AlFormat(format)),
        ring_(size, format.bitsPerSample == 8 ? 0x80 : 0),
        source_(source),
        free_(pieces),
        pieces_(pieces) {
    AlLock lock(*output_);
    output_->streams.push_back(this);
  }

  ~AlStreamBuffer() override {
    AlLock lock(*output_);
    std::erase(output_->streams, this);
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    alDeleteSources(1, &source_);
    alDeleteBuffers(static_cast<ALsizei>(pieces_.size()), pieces_.data());
  }

  uint32_t Size() const override { return static_cast<uint32_t>(ring_.size()); }

  void Write(uint32_t offset, const uint8_t* data, uint32_t size) override {
    AlLock lock(*output_);
    if (offset >= ring_.size()) return;
    std::memcpy(ring_.data() + offset, data, std::min<size_t>(size, ring_.size() - offset));
  }

  void ReadBack(uint32_t offset, uint8_t* data, uint32_t size) const override {
    AlLock lock(*output_);
    if (offset >= ring_.size()) return;
    std::memcpy(data, ring_.data() + offset, std::min<size_t>(size, ring_.size() - offset));
  }

  void Play() override {
    AlLock lock(*output_);
    if (playing_) return;
    playing_ = true;
    const uint32_t within = stoppedAt_ % SegmentBytes;
    next_ = stoppedAt_ - within;
    QueueFreePieces();
    alSourcei(source_, AL_BYTE_OFFSET, static_cast<ALint>(within));
    alSourcePlay(source_);
  }

  void Stop() override {
    AlLock lock(*output_);
    if (!playing_) return;
    stoppedAt_ = CurrentPosition();
    playing_ = false;
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    for (const Piece& piece : queued_) free_.push_back(piece.buffer);
    queued_.clear();
  }

  bool IsPlaying() const override {
    AlLock lock(*output_);
    return playing_;
  }

  uint32_t PlayPosition() const override {
    AlLock lock(*output_);
    return playing_ ? CurrentPosition() : stoppedAt_;
  }

  void SetVolume(int32_t hundredthsOfDecibel) override {
    AlLock lock(*output_);
    volume_ = std::clamp(hundredthsOfDecibel, SilentVolume, 0);
    const float decibels = static_cast<float>(volume_) / HundredthsPerDecibel;
    alSourcef(source_, AL_GAIN, std::pow(10.0f, decibels / DecibelsPerGainDecade));
  }

  int32_t Volume() const override {
    AlLock lock(*output_);
    return volume_;
  }

  // Gives back the pieces the mixer has finished and hands it the next ones. Called with the
  // library lock held.
  void Pump() {
    if (!playing_) return;
    ReclaimPlayedPieces();
    QueueFreePieces();
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    // The mixer ran dry (nobody pumped for a while): go on from where it stopped.
    if (state != AL_PLAYING) alSourcePlay(source_);
  }

 private:
  struct Piece {
    ALuint buffer;
    uint32_t offset;
  };

  void ReclaimPlayedPieces() const {
    ALint played = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &played);
    for (; played > 0 && !queued_.empty(); --played) {
      ALuint buffer = 0;
      alSourceUnqueueBuffers(source_, 1, &buffer);
      free_.push_back(buffer);
      queued_.pop_front();
    }
  }

  void QueueFreePieces() {
    while (!free_.empty()) {
      const ALuint buffer = free_.back();
      free_.pop_back();
      const uint32_t length = std::min<uint32_t>(SegmentBytes, Size() - next_);
      alBufferData(buffer, alFormat_, ring_.data() + next_, static_cast<ALsizei>(length),
                   static_cast<ALsizei>(format_.samplesPerSecond));
      alSourceQueueBuffers(source_, 1, &buffer);
      queued_.push_back({buffer, next_});
      next_ = (next_ + length) % Size();
    }
  }

  // The position of the sample being heard; the pieces already played are reclaimed first, so
  // the source's offset counts from the first piece still queued.
  uint32_t CurrentPosition() const {
    ReclaimPlayedPieces();
    if (queued_.empty()) return next_;
    ALint offset = 0;
    alGetSourcei(source_, AL_BYTE_OFFSET, &offset);
    return (queued_.front().offset + static_cast<uint32_t>(std::max(offset, 0))) % Size();
  }

  std::shared_ptr<AlOutput> output_;
  PcmFormat format_;
  ALenum alFormat_;
  std::vector<uint8_t> ring_;
  ALuint source_;
  // Reading the position gives back played pieces, so these change under const operations.
  mutable std::vector<ALuint> free_;
  mutable std::deque<Piece> queued_;
  std::vector<ALuint> pieces_;
  uint32_t next_ = 0;
  uint32_t stoppedAt_ = 0;
  bool playing_ = false;
  int32_t volume_ = 0;
};

class AlAudioDevice : public AudioDevice {
 public:
  explicit AlAudioDevice(std::shared_ptr<AlOutput> output) : output_(std::move(output)) {
    AlLock lock(*output_);
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    ALfloat origin[3] = {0.0f, 0.0f, 0.0f};
    alListenerfv(AL_POSITION, origin);
    // Nothing renders a memory device but Render, which tops the streams up itself.
    if (!output_->renderSamples) pump_ = std::thread([this] { PumpLoop(); });
  }

  ~AlAudioDevice() override {
    {
      std::lock_guard<std::mutex> lock(stopMutex_);
      stopping_ = true;
    }
    stopSignal_.notify_all();
    if (pump_.joinable()) pump_.join();
  }

  std::unique_ptr<SoundBuffer> CreateSoundBuffer(const PcmFormat& format, const uint8_t* data,
                                                 uint32_t size) override {
    if (!format.Playable()) return nullptr;
    AlLock lock(*output_);
    ALuint buffer = 0;
    ALuint source = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alGenSources(1, &source);
    // OpenAL takes whole sample frames only.
    const uint32_t whole = size - size % format.BlockAlign();
    alBufferData(buffer, AlFormat(format), data, static_cast<ALsizei>(whole),
                 static_cast<ALsizei>(format.samplesPerSecond));
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(source, AL_REFERENCE_DISTANCE, ReferenceDistance);
    alSourcef(source, AL_ROLLOFF_FACTOR, RolloffFactor);
    alSourcef(source, AL_MAX_DISTANCE, MaxDistance);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteSources(1, &source);
      alDeleteBuffers(1, &buffer);
      return nullptr;
    }
    return std::make_unique<AlSoundBuffer>(output_, buffer, source, size);
  }

  std::unique_ptr<StreamBuffer> CreateStreamBuffer(const PcmFormat& format,
                                                   uint32_t size) override {
    if (!format.Playable() || size == 0 || size % format.BlockAlign() != 0 ||
        SegmentBytes % format.BlockAlign() != 0) {
      return nullptr;
    }
    std::vector<ALuint> pieces(QueuedSegments, 0);
    ALuint source = 0;
    {
      AlLock lock(*output_);
      alGetError();
      alGenBuffers(QueuedSegments, pieces.data());
      alGenSources(1, &source);
      // Music is not placed in the world: it plays as recorded, wherever the listener is.
      alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
      alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
      if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source);
        alDeleteBuffers(QueuedSegments, pieces.data());
        return nullptr;
      }
    }
    return std::make_unique<AlStreamBuffer>(output_, format, size, source, pieces);
  }

  void SetListenerPosition(const Vector3& position) override {
    AlLock lock(*output_);
    output_->listener = position;
    ALfloat at[3];
    ToAlPosition(position, at);
    alListenerfv(AL_POSITION, at);
  }

  Vector3 ListenerPosition() const override {
    AlLock lock(*output_);
    return output_->listener;
  }

  bool Render(int16_t* samples, uint32_t frames) override {
    if (!output_->renderSamples) return false;
    while (frames > 0) {
      const uint32_t slice = std::min(frames, RenderSliceFrames);
      AlLock lock(*output_);
      for (AlStreamBuffer* stream : output_->streams) stream->Pump();
      output_->renderSamples(output_->device, samples, static_cast<ALCsizei>(slice));
      samples += slice * OutputChannels;
      frames -= slice;
    }
    return true;
  }

 private:
  void PumpLoop() {
    std::unique_lock<std::mutex> wait(stopMutex_);
    while (!stopSignal_.wait_for(wait, PumpPeriod, [this] { return stopping_; })) {
      AlLock lock(*output_);
      for (AlStreamBuffer* stream : output_->streams) stream->Pump();
    }
  }

  std::shared_ptr<AlOutput> output_;
  std::thread pump_;
  std::mutex stopMutex_;
  std::condition_variable stopSignal_;
  bool stopping_ = false;
};

// Looking for an output on a machine without one makes the sound libraries print errors that
// mean nothing to a player, who simply gets no sound: they are kept off the error stream.
class QuietErrorStream {
 public:
  QuietErrorStream() {
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) close(nowhere);
  }

  ~QuietErrorStream() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }

  QuietErrorStream(const QuietErrorStream&) = delete;
  QuietErrorStream& operator=(const QuietErrorStream&) = delete;

 private:
  int saved_ = -1;
};

std::unique_ptr<AudioDevice> MakeDevice(std::shared_ptr<AlOutput> output, const ALCint* attributes) {
  {
    std::lock_guard<std::mutex> lock(LibraryMutex());
    output->context = alcCreateContext(output->device, attributes);
  }
  if (!output->context) return CreateSilentAudioDevice();
  return std::make_unique<AlAudioDevice>(std::move(output));
}

}  // namespace

std::unique_ptr<AudioDevice> OpenSpeakerAudioDevice() {
  auto output = std::make_shared<AlOutput>();
  {
    std::lock_guard<std::mutex> lock(LibraryMutex());
    QuietErrorStream quiet;
    output->device = alcOpenDevice(nullptr);
  }
  if (!output->device) return CreateSilentAudioDevice();
  const ALCint attributes[] = {ALC_FREQUENCY, static_cast<ALCint>(OutputSampleRate), 0};
  return MakeDevice(std::move(output), attributes);
}

std::unique_ptr<AudioDevice> OpenMemoryAudioDevice() {
  auto output = std::make_shared<AlOutput>();
  {
    std::lock_guard<std::mutex> lock(LibraryMutex());
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return CreateSilentAudioDevice();
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    output->renderSamples =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoopback || !output->renderSamples) return CreateSilentAudioDevice();
    output->device = openLoopback(nullptr);
  }
  if (!output->device) return CreateSilentAudioDevice();
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                               ALC_FORMAT_TYPE_SOFT,     ALC_SHORT_SOFT,
                               ALC_FREQUENCY,            static_cast<ALCint>(OutputSampleRate),
                               0};
  return MakeDevice(std::move(output), attributes);
}

}  // namespace platform
