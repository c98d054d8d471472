#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "items/ItemStore.h"
#include "menus/pause/EncyclopediaTab.h"
#include "menus/pause/InventoryTab.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/SettingsTab.h"
#include "menus/pause/StatisticsPages.h"
#include "menus/pause/StatsTab.h"
#include "support/DrawnTexts.h"
#include "support/PlayingWorld.h"

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
    StartMusic();
    PlayingWorld::SetUp();
    menu = GameStates->menuPause;
    for (const char* name :
         {"Steel Dagger", "Iron Sword", "Leather Cap", "Bitter Leaf", "Old Map", "Ember Rune"}) {
      Item* item = player->itemStore->FindByName(name);
      ASSERT_NE(item, nullptr) << name;
      item->quantity = 1;
    }
  }

  void Tap(int key) { game.TapKey(key); }
  StatsTab& Stats() const { return menu->TabAt<StatsTab>(MenuPause::TabStats); }
  InventoryTab& Inventory() const { return menu->TabAt<InventoryTab>(MenuPause::TabInventory); }
  EncyclopediaTab& Encyclopedia() const {
    return menu->TabAt<EncyclopediaTab>(MenuPause::TabEncyclopedia);
  }
  SettingsTab& Settings() const { return menu->TabAt<SettingsTab>(MenuPause::TabSettings); }
  StatisticsPages& Statistics() const {
    return menu->TabAt<StatisticsPages>(MenuPause::TabStatistics);
  }
  // Draws a frame; true when one of its texts holds the part given.
  bool Drew(const std::string& part) {
    texts.Clear();
    game.Step();
    return texts.Holds(part);
  }

  MenuPause* menu = nullptr;
  DrawnTexts texts;
};
