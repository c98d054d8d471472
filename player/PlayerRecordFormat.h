#pragma once

// What the player record's writer and its reader agree on: where it lies and the marker lines
// that open its sections after the statistics.
inline constexpr const char* PlayerRecordPath = "Content\\Saves\\Player.rff";
inline constexpr const char* EquipmentMarker = "*E";
inline constexpr const char* InventoryMarker = "*I ";
inline constexpr const char* SkillsMarker = "*S";
inline constexpr const char* JournalMarker = "*J";
inline constexpr const char* TermsMarker = "*T";
inline constexpr const char* PeopleMarker = "*P";
inline constexpr const char* BestiaryMarker = "*B";
