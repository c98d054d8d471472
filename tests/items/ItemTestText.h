#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "items/StatBlock.h"

// Record texts written by hand, the way the item files lay them out.
inline std::string ItemBodyText(const std::string& name, float firstStat, float price,
                                const std::string& description) {
  std::string text = name + "\n" + std::to_string(firstStat) + "\n";
  for (int i = 1; i < StatCount; ++i) text += "0\n";
  return text + std::to_string(price) + "\n" + description + "\n";
}

inline std::string EquipmentRecordText(int typeWord, int slot, int weaponKind,
                                       const std::string& name, float price = 250.0f) {
  return std::to_string(typeWord) + "\n" + std::to_string(slot) + "\n" +
         std::to_string(weaponKind) + "\n" + ItemBodyText(name, 0.0f, price, name + " text");
}

inline std::string RuneRecordText(const std::string& name) {
  std::string text = name + "\n" + name + " text\n";
  const char* parts[] = {"Weapon", "Headgear", "Armor", "Gauntlets", "Boots"};
  for (int i = 0; i < 5; ++i) text += ItemBodyText(parts[i], i + 1.0f, 0.0f, "On the " + std::string(parts[i]));
  return text;
}

inline void WriteTestFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadTestFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
