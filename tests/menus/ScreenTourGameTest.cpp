#include <gtest/gtest.h>

#include <string>

#include "editor/EditorLayout.h"
#include "engine/BarMeter.h"
#include "engine/EditorAtlas.h"
#include "items/ItemStore.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "support/DebugMenuSession.h"

namespace {

// The screens whose frames no other test keeps, toured in one game to be looked at: the title's
// pages, the interface corner of a hurt player, the sale's confirmation, the editor's map list
// and the item editor's first page of fields.
class ScreenTour : public DebugMenuSession {
 protected:
  void Keep(const std::string& name) { ASSERT_TRUE(game.KeepFrame("tour-" + name + ".png")); }

  void Choose(MenuTitle& title, MenuTitle::Button button) {
    for (int step = 0; step < MenuTitle::ButtonCount && title.m_selection != button; ++step)
      game.TapKey(VirtualKey::S);
    ASSERT_EQ(title.m_selection, button);
    game.TapKey(VirtualKey::Enter);
  }

  void ClickToolbar(EditorAtlas::ToolbarIconIndex icon) {
    Click(EditorLayout::ToolbarIconX[icon], EditorLayout::TopBar.bottom / 2);
  }
};

}  // namespace

TEST_F(ScreenTour, EveryScreenNoOtherTestKeepsIsKept) {
  MenuTitle& title = *GameStates->menuTitle;
  GameStates->SwitchTo(&title);
  game.StepFrames(2);
  Keep("title-main");
  const std::pair<MenuTitle::Button, const char*> pages[] = {
      {MenuTitle::ButtonStory, "title-story"},
      {MenuTitle::ButtonMultiplayer, "title-multiplayer"},
      {MenuTitle::ButtonSettings, "title-settings"}};
  for (const auto& [button, name] : pages) {
    Choose(title, button);
    ASSERT_NE(title.m_page, MenuTitle::PageMain) << name;
    Keep(name);
    Choose(title, MenuTitle::ButtonBack);
    ASSERT_EQ(title.m_page, MenuTitle::PageMain);
  }

  GameStates->SwitchTo(world);
  game.StepFrames(40);
  player->healthMeter->value = player->healthMeter->maximum * 0.35f;
  game.Step();
  Keep("hud-hurt");

  MenuShop& shop = *GameStates->menuShop;
  ItemStore stock;
  stock.FindByName("Bronze Dagger")->onSale = 1;
  player->itemStore->FindByName("Bronze Dagger")->quantity = 2;
  shop.SetStock(stock);
  GameStates->SwitchTo(&shop);
  game.TapKey(VirtualKey::S);
  game.TapKey(VirtualKey::J);
  ASSERT_EQ(shop.GetPage(), MenuShop::PageSell);
  game.TapKey(VirtualKey::D);
  game.TapKey(VirtualKey::J);
  ASSERT_EQ(shop.GetSellStep(), MenuShop::StepConfirming);
  Keep("shop-sell-confirm");
  GameStates->SwitchTo(world);
  game.StepFrames(40);

  MoveMouse(400, 300);
  OpenMenu();
  ClickToolbar(EditorAtlas::IconLoadMap);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeLoadMap);
  Keep("debug-map-list");
  game.TapKey(VirtualKey::Esc);
  OpenMenu();
  ClickToolbar(EditorAtlas::IconItemEditor);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  Click(*menu->Items().EquipmentRows().front());
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemPage);
  ASSERT_EQ(menu->Items().FieldPage(), 0);
  Keep("items-edit-first-page");
}
