#include "engine/Sound.h"

#include "engine/FileIO.h"
#include "engine/WaveFile.h"

Sound::Sound(platform::AudioDevice* device, std::string path) : path_(std::move(path)) {
  if (!device) return;
  const std::optional<WaveData> wave = ReadWaveFile(NativePath(path_));
  if (!wave) return;
  buffer_ = device->CreateSoundBuffer(wave->format, wave->samples.data(),
                                      static_cast<uint32_t>(wave->samples.size()));
  SetPosition({0.0f, 0.0f, 0.0f});
}

void Sound::SetPosition(const platform::Vector3& position) {
  x = position.x;
  y = position.y;
  z = position.z;
  if (buffer_) buffer_->SetPosition(position);
}

void Sound::Play() {
  if (!buffer_) return;
  buffer_->Rewind();
  buffer_->Play(false);
}

void Sound::PlayLooping() {
  if (buffer_) buffer_->Play(true);
}

void Sound::Stop() {
  if (buffer_) buffer_->Stop();
}

bool Sound::IsPlaying() const {
  return buffer_ && buffer_->IsPlaying() && !buffer_->IsLooping();
}

bool Sound::IsLooping() const { return buffer_ && buffer_->IsPlaying() && buffer_->IsLooping(); }

uint32_t Sound::BufferSize() const { return buffer_ ? buffer_->Size() : 0; }
