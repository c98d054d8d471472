#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/MusicTrack.h"
#include "engine/Sound.h"

class SoundSystem;

// The program-wide audio holder: the current music track and the effects loaded at start-up.
class SoundBank {
 public:
  explicit SoundBank(SoundSystem& system);
  ~SoundBank();
  SoundBank(const SoundBank&) = delete;
  SoundBank& operator=(const SoundBank&) = delete;

  // Makes the track of that path current and leaves it stopped. The current track's own path
  // keeps it where it stands; a file that cannot be opened leaves no track.
  void PlayMusic(std::string path);
  void StopMusic();

  std::unique_ptr<MusicTrack> music;
  std::vector<std::unique_ptr<Sound>> effects;

 private:
  SoundSystem& system_;
};
