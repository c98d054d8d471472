#include "items/ItemFileWriter.h"

#include <unordered_set>
#include <vector>

#include "engine/FileIO.h"
#include "engine/NumberFormat.h"
#include "items/ItemFiles.h"

namespace {

// Expendable, key item and rune files begin with one character that readers discard.
constexpr const char* LeadingText = " ";

bool IsPlaceholderName(const std::string& name) { return name == EmptyItemName; }

void WriteItemBody(const Object& object, std::string& out) {
  out += object.name;
  out += '\n';
  for (float value : *object.stats) {
    out += FormatFloat(value);
    out += '\n';
  }
  out += FormatFloat(object.price);
  out += '\n';
  out += object.description;
  out += '\n';
}

template <typename T>
void WriteDebugLines(const std::vector<T*>& list, char code, std::string& out) {
  for (size_t index = 0; index < list.size(); ++index) {
    const Item& item = *list[index];
    if (IsPlaceholderName(item.name)) continue;
    const std::string recordValue = FormatFloat(item.recordValue);
    out += item.name + ' ' + code + ' ' + std::to_string(index) + ' ' +
           std::to_string(item.quantity) + ' ' + recordValue + ' ' + recordValue + '\n';
  }
}

}  // namespace

void WriteItemRecord(const Object& object, std::string& out) {
  if (!IsPlaceholderName(object.name)) WriteItemBody(object, out);
}

void WriteEquipmentRecord(const Item& item, std::string& out) {
  if (IsPlaceholderName(item.name)) return;
  out += std::to_string(item.typeWord) + '\n' + std::to_string(item.slot) + '\n' +
         std::to_string(item.weaponKind) + '\n';
  WriteItemBody(item, out);
}

void WriteRuneRecord(const Rune& rune, std::string& out) {
  if (IsPlaceholderName(rune.name)) return;
  out += rune.name + '\n' + rune.description + '\n';
  // Parts are written whatever their names, so the record always holds its five bodies.
  for (const Object& part : rune.parts) WriteItemBody(part, out);
}

std::string EquipmentFileText(const EquipmentPool& pool) {
  std::string text;
  std::unordered_set<const Item*> written;
  for (const std::vector<Item*>* list : pool.CategoryLists()) {
    for (const Item* item : *list) {
      if (written.insert(item).second) WriteEquipmentRecord(*item, text);
    }
  }
  // Equipment in no category list is kept too; the reader files it as a weapon.
  for (const Item* item : pool.items) {
    if (written.insert(item).second) WriteEquipmentRecord(*item, text);
  }
  return text;
}

std::string ExpendablesFileText(const ExpendablePool& pool) {
  std::string text = LeadingText;
  for (const Item* item : pool.items) WriteItemRecord(*item, text);
  return text;
}

std::string KeyItemsFileText(const KeyItemPool& pool) {
  std::string text = LeadingText;
  for (const Item* item : pool.items) WriteItemRecord(*item, text);
  return text;
}

std::string RunesFileText(const RunePool& pool) {
  std::string text = LeadingText;
  for (const Rune* rune : pool.items) WriteRuneRecord(*rune, text);
  return text;
}

std::string DebugDumpText(const ItemStore& store) {
  std::string text;
  const EquipmentPool& equipment = store.equipment;
  WriteDebugLines(equipment.daggers, 'd', text);
  WriteDebugLines(equipment.swords, 's', text);
  WriteDebugLines(equipment.spears, 'l', text);
  WriteDebugLines(equipment.headgear, 'h', text);
  WriteDebugLines(equipment.armor, 'a', text);
  WriteDebugLines(equipment.gauntlets, 'g', text);
  WriteDebugLines(equipment.boots, 'b', text);
  WriteDebugLines(store.runes.items, 'r', text);
  WriteDebugLines(store.expendables.items, 'i', text);
  WriteDebugLines(store.keyItems.items, 'k', text);
  return text;
}

bool SaveItemFiles(const ItemStore& store) {
  return WriteTextFiles({
      {EquipmentFilePath, EquipmentFileText(store.equipment)},
      {ExpendablesFilePath, ExpendablesFileText(store.expendables)},
      {KeyItemsFilePath, KeyItemsFileText(store.keyItems)},
      {RunesFilePath, RunesFileText(store.runes)},
      {DebugDumpFilePath, DebugDumpText(store)},
  });
}
