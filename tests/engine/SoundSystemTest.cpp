#include "engine/SoundSystem.h"

#include <gtest/gtest.h>

TEST(SoundSystemTest, ListenerStartsAtTheOriginAndFollowsWhatItIsGiven) {
  SoundSystem system(platform::OpenMemoryAudioDevice());
  EXPECT_EQ(system.listenerX, 0.0f);
  EXPECT_EQ(system.listenerY, 0.0f);
  EXPECT_EQ(system.listenerZ, 0.0f);
  system.SetListenerPosition(12.5f, -3.0f, 0.0f);
  EXPECT_EQ(system.listenerX, 12.5f);
  EXPECT_EQ(system.listenerY, -3.0f);
  EXPECT_EQ(system.listenerZ, 0.0f);
  EXPECT_EQ(system.device->ListenerPosition(), (platform::Vector3{12.5f, -3.0f, 0.0f}));
}

TEST(SoundSystemTest, WithoutADeviceEverythingStillWorks) {
  SoundSystem system(nullptr);
  ASSERT_NE(system.device, nullptr);
  system.SetListenerPosition(1.0f, 2.0f, 0.0f);
  EXPECT_EQ(system.device->ListenerPosition(), (platform::Vector3{1.0f, 2.0f, 0.0f}));
}
