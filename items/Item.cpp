#include "items/Item.h"

Item::Item() { tag = ItemTag; }

Item::Item(ItemKind itemKind) : Item() {
  kind = itemKind;
  if (itemKind == ItemKindEquipment) typeWord = TypeWordEquipment;
}

std::unique_ptr<Item> Item::Clone() const {
  auto copy = std::make_unique<Item>(ItemKindEquipment);
  *copy = *this;
  return copy;
}

std::unique_ptr<Item> Item::CloneAs(ItemKind form) const {
  auto copy = std::make_unique<Item>(form);
  static_cast<Object&>(*copy) = *this;
  copy->kind = kind;
  copy->recordValue = recordValue;
  copy->quantity = quantity;
  copy->onSale = onSale;
  return copy;
}
