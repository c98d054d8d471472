#pragma once

#include <array>
#include <vector>

class Item;
class ItemStore;

// The one-letter codes by which shop stock and the player record name the item lists of a
// store, in the order they are written: daggers, swords, spears, headgear, armor, gauntlets,
// boots, runes, expendables, key items.
inline constexpr std::array<char, 10> ItemListCodes = {'d', 's', 'l', 'h', 'a',
                                                       'g', 'b', 'r', 'i', 'k'};

// The items of the list the code names, in list order; empty for any other code.
std::vector<Item*> ItemsOfList(const ItemStore& store, char code);

// The item at that place of that list; null for an unknown code or a place outside the list.
Item* ItemAt(const ItemStore& store, char code, long long index);
