#include "triggers/ShopShape.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "engine/GameStateSet.h"
#include "engine/TextLines.h"
#include "items/Item.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"
#include "world/World.h"

namespace {

// Index 0 of a list whose first item is "Empty" is the placeholder the equipment lists share:
// it is never on sale. The first expendable has no placeholder before it, so "i 0 25" is stock.
bool IsPlaceholder(const ItemStore& stock, char code, long long index) {
  const Item* first = index == 0 ? ItemAt(stock, code, 0) : nullptr;
  return first && first->name == EmptyItemName;
}

// One "code index price" line per item on sale; the first line that is not one is handed
// back to the modifier loop. "h 0 25" is a hazard without a shape, not the headgear placeholder
// on sale: a placeholder line whose letter begins a shaped modifier is that modifier; any other
// placeholder line is skipped, as a line naming a place past its list is.
void ReadStock(TextLines& lines, ItemStore& stock) {
  std::string line;
  while (lines.Next(line)) {
    std::istringstream fields = FieldsOf(line);
    std::string code;
    long long index = 0;
    float price = 0.0f;
    std::string more;
    const bool entry =
        fields >> code >> index >> price && !(fields >> more) && code.size() == 1 &&
        std::find(ItemListCodes.begin(), ItemListCodes.end(), code.front()) != ItemListCodes.end();
    const bool placeholder = entry && IsPlaceholder(stock, code.front(), index);
    if (!entry || (placeholder && IsShapedModifier(code.front()))) {
      lines.PutBack(std::move(line));
      return;
    }
    if (placeholder) continue;
    if (Item* item = ItemAt(stock, code.front(), index)) {
      item->onSale = 1;
      item->price = price;
    }
  }
}

void WriteStock(MapRecordWriter& out, const ItemStore& stock) {
  for (char code : ItemListCodes) {
    const std::vector<Item*> items = ItemsOfList(stock, code);
    for (size_t index = 0; index < items.size(); ++index) {
      if (!items[index]->onSale || IsPlaceholder(stock, code, static_cast<long long>(index))) {
        continue;
      }
      out.Append(std::string(1, code) + ' ' + std::to_string(index) + ' ' +
                 Number(items[index]->price) + '\n');
    }
  }
}

}  // namespace

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

std::unique_ptr<ModifierShape> ShopShape::ReadRecord(MapRecordReader& map, std::istream& head,
                                                     std::unique_ptr<Shape>) {
  ShopShape* shop = nullptr;
  std::unique_ptr<ConversationShape> conversation =
      ReadConversation(map, head, [&map, &shop](Shape* anchor) {
        auto made = std::make_unique<ShopShape>(anchor, &map.world);
        shop = made.get();
        return made;
      });
  if (!conversation) return nullptr;
  ReadStock(map.lines, *shop->stock);
  return conversation;
}

void ShopShape::WriteRecord(MapRecordWriter& out) {
  out.Append(std::string(1, ShopLetter) + ' ');
  WriteConversation(out);
  WriteStock(out, *stock);
}
