#pragma once

#include <memory>

#include "platform/AudioDevice.h"

// The sound output and its one listener, through which every effect is heard.
class SoundSystem {
 public:
  // Without a device nothing is heard, but every sound operation still works.
  explicit SoundSystem(std::unique_ptr<platform::AudioDevice> outputDevice);

  // Moves the listener at once and keeps the position given.
  void SetListenerPosition(float x, float y, float z);

  std::unique_ptr<platform::AudioDevice> device;
  float listenerX = 0.0f;
  float listenerY = 0.0f;
  float listenerZ = 0.0f;
};
