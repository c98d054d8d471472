#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/Color4.h"
#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "items/StatBlock.h"
#include "menus/MenuCells.h"
#include "platform/MathTypes.h"

class Actor;
class Font;
class Item;
class Object;
class Player;
class Texture;

// The page beside the item lists of the pause menu and the shop: three 300-pixel panels of the
// interface atlas, the comparison markers, and the texts an item's page shows on them. Every
// text takes its place from the panels' pieces when it is drawn, so moving a panel moves its
// texts; the page changes nothing but the large font's colour and scale.
class ItemPage {
 public:
  static constexpr int ComparedRowCount = 5;
  // The statistics an equipment item is compared by, with the labels of the main statistics
  // drawn at the same heights.
  static constexpr std::array<Stat::Index, ComparedRowCount> ComparedStats{
      Stat::BaseAttack, Stat::BaseDefense, Stat::BaseStamina, Stat::BaseStaminaRecovery,
      Stat::BaseResistanceFactor};
  static constexpr std::array<const char*, ComparedRowCount> MainStatLabels{
      "Attack", "Defense", "Endurance", "Recovery", "Resistance"};
  using MainStatValues = std::array<float, ComparedRowCount>;
  // Among the kind pictures (dagger, sword, spear, headgear, armor, gauntlets, boots, key item).
  static constexpr int SpearIcon = 2;
  static constexpr int KeyItemIcon = 7;

  // Builds the panels at the origin; the owner places them. The font is the 64-point one, and
  // may be missing (nothing is written then).
  ItemPage(Texture* atlas, Font* font);
  ItemPage(const ItemPage&) = delete;
  ItemPage& operator=(const ItemPage&) = delete;

  // Both markers of each compared row just left of the new item's value.
  void PlaceMarkers();
  // The kind pictures in the top-right corner of the plain panel where it stands now.
  void PlaceKindIcons();
  // The player's interface in the description panel's top band, its portrait just below the
  // band's top; a player without an interface stays as it is.
  void PlaceHud(Player& player) const;
  // Where the page's panels stand in a menu's content panel: their right edges 15 pixels in from
  // its right edge, at its middle height.
  platform::Vector3 CentreIn(const Sprite& content) const;
  // The description panel's top-left corner, from which the page's texts are placed.
  platform::Vector3 Origin() const;
  // The first row of the main statistics below their heading, and on the entry panel.
  platform::Vector3 MainStatsAt() const;
  platform::Vector3 EntryStatsAt() const;
  // The wrap width of the page's texts.
  float WrapWidth() const;

  // The item's name as an equipment title, or as a key item's title higher up.
  void DrawTitle(const std::string& name, bool keyItem, float scale);
  // "Equipped:" and "New:" with the five compared statistics of the worn and the new item, and
  // the marker of each row where they differ; a missing worn item compares as all zeros.
  void DrawComparison(const Item& item, const Item* worn);
  void DrawMainStatsHeading();
  void DrawMainStats(const MainStatValues& values, const platform::Vector3& firstRow);
  void DrawForgeItemsHeading();
  void DrawInherentSkillsHeading();
  // "Description:" and the wrapped text below it.
  void DrawDescriptionAt(const Object& object, const platform::Vector3& point);
  // The description in the lowest band of the description panel.
  void DrawDescription(const Object& object);
  void SetFont(float scale, const Color4& color);

  // The item the actor wears in the body slot of the item: headgear to boots for slots 2 to 5,
  // the weapon for any other slot; null when the slot is empty.
  static const Item* WornInSlotOf(const Actor& actor, const Item& item);
  // The kind picture of an equipment item: a weapon's by its kind, armour's by its body slot;
  // -1 for none.
  static int KindIconOf(const Item& item);

  Font* font = nullptr;  // not owned

  // The plain panel.
  ShapeList detailsPanel;
  std::unique_ptr<Sprite> detailsBody;
  std::unique_ptr<Sprite> detailsTopLeft;
  std::unique_ptr<Sprite> detailsTop;
  std::unique_ptr<Sprite> detailsBottomRight;
  std::unique_ptr<Sprite> detailsBottom;
  // The panel of an encyclopedia entry, with its deeper top band.
  ShapeList entryPanel;
  std::unique_ptr<Sprite> entryFill;
  std::unique_ptr<Sprite> entryTopLeft;
  std::unique_ptr<Sprite> entryTop;
  std::unique_ptr<Sprite> entryBottomRight;
  std::unique_ptr<Sprite> entryBottom;
  std::unique_ptr<Sprite> entryFill2;
  std::unique_ptr<Sprite> entryBottomRight2;
  std::unique_ptr<Sprite> entryBottom2;
  // The description panel of an equipment item: three bands between two breaks. Its pieces
  // carry their names ("m_panelDescriptionStatsTop" and so on).
  ShapeList descriptionPanel;
  std::unique_ptr<Sprite> descriptionTopLeft;
  std::unique_ptr<Sprite> descriptionTop;
  std::unique_ptr<Sprite> descriptionMiddleTop;
  std::unique_ptr<Sprite> descriptionBreakTop;
  std::unique_ptr<Sprite> descriptionMiddleMiddle;
  std::unique_ptr<Sprite> descriptionBreakBottom;
  std::unique_ptr<Sprite> descriptionMiddleBottom;
  std::unique_ptr<Sprite> descriptionBottomRight;
  std::unique_ptr<Sprite> descriptionBottom;
  // Per compared row: the marker of a better and of a worse new value.
  std::array<std::unique_ptr<Sprite>, ComparedRowCount> raiseMarkers;
  std::array<std::unique_ptr<Sprite>, ComparedRowCount> dropMarkers;
  // Greyed, each a kind's picture.
  std::array<std::unique_ptr<Sprite>, MenuCells::KindIconCount> kindIcons;
};
