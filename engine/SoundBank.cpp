#include "engine/SoundBank.h"

#include "engine/SoundSystem.h"

namespace {

// Each hit is loaded twice, so that two of them can sound at once.
constexpr const char* BankEffectPaths[] = {
    "Content/Audio/hit9v2.wav",  "Content/Audio/hit9v2.wav",  "Content/Audio/hit10v2.wav",
    "Content/Audio/hit10v2.wav", "Content/Audio/hit11v2.wav", "Content/Audio/hit11v2.wav",
};

}  // namespace

SoundBank::SoundBank(SoundSystem& system) : system_(system) {
  for (const char* path : BankEffectPaths) {
    effects.push_back(std::make_unique<Sound>(system_.device.get(), path));
  }
}

SoundBank::~SoundBank() {
  music.reset();
  effects.clear();
}

void SoundBank::PlayMusic(std::string path) {
  if (!music || music->GetPath() != path) {
    music.reset();
    music = MusicTrack::Open(*system_.device, std::move(path));
  }
  if (music) music->Stop();
}

void SoundBank::StopMusic() { music.reset(); }
