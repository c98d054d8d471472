#include "menus/ItemPage.h"

#include "actors/Actor.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "items/Item.h"
#include "menus/AtlasPanels.h"
#include "menus/MenuCells.h"
#include "player/Player.h"

using platform::Vector3;
namespace Cells = MenuCells;

namespace {

constexpr float PageTextScale = 0.21875f;
constexpr float LineStep = 16.0f;
// The wrap width leaves 5 pixels either side of the 300-pixel page.
constexpr float WrapMargin = 10.0f;
constexpr float TextInset = 4.0f;

// Places on the page, from the description panel's top-left corner.
constexpr Vector3 EquipmentTitleAt{10.0f, 45.0f, 0.0f};
constexpr Vector3 KeyItemTitleAt{10.0f, 20.0f, 0.0f};
constexpr Vector3 EquippedHeaderAt{145.0f, 80.0f, 0.0f};
constexpr Vector3 NewHeaderAt{240.0f, 80.0f, 0.0f};
constexpr float EquippedValueX = 160.0f;
constexpr float NewValueX = 240.0f;
constexpr float ComparedRowsY = 96.0f;
constexpr Vector3 MarkerOffset{234.0f, 101.0f, 0.0f};
constexpr Vector3 MainStatsHeaderAt{4.0f, 80.0f, 0.0f};
constexpr Vector3 MainStatsRowsAt{4.0f, 96.0f, 0.0f};
// On the entry panel the statistics stand below its picture.
constexpr Vector3 EntryStatsRowsAt{4.0f, 128.0f, 0.0f};
constexpr float StatValueX = 90.0f;
constexpr float InherentSkillsX = 185.0f;
// The kind pictures stand 34 pixels in from the plain panel's top-right corner.
constexpr float KindIconInset = 34.0f;
constexpr Color4 KindIconTint{255, 100, 100, 100};
constexpr float PortraitDrop = 2.0f;
constexpr float PageFromContentRight = 15.0f;

// A compared value carries its sign: +0, +12.5, -3.
std::string Signed(float value) {
  return value >= 0.0f ? "+" + FloatToString(value) : FloatToString(value);
}

float StatOf(const Item* item, Stat::Index stat) {
  return item && item->stats ? (*item->stats)[stat] : 0.0f;
}

Vector3 Offset(const Vector3& origin, const Vector3& by) {
  return {origin.x + by.x, origin.y + by.y, 0.0f};
}

}  // namespace

ItemPage::ItemPage(Texture* atlas, Font* pageFont) : font(pageFont) {
  const platform::PixelRect fill = Cells::PanelFill;
  BuildPanel(atlas, detailsPanel,
             {{&detailsBody, fill, 300, 355, 0, 0},
              {&detailsTopLeft, Cells::PanelTopLeft, 1, 1, -145, -183},
              {&detailsTop, fill, 290, 10, 5, -183},
              {&detailsBottomRight, Cells::PanelBottomRight, 1, 1, 145, 182},
              {&detailsBottom, fill, 290, 10, -5, 182}});
  BuildPanel(atlas, entryPanel,
             {{&entryFill, fill, 300, 349, 0, 0},
              {&entryTopLeft, Cells::EntryTopLeft, 1, 1, -145, -183},
              {&entryTop, fill, 290, 16, 5, -183},
              {&entryBottomRight, Cells::PanelBottomRight, 1, 1, 145, 179},
              {&entryBottom, fill, 290, 10, -5, 179},
              {&entryFill2, fill, 300, 349, 0, 0},
              {&entryBottomRight2, Cells::PanelBottomRight, 1, 1, 145, 179},
              {&entryBottom2, fill, 290, 10, -5, 179}});
  BuildPanel(atlas, descriptionPanel,
             {{&descriptionMiddleMiddle, fill, 300, 71, 0, 0},
              {&descriptionBreakTop, Cells::PanelBreak, 1, 1, 0, -38},
              {&descriptionMiddleTop, fill, 300, 184, 0, -132},
              {&descriptionTopLeft, Cells::PanelTopLeft, 1, 1, -145, -229},
              {&descriptionTop, fill, 290, 10, 5, -229},
              {&descriptionBreakBottom, Cells::PanelBreak, 1, 1, 0, 37},
              {&descriptionMiddleBottom, fill, 300, 92, 0, 85},
              {&descriptionBottomRight, Cells::PanelBottomRight, 1, 1, 145, 136},
              {&descriptionBottom, fill, 290, 10, -5, 136}});
  const std::pair<Sprite*, const char*> names[] = {
      {descriptionTopLeft.get(), "m_panelDescriptionStatsTopLeft"},
      {descriptionTop.get(), "m_panelDescriptionStatsTop"},
      {descriptionMiddleTop.get(), "m_panelDescriptionStatsMiddleTop"},
      {descriptionBreakTop.get(), "m_panelDescriptionStatsBreakTop"},
      {descriptionMiddleMiddle.get(), "m_panelDescriptionStatsMiddleMiddle"},
      {descriptionBreakBottom.get(), "m_panelDescriptionStatsBreakBottom"},
      {descriptionMiddleBottom.get(), "m_panelDescriptionStatsMiddleBottom"},
      {descriptionBottomRight.get(), "m_panelDescriptionStatsBottomRight"},
      {descriptionBottom.get(), "m_panelDescriptionStatsBottom"}};
  for (const auto& [sprite, name] : names) sprite->SetName(name);
  for (int k = 0; k < ComparedRowCount; ++k) {
    raiseMarkers[k] = CutSprite(atlas, Cells::RaiseMarker);
    dropMarkers[k] = CutSprite(atlas, Cells::DropMarker);
  }
  for (int k = 0; k < Cells::KindIconCount; ++k) {
    kindIcons[k] = CutSprite(atlas, Cells::KindIcons[k]);
    kindIcons[k]->SetFillColor(KindIconTint);
  }
}

void ItemPage::PlaceKindIcons() {
  const ScreenBox top = ScreenBoxOf(*detailsTop);
  for (const std::unique_ptr<Sprite>& icon : kindIcons) {
    icon->SetAltPosition({top.right - KindIconInset, top.top + KindIconInset, 0.0f});
  }
}

void ItemPage::PlaceMarkers() {
  const Vector3 at = Offset(Origin(), MarkerOffset);
  for (int k = 0; k < ComparedRowCount; ++k) {
    const Vector3 row{at.x, at.y + LineStep * static_cast<float>(k), 0.0f};
    raiseMarkers[k]->SetAltPosition(row);
    dropMarkers[k]->SetAltPosition(row);
  }
}

void ItemPage::PlaceHud(Player& player) const {
  // The interface is placed by its portrait, the sprite centred on its anchor.
  if (!player.hudFirstSprite) return;
  const float portrait = ScreenBoxOf(*player.hudFirstSprite).Height();
  const float y = ScreenBoxOf(*descriptionMiddleTop).top - ScreenBoxOf(*descriptionTop).Height() +
                  portrait / 2 + PortraitDrop;
  player.PlaceHud({descriptionMiddleTop->altPosition.x, y, 0.0f});
}

Vector3 ItemPage::CentreIn(const Sprite& content) const {
  return {ScreenBoxOf(content).right - PageFromContentRight - ScreenBoxOf(*detailsBody).Width() / 2,
          content.altPosition.y, 0.0f};
}

Vector3 ItemPage::Origin() const { return ScreenBoxOf(descriptionPanel).TopLeft(); }

Vector3 ItemPage::MainStatsAt() const { return Offset(Origin(), MainStatsRowsAt); }

Vector3 ItemPage::EntryStatsAt() const {
  return Offset(ScreenBoxOf(entryPanel).TopLeft(), EntryStatsRowsAt);
}

float ItemPage::WrapWidth() const { return ScreenBoxOf(*detailsBody).Width() - WrapMargin; }

void ItemPage::SetFont(float scale, const Color4& color) {
  font->scaleX = scale;
  font->scaleY = scale;
  font->color = color;
}

void ItemPage::DrawTitle(const std::string& name, bool keyItem, float scale) {
  if (!font) return;
  SetFont(scale, ColorWhite);
  font->DrawString(name, Offset(Origin(), keyItem ? KeyItemTitleAt : EquipmentTitleAt),
                   FontAlignStart, FontAlignStart);
}

void ItemPage::DrawComparison(const Item& item, const Item* worn) {
  if (!font) return;
  const Vector3 d = Origin();
  SetFont(PageTextScale, ColorGrey);
  font->DrawString("Equipped:", Offset(d, EquippedHeaderAt), FontAlignStart, FontAlignStart);
  font->DrawString("New:", Offset(d, NewHeaderAt), FontAlignStart, FontAlignStart);
  font->color = ColorWhite;
  for (int k = 0; k < ComparedRowCount; ++k) {
    const Vector3 row{0.0f, ComparedRowsY + LineStep * static_cast<float>(k), 0.0f};
    font->DrawString(Signed(StatOf(worn, ComparedStats[k])),
                     Offset(d, row + Vector3{EquippedValueX, 0.0f, 0.0f}), FontAlignStart,
                     FontAlignStart);
  }
  for (int k = 0; k < ComparedRowCount; ++k) {
    const float before = StatOf(worn, ComparedStats[k]);
    const float after = StatOf(&item, ComparedStats[k]);
    const Vector3 row{NewValueX, ComparedRowsY + LineStep * static_cast<float>(k), 0.0f};
    font->DrawString(Signed(after), Offset(d, row), FontAlignStart, FontAlignStart);
    if (before < after) {
      raiseMarkers[k]->DrawScreen();
    } else if (before > after) {
      dropMarkers[k]->DrawScreen();
    }
  }
}

void ItemPage::DrawMainStatsHeading() {
  if (!font) return;
  SetFont(PageTextScale, ColorGrey);
  font->DrawString("Main Stats:", Offset(Origin(), MainStatsHeaderAt), FontAlignStart,
                   FontAlignStart);
}

void ItemPage::DrawMainStats(const MainStatValues& values, const Vector3& firstRow) {
  if (!font) return;
  SetFont(PageTextScale, ColorWhite);
  for (int k = 0; k < ComparedRowCount; ++k) {
    const Vector3 label{firstRow.x, firstRow.y + LineStep * static_cast<float>(k), 0.0f};
    font->DrawString(MainStatLabels[k], label, FontAlignStart, FontAlignStart);
    font->DrawString(FloatToString(values[k]), {label.x + StatValueX, label.y, 0.0f},
                     FontAlignStart, FontAlignStart);
  }
}

void ItemPage::DrawForgeItemsHeading() {
  if (!font) return;
  SetFont(PageTextScale, ColorGrey);
  const ScreenBox rule = ScreenBoxOf(*descriptionBreakTop);
  font->DrawString("Forge Items:", {rule.left + TextInset, rule.bottom + TextInset, 0.0f},
                   FontAlignStart, FontAlignStart);
}

void ItemPage::DrawInherentSkillsHeading() {
  if (!font) return;
  SetFont(PageTextScale, ColorGrey);
  const ScreenBox rule = ScreenBoxOf(*descriptionBreakTop);
  font->DrawString("Inherent Skills:",
                   {rule.left + InherentSkillsX, rule.bottom + TextInset, 0.0f}, FontAlignStart,
                   FontAlignStart);
}

void ItemPage::DrawDescriptionAt(const Object& object, const Vector3& point) {
  if (!font) return;
  SetFont(PageTextScale, ColorGrey);
  font->DrawString("Description:", point, FontAlignStart, FontAlignStart);
  font->color = ColorWhite;
  font->DrawWrappedText(object.GetDescription(), {point.x, point.y + LineStep, 0.0f},
                        FontAlignStart, FontAlignStart, WrapWidth(), LineStep);
}

void ItemPage::DrawDescription(const Object& object) {
  const ScreenBox rule = ScreenBoxOf(*descriptionBreakBottom);
  DrawDescriptionAt(object, {rule.left + TextInset, rule.bottom + TextInset, 0.0f});
}

const Item* ItemPage::WornInSlotOf(const Actor& actor, const Item& item) {
  const int slot = item.slot >= SlotHeadgear && item.slot <= SlotBoots ? item.slot - 1 : 0;
  return actor.equipped[slot];
}

int ItemPage::KindIconOf(const Item& item) {
  constexpr int FirstArmourIcon = 3;
  if (item.slot == SlotWeapon) {
    const bool known = item.weaponKind >= WeaponKindDagger && item.weaponKind <= WeaponKindSpear;
    return known ? item.weaponKind - WeaponKindDagger : -1;
  }
  const bool armour = item.slot >= SlotHeadgear && item.slot <= SlotBoots;
  return armour ? item.slot - SlotHeadgear + FirstArmourIcon : -1;
}
