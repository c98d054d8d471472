#pragma once

#include <fstream>
#include <istream>

inline constexpr const char* EquipmentFilePath = "Content\\Items\\Equipment.ipf";
inline constexpr const char* ExpendablesFilePath = "Content\\Items\\Expendables.ipf";
inline constexpr const char* KeyItemsFilePath = "Content\\Items\\KeyItems.ipf";
inline constexpr const char* RunesFilePath = "Content\\Items\\Runes.ipf";
inline constexpr const char* DebugDumpFilePath = "Content\\Items\\Debug.ipf";

// Opens an item file for reading in the classic locale; a missing file gives a failed stream.
std::ifstream OpenItemFile(const char* storedPath);

// Reads records until the stream ends or fails: a failure ends the file like its end does, so
// a damaged file never makes loading loop.
template <typename ReadRecord>
void ReadItemRecords(std::istream& in, ReadRecord readRecord) {
  if (!in || in.peek() == std::istream::traits_type::eof()) return;
  do {
    readRecord();
  } while (in.good());
}
