#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/AudioDevice.h"

// One short effect read whole from a WAV file and heard from where it was last placed.
// A file that cannot be loaded gives a silent sound whose operations do nothing.
class Sound {
 public:
  Sound(platform::AudioDevice* device, std::string path);
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  void SetPosition(const platform::Vector3& position);
  // Once from the start; a sound that is playing starts again.
  void Play();
  // Over and over, from where it stands.
  void PlayLooping();
  // Stops where it stands.
  void Stop();
  // Playing once: a looping sound does not count, as only the plain playing status does.
  bool IsPlaying() const;
  // Playing over and over.
  bool IsLooping() const;

  const std::string& GetPath() const { return path_; }
  bool Loaded() const { return buffer_ != nullptr; }
  // Bytes of samples held; 0 for a silent sound.
  uint32_t BufferSize() const;

  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

 private:
  std::string path_;
  std::unique_ptr<platform::SoundBuffer> buffer_;
};
