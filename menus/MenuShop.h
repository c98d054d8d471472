#pragma once

#include <memory>

#include "menus/Menu.h"

class Camera;
class ItemStore;
class ShopShape;
class World;

class MenuShop : public Menu {
 public:
  MenuShop(GameStateSet* set, Camera* camera, World* world);
  ~MenuShop() override;

  void Enter() override {}
  void HandleInput(float) override {}
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}

  // The shop's own stock becomes a copy of the source, which stays with its owner.
  void SetStock(const ItemStore& source);

  // The shop region that last opened the shop.
  ShopShape* m_shopShape = nullptr;
  // Made by the first SetStock.
  std::unique_ptr<ItemStore> m_stock;

 private:
  World* m_world = nullptr;
};
