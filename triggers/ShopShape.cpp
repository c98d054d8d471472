#include "triggers/ShopShape.h"

#include "engine/GameStateSet.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "player/Player.h"
#include "world/World.h"

ShopShape::ShopShape(Shape* newAnchor, World* newWorld)
    : ConversationShape(KindShop, newAnchor, newWorld),
      stock(newWorld && newWorld->itemStore ? ItemStore::CopyOf(*newWorld->itemStore)
                                            : std::make_unique<ItemStore>()) {}

ShopShape::~ShopShape() = default;

void ShopShape::HandleInput(float) {
  GameStateSet* set = world ? world->set : nullptr;
  if (!set || !set->menuDialog || !HasLine() || !FirstPlayerActs()) return;
  set->menuDialog->conversation = this;
  set->SwitchTo(set->menuDialog);
  if (set->menuShop) set->menuShop->SetStock(*stock);
}
