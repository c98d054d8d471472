#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "items/ItemStore.h"
#include "menus/pause/MenuPause.h"
#include "support/PlayingWorld.h"

// Music volumes of the streaming buffer, in hundredths of a decibel.
constexpr int32_t PausedVolume = -1200;
constexpr int32_t FullVolume = 0;

inline std::vector<std::string> Names(const std::vector<Object*>& rows) {
  std::vector<std::string> names;
  for (const Object* row : rows) names.push_back(row->GetName());
  return names;
}

// The game playing on a drawn floor with music, the player holding a few things.
class PauseGame : public PlayingWorld {
 protected:
  void SetUp() override {
    ShowFloor();
    MainSoundBank->PlayMusic("Content\\Audio\\Meadow.ogg");
    ASSERT_NE(MainSoundBank->music, nullptr);
    PlayingWorld::SetUp();
    menu = GameStates->menuPause;
    for (const char* name :
         {"Steel Dagger", "Iron Sword", "Leather Cap", "Healing Herb", "Old Map", "Ember Rune"}) {
      Item* item = player->itemStore->FindByName(name);
      ASSERT_NE(item, nullptr) << name;
      item->quantity = 1;
    }
  }

  int32_t Volume() const { return MainSoundBank->music->Buffer().Volume(); }
  void Tap(int key) { game.TapKey(key); }

  MenuPause* menu = nullptr;
};
