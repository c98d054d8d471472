#pragma once

#include <string>

#include "items/ItemStore.h"

// Writes the store's items to the four item files and the debug dump, as one: the files
// replace the old ones only when all five were written whole, and a failure leaves every one
// of them as it was. True when they were written.
bool SaveItemFiles(const ItemStore& store);

// The texts of the files, exactly as SaveItemFiles writes them. Items named "Empty" are never
// written; the parts of a rune always are, whatever their names.
std::string EquipmentFileText(const EquipmentPool& pool);
std::string ExpendablesFileText(const ExpendablePool& pool);
std::string KeyItemsFileText(const KeyItemPool& pool);
std::string RunesFileText(const RunePool& pool);
std::string DebugDumpText(const ItemStore& store);

// Append one record to the text.
void WriteEquipmentRecord(const Item& item, std::string& out);
void WriteItemRecord(const Object& object, std::string& out);
void WriteRuneRecord(const Rune& rune, std::string& out);
