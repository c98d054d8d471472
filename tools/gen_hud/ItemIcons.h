#pragma once

#include "tools/Drawing.h"
#include "tools/GeneratedAtlas.h"

// The pictures of the item kinds, in a 64-pixel box: dagger, sword, spear, headgear, armor,
// gauntlets, boots, key item; and a flask for the expendables.
figures::Drawing KindIcon(int kind);
figures::Drawing FlaskIcon();

// The 64-pixel kind icons of the menus, drawn light because the menus tint them grey.
void DrawItemIcons(GeneratedAtlas& atlas);
