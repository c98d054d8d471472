#pragma once

// What makes one character look like itself whatever its pose: its colours, its build and
// what it wears or carries. Lengths are in sheet texels; colours as in tools/Raster.h.

#include <cstdint>

namespace figures {

struct Palette {
  uint32_t skin = 0xFFE2AE88;
  uint32_t hair = 0xFF6B3A1E;
  uint32_t eye = 0xFF1E1A22;
  uint32_t shirt = 0xFF2E5A88;    // torso and sleeves
  uint32_t vest = 0xFF7A5230;     // a jerkin or breastplate over the shirt
  uint32_t trousers = 0xFF4E4A52;
  uint32_t boots = 0xFF4A3222;
  uint32_t gloves = 0xFF5C3B24;
  uint32_t belt = 0xFF3A2618;
  uint32_t accent = 0xFFB8342F;   // scarf, sash or cape; a creature's wing membranes
  uint32_t metal = 0xFFC4CED8;
  uint32_t trim = 0xFFC89B3C;     // hilt, buckle and studs; a creature's horns and spines
  uint32_t fur = 0xFFB4582A;      // four-legged creatures: back and legs
  uint32_t belly = 0xFFEBD2AA;    // four-legged creatures: chest and belly
};

// The two-legged skeleton's lengths and thicknesses.
struct BipedBuild {
  float shin = 23.0f;
  float thigh = 25.0f;
  float torso = 29.0f;      // hip joint to the base of the neck
  float neck = 4.0f;
  float headRadius = 10.0f;
  float upperArm = 16.0f;
  float forearm = 14.0f;
  float footLength = 10.0f;
  float heel = 2.5f;        // how far the foot reaches behind the ankle
  float hipRadius = 8.6f;
  float chestRadius = 10.8f;
  float thighRadius = 5.4f;
  float ankleRadius = 3.4f;
  float upperArmRadius = 3.9f;
  float wristRadius = 3.0f;
  float handRadius = 3.4f;
  float outline = 1.1f;
};

// The four-legged skeleton's lengths and thicknesses.
struct QuadrupedBuild {
  float spine = 26.0f;          // hip joint to shoulder joint
  float hipRadius = 11.0f;
  float chestRadius = 8.5f;
  float thigh = 11.0f;
  float shank = 9.0f;
  float hindFoot = 9.0f;
  float upperForeleg = 8.0f;
  float foreleg = 8.0f;
  float legRadius = 3.2f;
  float pawRadius = 2.4f;
  float neck = 6.0f;
  float headRadius = 7.5f;
  float snout = 7.0f;
  float earLength = 7.0f;
  float tailSegment = 9.0f;
  float tailRadius = 7.5f;      // at its widest
  float wingLength = 16.0f;     // shoulder to tip, when it has wings
  float outline = 1.0f;
};

enum class Weapon { None, ShortSword, Spear, Dagger, Cleaver };
enum class Headgear { None, Hood, Helmet, PointedHat };
enum class ShieldShape { Heater, Round };
// What covers a four-legged creature: fur gives a bushy tail, ears and gnawing teeth; scales a
// tapering barbed tail, horns, fangs, slit eyes and a row of spines along the back.
enum class Hide { Fur, Scales };

// What a character wears and carries beyond its body.
struct Gear {
  Weapon weapon = Weapon::None;
  float bladeLength = 30.0f;
  Headgear headgear = Headgear::None;
  uint32_t headgearColor = 0xFF6A6A70;
  bool shield = false;          // carried on the far arm
  uint32_t shieldColor = 0xFF7A5230;
  ShieldShape shieldShape = ShieldShape::Heater;
  float shieldRadius = 14.0f;   // a round shield's, rimmed in metal
  bool scarf = false;           // trails from the neck in the accent colour
  bool pointedEars = false;
  float earReach = 6.0f;        // how far pointed ears reach past the head
  float noseSize = 1.0f;        // against a plain nose
  int tailSegments = 0;         // a tail of so many segments: thin on two legs, bushy on four
  Hide hide = Hide::Fur;
  bool wings = false;           // four-legged creatures: small wings at the shoulders
};

struct Style {
  Palette palette;
  BipedBuild biped;
  QuadrupedBuild quadruped;
  Gear gear;
};

}  // namespace figures
