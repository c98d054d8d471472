#pragma once

#include <array>
#include <memory>
#include <string>

#include "items/Object.h"
#include "items/StatBlock.h"
#include "platform/MathTypes.h"

struct AnimationFrame;
class BarMeter;
class Boundary;
class BoundingQuad;
class HitQuad;
class Item;
class ItemStore;
class Playfield;
class Primitive;
class Rune;
class Shape;
class State;

// The indices that have a named adder (all) and a named setter (these only).
#define QM_STAT_TENS(X, tens) \
  X(tens##0) X(tens##1) X(tens##2) X(tens##3) X(tens##4) X(tens##5) X(tens##6) X(tens##7) \
  X(tens##8) X(tens##9)
#define QM_ALL_STAT_INDICES(X) \
  X(0) X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) \
  QM_STAT_TENS(X, 1) QM_STAT_TENS(X, 2) QM_STAT_TENS(X, 3) QM_STAT_TENS(X, 4) \
  QM_STAT_TENS(X, 5) QM_STAT_TENS(X, 6) QM_STAT_TENS(X, 7) QM_STAT_TENS(X, 8) \
  QM_STAT_TENS(X, 9) QM_STAT_TENS(X, 10) QM_STAT_TENS(X, 11) QM_STAT_TENS(X, 12) \
  QM_STAT_TENS(X, 13) QM_STAT_TENS(X, 14) QM_STAT_TENS(X, 15) QM_STAT_TENS(X, 16) \
  QM_STAT_TENS(X, 17) QM_STAT_TENS(X, 18) QM_STAT_TENS(X, 19) QM_STAT_TENS(X, 20) \
  QM_STAT_TENS(X, 21) QM_STAT_TENS(X, 22) QM_STAT_TENS(X, 23) QM_STAT_TENS(X, 24) \
  QM_STAT_TENS(X, 25) \
  X(260) X(261) X(262) X(263) X(264) X(265) X(266)
#define QM_STAT_SETTER_INDICES(X) \
  X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) X(18) \
  X(19) X(20) X(21) X(23) X(24) X(25) X(26) X(27) X(28) X(29) X(30) X(31) X(32) X(33) X(34) \
  X(35) X(36) X(37) X(38) X(39) X(40) X(41) X(42) X(43) X(44) X(45) X(46) X(47) X(48) X(49) \
  X(50) X(81) X(82) X(131) X(198) X(200) X(202) X(203) X(204) X(206) X(207) X(208) X(209) \
  X(210) X(243) X(244) X(245) X(246)

// The levels an actor reaches on the growth curve, in the order they are refreshed.
namespace Level {
enum Index : int {
  Experience, GroundDist, Jump, Dash, DamageDealt, DamageDefended, DamageGuardDefended,
  DamagePowershielded, DamageReceived, DamageDodged, TimesBreakPoint1Broken,
  TimesBreakPoint2Broken, TimesBreakPoint3Broken, SpecialAttackUsage, SpecialDefenseUsage,
  SPUsed, SPRecovered, SpecialAttackDamageDealt, StunTime, StaminaDamageReceived,
  StaminaDamageDefended, StaminaDamageRecovered, StaminaDamageDealt,
  SpecialAttackStaminaDamageDealt, HealthRecovered, DaggerProficiency, SwordProficiency,
  SpearProficiency, Count
};
}  // namespace Level

// The values computed from the totals and the levels, in the order they are computed.
namespace Derived {
enum Index : int {
  Attack, Defense, GuardDefense, PowershieldDefense, MaxHealth, HealthRecovery, MaxStamina,
  StaminaRecovery, BreakPoint1Factor, BreakPoint2Factor, ResistanceFactor, BreakPoint1,
  BreakPoint2, BreakPoint3, StaminaDamage, Endurance, GuardEndurance, PowershieldEndurance,
  MaxSP, SPRecovery, SpecialAttackDamage, SpecialAttackStaminaDamage, SpecialAttackCost,
  AttackSpeedFactor, DodgeSpeedFactor, GuardSpeedFactor, Count
};
}  // namespace Derived

// The growth curve: (points / init) ^ (1 / rate); 0 when init or rate is 0 and whenever the
// ratio is not positive or the result is not a finite number.
float StatLevel(float points, float init, float rate);

// The starting value and rate of every counted statistic (the Init and Rate pairs).
void SetDefaultGrowthCurves(StatBlock& sheet);

// The body and statistics of every character. The gained statistics are the object's own
// sheet and its price holds the tokens.
class Actor : public Object {
 public:
  static constexpr int EquipSlotCount = 10;
  // Slots 0 to 4 hold equipment (weapon, headgear, armor, gauntlets, boots), 5 to 9 runes.
  static constexpr int FirstRuneSlot = 5;

  using StatAdder = void (Actor::*)(float);

  explicit Actor(std::string name);
  virtual ~Actor();
  Actor(const Actor&) = delete;
  Actor& operator=(const Actor&) = delete;

  // An actor's tokens are the price of its object part.
  float Tokens() const { return price; }
  void SetTokens(float tokens) { price = tokens; }

  // Every concrete constructor calls this right after the actor's own constructor.
  void Initialize(Playfield* world);

  virtual void Update(float dt) = 0;
  // The hit-stop step, run instead of Update while the current state's hold timer runs: the
  // timer falls (never below 0) and the state's held step runs; nothing else moves.
  virtual void UpdateHeld(float dt);
  // Draws the sprite.
  virtual void Draw();
  virtual void DrawDebugInfo() = 0;
  // The body with its debug text, and the boundary stood on.
  void DrawDebugShapes();

  // Physics steps; dt in seconds. Gravity pulls by the world's gravity times the total mass
  // down to the total maximum fall speed. The drags slow x towards 0 and never reverse it.
  void ApplyGravity(float dt);
  void ApplyAirDrag(float dt);
  void ApplyDrag(float dt);
  // Resizes the body keeping its feet where they are, then pushes it out of the boundaries.
  void SetBoundingSize(float width, float height, float depth);
  // The push-out that resizing would bring, found on a copy of the body.
  platform::Vector3 TestResize(const BoundingQuad& testBody, float width, float height,
                               float depth);
  static void KeepFeetOnResize(BoundingQuad& quad, const platform::Vector3& oldSize,
                               const platform::Vector3& newSize);
  // Keeps a walking actor on the ground within reach below it.
  void ProbeGround();
  // The health and stamina bars that float above a point, health the higher, with the stamina
  // bar's tick at the first break point.
  void MakeMeters(const platform::Vector3& at);
  void PlaceMetersAbove(const platform::Vector3& at);
  // The meters' maxima and regeneration; the health regained feeds its statistic. Health that
  // does not recover is only held within its maximum.
  void RefreshMeterLimits(float dt, bool healthRecovers = true);
  static void SetSourceRectFromFrame(Shape& target, const AnimationFrame& frame);

  // Statistics.
  void SetDefaultGrowth();
  void RecomputeLevels();
  // The levels, then every derived value.
  void RecomputeDerivedStats();
  // Totals only: gained + base + the current state's sheet.
  void RecomputeTotalStats();
  // Base = the sum of the equipped items' sheets.
  void RecomputeEquipmentStats();

  // gained[i] = value, then what depends on statistic i is refreshed.
#define QM_STAT_SETTER(i) \
  void SetGainedStat##i(float value) { SetGainedStat(i, value); }
  QM_STAT_SETTER_INDICES(QM_STAT_SETTER)
#undef QM_STAT_SETTER

  // gained[i] += delta, then what depends on statistic i is refreshed; a counter also feeds
  // its growth points.
#define QM_STAT_ADDER(i) \
  void AddGainedStat##i(float delta) { AddGainedStat(i, delta); }
  QM_ALL_STAT_INDICES(QM_STAT_ADDER)
#undef QM_STAT_ADDER

  // Entry i is the adder of statistic i, for code that knows only an index.
  static const std::array<StatAdder, StatCount> statAdders;

  // Equipment: an item that does not fit its slot is replaced by the pool's "Empty".
  void EquipSlot0(Item* item) { EquipEquipmentSlot(0, item); }
  void EquipSlot1(Item* item) { EquipEquipmentSlot(1, item); }
  void EquipSlot2(Item* item) { EquipEquipmentSlot(2, item); }
  void EquipSlot3(Item* item) { EquipEquipmentSlot(3, item); }
  void EquipSlot4(Item* item) { EquipEquipmentSlot(4, item); }
  void EquipSlot0ByName(std::string name) { EquipEquipmentSlotByName(0, name); }
  void EquipSlot1ByName(std::string name) { EquipEquipmentSlotByName(1, name); }
  void EquipSlot2ByName(std::string name) { EquipEquipmentSlotByName(2, name); }
  void EquipSlot3ByName(std::string name) { EquipEquipmentSlotByName(3, name); }
  void EquipSlot4ByName(std::string name) { EquipEquipmentSlotByName(4, name); }
  // Runes: a rune worn in another slot leaves it, and that slot gets the "Empty" rune.
  void EquipSlot5(Rune* rune) { EquipRuneSlot(5, rune); }
  void EquipSlot6(Rune* rune) { EquipRuneSlot(6, rune); }
  void EquipSlot7(Rune* rune) { EquipRuneSlot(7, rune); }
  void EquipSlot8(Rune* rune) { EquipRuneSlot(8, rune); }
  void EquipSlot9(Rune* rune) { EquipRuneSlot(9, rune); }
  void EquipSlot5ByName(std::string name) { EquipRuneSlotByName(5, name); }
  void EquipSlot6ByName(std::string name) { EquipRuneSlotByName(6, name); }
  void EquipSlot7ByName(std::string name) { EquipRuneSlotByName(7, name); }
  void EquipSlot8ByName(std::string name) { EquipRuneSlotByName(8, name); }
  void EquipSlot9ByName(std::string name) { EquipRuneSlotByName(9, name); }

  // 0 player, 1 enemy, 2 non-player character.
  int32_t kind = 0;
  Playfield* world = nullptr;
  // The current state; the states belong to the concrete actor.
  State* state = nullptr;
  Shape* sprite = nullptr;
  // The position and velocity of the actor are the body's.
  BoundingQuad* body = nullptr;
  // The boundary stood on, and the one touched sideways.
  Boundary* groundContact = nullptr;
  BoundingQuad* wallContact = nullptr;
  HitQuad* hitBox = nullptr;
  std::unique_ptr<BarMeter> healthMeter;
  std::unique_ptr<BarMeter> staminaMeter;
  // The layer of the actor's sprite, also the group number its hit box copies.
  int32_t drawLayer = 0;
  uint8_t onGround = 0;
  // -1 facing left, +1 facing right.
  int32_t facing = 1;
  // Extra volumes a concrete actor hands over to the actor part (a shield, a wall block).
  std::unique_ptr<Primitive> ownedShapeA;
  std::unique_ptr<Primitive> ownedShapeB;
  std::unique_ptr<ItemStore> itemStore;
  // Point into the actor's own store.
  std::array<Item*, EquipSlotCount> equipped{};
  StatBlock totalStats{};
  StatBlock baseStats{};
  std::array<float, Derived::Count> derived{};
  std::array<float, Level::Count> levels{};

 private:
  void SetGainedStat(int index, float value);
  void AddGainedStat(int index, float delta);
  // The total of one statistic, then the levels and derived values that read it.
  void RefreshStat(int index);
  float ComputeLevel(int level) const;
  float ComputeDerived(int value) const;
  // The whole part of the experience level, which scales every gained value.
  float ExperienceFactor() const;

  void EquipEquipmentSlot(int slot, Item* item);
  void EquipEquipmentSlotByName(int slot, const std::string& name);
  void EquipRuneSlot(int slot, Rune* rune);
  void EquipRuneSlotByName(int slot, const std::string& name);
  void RecomputeAfterEquip();
};
