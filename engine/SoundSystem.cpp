#include "engine/SoundSystem.h"

SoundSystem::SoundSystem(std::unique_ptr<platform::AudioDevice> outputDevice)
    : device(outputDevice ? std::move(outputDevice) : platform::CreateSilentAudioDevice()) {
  SetListenerPosition(0.0f, 0.0f, 0.0f);
}

void SoundSystem::SetListenerPosition(float x, float y, float z) {
  listenerX = x;
  listenerY = y;
  listenerZ = z;
  device->SetListenerPosition({x, y, z});
}
