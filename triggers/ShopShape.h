#pragma once

#include <memory>

#include "triggers/ConversationShape.h"

class ItemStore;

// A conversation that leads to a shop: opening it also hands the shop screen its stock.
class ShopShape : public ConversationShape {
 public:
  // The stock starts as a full catalogue from the item files; the map reader sets what is
  // on sale.
  ShopShape(Shape* newAnchor, World* newWorld);
  ~ShopShape() override;

  void HandleInput(float dt) override;
  // A conversation's record, then one "code index price" line per item on sale.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& head,
                                                   std::unique_ptr<Shape> region);
  // After every other trigger: the stock runs on to the first line that is not stock.
  void WriteRecord(MapRecordWriter& out) override;

  std::unique_ptr<ItemStore> stock;
};
