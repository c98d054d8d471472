#include "engine/MusicTrack.h"

#include <vector>

#include "engine/FileIO.h"

namespace {

constexpr uint16_t SampleBits = 16;
constexpr float VolumeRangeDecibels = 40.0f;
constexpr float HundredthsPerDecibel = 100.0f;
constexpr float FloorHundredths = -4000.0f;

}  // namespace

MusicTrack::MusicTrack(std::string path, std::unique_ptr<platform::MusicDecoder> decoder,
                       std::unique_ptr<platform::StreamBuffer> buffer)
    : path_(std::move(path)), decoder_(std::move(decoder)), buffer_(std::move(buffer)) {}

MusicTrack::~MusicTrack() { buffer_->Stop(); }

std::unique_ptr<MusicTrack> MusicTrack::Open(platform::AudioDevice& device, std::string path) {
  std::unique_ptr<platform::MusicDecoder> decoder = platform::MusicDecoder::Open(NativePath(path));
  if (!decoder || decoder->Channels() <= 0) return nullptr;
  const platform::PcmFormat format{static_cast<uint16_t>(decoder->Channels()),
                                   decoder->SampleRate(), SampleBits};
  std::unique_ptr<platform::StreamBuffer> buffer = device.CreateStreamBuffer(format, BufferBytes);
  if (!buffer) return nullptr;
  std::unique_ptr<MusicTrack> track(
      new MusicTrack(std::move(path), std::move(decoder), std::move(buffer)));
  // A track shorter than the buffer leaves silence after its end.
  std::vector<uint8_t> whole(BufferBytes, 0);
  track->Decode(whole.data(), 0, BufferBytes);
  track->buffer_->Write(0, whole.data(), BufferBytes);
  return track;
}

void MusicTrack::SetVolume(float volume) {
  // Each step is kept in single precision, so 70 gives exactly -1200.
  const float scaled = volume / FullVolume * VolumeRangeDecibels;
  const float below = VolumeRangeDecibels - scaled;
  float level = VolumeRangeDecibels - below;
  if (!(level > 0.0f)) level = 0.0f;
  if (level > VolumeRangeDecibels) level = VolumeRangeDecibels;
  buffer_->SetVolume(static_cast<int32_t>(level * HundredthsPerDecibel + FloorHundredths));
}

void MusicTrack::Update() {
  const uint32_t half = buffer_->PlayPosition() >= HalfBytes ? 1 : 0;
  if (half == currentHalf) return;
  Refill(currentHalf * HalfBytes);
  currentHalf = half;
}

void MusicTrack::Play() {
  buffer_->Play();
  looping = true;
  currentHalf = 0;
}

void MusicTrack::Stop() { buffer_->Stop(); }

uint32_t MusicTrack::Decode(uint8_t* region, uint32_t from, uint32_t size) {
  while (from < size) {
    const uint32_t read = decoder_->Read(region + from, size - from);
    if (read == 0) break;
    from += read;
  }
  return from;
}

void MusicTrack::Refill(uint32_t offset) {
  std::vector<uint8_t> region(HalfBytes);
  uint32_t filled = Decode(region.data(), 0, HalfBytes);
  if (filled < HalfBytes) {
    if (looping) {
      if (decoder_->Rewind()) Decode(region.data(), filled, HalfBytes);
      // A stream that cannot start again gives silence, not its last bytes over and over.
      filled = HalfBytes;
    } else {
      buffer_->Stop();
    }
  }
  // Without looping, what the stream could not fill keeps its old bytes; the buffer is stopped.
  buffer_->Write(offset, region.data(), filled);
}
