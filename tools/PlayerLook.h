#pragma once

// How the player character looks, shared by its sprite sheets and its interface portrait: a
// light-armoured adventurer in blue with a leather jerkin, a red scarf, sturdy boots and a short
// sword.

#include "tools/Style.h"

namespace figures {

inline Style PlayerStyle() {
  Style style;
  style.palette.skin = 0xFFE6B48E;
  style.palette.hair = 0xFF7A3E1C;
  style.palette.shirt = 0xFF2F5C8C;
  style.palette.vest = 0xFF8A5E36;
  style.palette.trousers = 0xFF504A5A;
  style.palette.boots = 0xFF4C3424;
  style.palette.gloves = 0xFF6A4428;
  style.palette.belt = 0xFF3C2819;
  style.palette.accent = 0xFFC0392F;
  style.palette.metal = 0xFFCAD4DE;
  style.palette.trim = 0xFFCFA03E;
  style.biped.footLength = 14.0f;
  style.biped.heel = 4.0f;
  style.gear.weapon = Weapon::ShortSword;
  style.gear.bladeLength = 30.0f;
  style.gear.scarf = true;
  return style;
}

}  // namespace figures
