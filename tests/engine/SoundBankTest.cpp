#include "engine/SoundBank.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "engine/SoundSystem.h"
#include "support/TempFolder.h"

namespace {

// Works in a folder whose Content is the game's, as the program does beside its content.
class SoundBankTest : public ::testing::Test {
 protected:
  SoundBankTest() {
    std::filesystem::create_directory_symlink(QM_CONTENT_DIR, folder_.Path() / "Content");
    working_ = std::make_unique<WorkingFolder>(folder_.Path());
  }

  void Render(uint32_t frames) {
    std::vector<int16_t> samples(frames * 2);
    system_.device->Render(samples.data(), frames);
  }

  TempFolder folder_;
  std::unique_ptr<WorkingFolder> working_;
  SoundSystem system_{platform::OpenMemoryAudioDevice()};
};

TEST_F(SoundBankTest, LoadsEachHitTwiceAndNoMusic) {
  SoundBank bank(system_);
  EXPECT_EQ(bank.music, nullptr);
  const char* expected[] = {"hit9v2", "hit9v2", "hit10v2", "hit10v2", "hit11v2", "hit11v2"};
  ASSERT_EQ(bank.effects.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(bank.effects[i]->GetPath(), std::string("Content/Audio/") + expected[i] + ".wav");
    EXPECT_TRUE(bank.effects[i]->Loaded());
  }
  EXPECT_NE(bank.effects[0].get(), bank.effects[1].get());
}

TEST_F(SoundBankTest, SamePathKeepsTheTrackWhereItStandsAndStopsIt) {
  SoundBank bank(system_);
  bank.PlayMusic("Content\\Audio\\Meadow.ogg");
  ASSERT_NE(bank.music, nullptr);
  EXPECT_EQ(bank.music->GetPath(), "Content\\Audio\\Meadow.ogg");
  EXPECT_FALSE(bank.music->Buffer().IsPlaying());

  MusicTrack* first = bank.music.get();
  first->Play();
  Render(3000);
  const uint32_t position = first->Buffer().PlayPosition();
  bank.PlayMusic("Content\\Audio\\Meadow.ogg");
  EXPECT_EQ(bank.music.get(), first);
  EXPECT_FALSE(first->Buffer().IsPlaying());
  EXPECT_EQ(first->Buffer().PlayPosition(), position);

  // The same file by another spelling is another path.
  bank.PlayMusic("Content/Audio/Meadow.ogg");
  ASSERT_NE(bank.music, nullptr);
  EXPECT_EQ(bank.music->GetPath(), "Content/Audio/Meadow.ogg");
  EXPECT_EQ(bank.music->Buffer().PlayPosition(), 0u);
  EXPECT_FALSE(bank.music->Buffer().IsPlaying());

  bank.PlayMusic("Content\\Audio\\Hollow.ogg");
  ASSERT_NE(bank.music, nullptr);
  EXPECT_EQ(bank.music->GetPath(), "Content\\Audio\\Hollow.ogg");
}

TEST_F(SoundBankTest, FailedOpenAndStopLeaveNoTrack) {
  SoundBank bank(system_);
  bank.PlayMusic("Content\\Audio\\Meadow.ogg");
  bank.PlayMusic("Content\\Audio\\Missing.ogg");
  EXPECT_EQ(bank.music, nullptr);
  bank.PlayMusic("Content\\Audio\\Jump.wav");
  EXPECT_EQ(bank.music, nullptr);
  bank.PlayMusic("Content\\Audio\\Duel.ogg");
  ASSERT_NE(bank.music, nullptr);
  bank.StopMusic();
  EXPECT_EQ(bank.music, nullptr);
  bank.StopMusic();
  EXPECT_EQ(bank.music, nullptr);
}

TEST_F(SoundBankTest, EveryGeneratedTrackOpens) {
  SoundBank bank(system_);
  int tracks = 0;
  for (const auto& entry : std::filesystem::directory_iterator("Content/Audio")) {
    if (entry.path().extension() != ".ogg") continue;
    bank.PlayMusic("Content\\Audio\\" + entry.path().filename().string());
    EXPECT_NE(bank.music, nullptr) << entry.path();
    ++tracks;
  }
  EXPECT_GE(tracks, 2);
}

}  // namespace
