#include "items/RunePool.h"

#include "items/ItemFiles.h"

std::unique_ptr<Rune> RunePool::MakePlaceholder() {
  auto placeholder = std::make_unique<Rune>();
  placeholder->typeWord = TypeWordPlaceholder;
  placeholder->name = EmptyItemName;
  return placeholder;
}

void RunePool::Load() {
  std::ifstream in = OpenItemFile(RunesFilePath);
  LoadFrom(in);
}

void RunePool::LoadFrom(std::istream& in) {
  items.clear();
  Add(MakePlaceholder());
  ReadItemRecords(in, [&] {
    if (std::unique_ptr<Rune> rune = ReadRune(in)) Add(std::move(rune));
  });
}

std::unique_ptr<Rune> RunePool::ReadRune(std::istream& in) {
  auto rune = std::make_unique<Rune>();
  if (!ReadLineValue(in, rune->name) || !ReadLineValue(in, rune->description)) return nullptr;
  for (Object& part : rune->parts) {
    if (part.Read(in) != Object::ReadComplete) return nullptr;
  }
  return rune;
}
