#include "menus/MenuShop.h"

#include "engine/Globals.h"
#include "items/ItemStore.h"

MenuShop::MenuShop(GameStateSet* set, Camera* camera, World* world) : Menu(set, "Pause Menu") {
  MainCamera = camera;
  m_world = world;
}

MenuShop::~MenuShop() = default;

void MenuShop::SetStock(const ItemStore& source) {
  if (!m_stock) m_stock = std::make_unique<ItemStore>();
  m_stock->CopyFrom(source);
}
