#include <string>

#include "actors/Enemy.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "items/Rune.h"
#include "menus/pause/MenuPause.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

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
constexpr Vector3 MainStatsHeaderAt{4.0f, 80.0f, 0.0f};
constexpr Vector3 PlayerStatsAt{4.0f, 96.0f, 0.0f};
// An enemy's statistics stand below its picture on the entry panel.
constexpr Vector3 EnemyStatsAt{4.0f, 128.0f, 0.0f};
constexpr float StatValueX = 90.0f;
constexpr float ProficiencyValueX = 160.0f;
constexpr float InherentSkillsX = 185.0f;
constexpr float KeyItemTextDrop = 60.0f;
// List texts: the caption right-aligned on the header, the rows' names in from the left.
constexpr float CaptionInset = 20.0f;
constexpr float ListHeaderHeight = 17.0f;
constexpr float RowsHeightMargin = 22.0f;
constexpr float RowTextInset = 5.0f;

constexpr int ComparedRowCount = 5;
constexpr Stat::Index ComparedStats[ComparedRowCount] = {
    Stat::BaseAttack, Stat::BaseDefense, Stat::BaseStamina, Stat::BaseStaminaRecovery,
    Stat::BaseResistanceFactor};
struct MainStat {
  const char* label;
  Derived::Index value;
};
constexpr MainStat MainStats[ComparedRowCount] = {{"Attack", Derived::Attack},
                                                  {"Defense", Derived::Defense},
                                                  {"Endurance", Derived::MaxStamina},
                                                  {"Recovery", Derived::StaminaRecovery},
                                                  {"Resistance", Derived::ResistanceFactor}};
struct Proficiency {
  const char* label;
  Stat::Index stat;
};
constexpr Proficiency Proficiencies[] = {{"Dagger Proficiency", Stat::DaggerProficiency},
                                         {"Sword Proficiency", Stat::SwordProficiency},
                                         {"Spear Proficiency", Stat::SpearProficiency}};

// A compared value carries its sign: +0, +12.5, -3.
std::string Signed(float value) { return value >= 0.0f ? "+" + MenuPause::NumberText(value) : MenuPause::NumberText(value); }

float StatOf(const Item* item, Stat::Index stat) {
  return item && item->stats ? (*item->stats)[stat] : 0.0f;
}

Vector3 Offset(const Vector3& origin, float x, float y) {
  return {origin.x + x, origin.y + y, 0.0f};
}

}  // namespace

std::string MenuPause::NumberText(float value) { return WStringToString(FloatToWString(value)); }

Vector3 MenuPause::PageOrigin() const { return ScreenBoxOf(m_panelDescriptionStats).TopLeft(); }

void MenuPause::SetPageFont(float scale, const Color4& color) {
  m_fontArc64pt->scaleX = scale;
  m_fontArc64pt->scaleY = scale;
  m_fontArc64pt->color = color;
}

void MenuPause::DrawItemPage(const Object* entry) {
  if (!m_player || !m_fontArc64pt) return;
  if (!entry || entry->name == EmptyItemName) {
    m_detailsPanel.DrawScreen();
    m_player->DrawHud();
    DrawMainStats(*m_player);
    DrawProficiencies();
    return;
  }
  const Item* item = AsItem(entry);
  if (!item) return;
  switch (item->kind) {
    case ItemKindEquipment:
      DrawEquippablePage(*item);
      break;
    case ItemKindExpendable:
      m_detailsPanel.DrawScreen();
      if (m_tabIndex == TabInventory) DrawItemTitle(*item);
      DrawMainStats(*m_player);
      DrawForgeItemsHeader();
      DrawItemDescription(*item);
      break;
    case ItemKindKeyItem:
      if (m_tabIndex == TabInventory) DrawItemTitle(*item);
      DrawKeyItemDescription(*item);
      break;
    default:
      break;
  }
  if (m_tabIndex == TabStats) m_player->DrawHud();
}

void MenuPause::DrawEquippablePage(const Item& item) {
  if (item.typeWord == TypeWordEquipment) {
    m_panelDescriptionStats.DrawScreen();
    DrawEquipmentPage(item);
  } else if (item.typeWord == TypeWordRune) {
    m_detailsPanel.DrawScreen();
    DrawMainStats(*m_player);
    DrawRuneDescription(item);
  }
}

void MenuPause::DrawItemTitle(const Item& item) {
  Sprite* icon = nullptr;
  Vector3 titleAt;
  if (item.kind == ItemKindEquipment) {
    if (item.typeWord != TypeWordEquipment) return;
    const bool weapon = item.weaponKind >= WeaponKindDagger && item.weaponKind <= WeaponKindSpear;
    switch (item.slot) {
      case SlotWeapon:
        icon = weapon ? m_weaponIcon.get() : nullptr;
        break;
      case SlotHeadgear:
        icon = m_headgearIcon.get();
        break;
      case SlotArmor:
        icon = m_armorIcon.get();
        break;
      case SlotGauntlets:
        icon = m_gauntletIcon.get();
        break;
      case SlotBoots:
        icon = m_bootsIcon.get();
        break;
      default:
        break;
    }
    titleAt = Offset(PageOrigin(), EquipmentTitleAt.x, EquipmentTitleAt.y);
  } else if (item.kind == ItemKindExpendable) {
    m_player->DrawHud();
    return;
  } else if (item.kind == ItemKindKeyItem) {
    icon = m_keyItemIcon.get();
    titleAt = Offset(PageOrigin(), KeyItemTitleAt.x, KeyItemTitleAt.y);
  } else {
    return;
  }
  if (icon) icon->DrawScreen();
  SetPageFont(NameScale, ColorWhite);
  m_fontArc64pt->DrawString(item.GetName(), titleAt, FontAlignStart, FontAlignStart);
}

void MenuPause::DrawEquipmentPage(const Item& item) {
  if (m_tabIndex == TabInventory) DrawItemTitle(item);
  const bool comparing = (m_statsFocus == 1 && m_statsColumn == 0) ||
                         (m_tabIndex == TabInventory && m_inventoryMode == 1);
  if (comparing) DrawComparison(item);
  DrawMainStats(*m_player);
  DrawForgeItemsHeader();
  DrawInherentSkillsHeader();
  DrawItemDescription(item);
}

void MenuPause::DrawComparison(const Item& item) {
  const Vector3 d = PageOrigin();
  SetPageFont(PageTextScale, ColorGrey);
  m_fontArc64pt->DrawString("Equipped:", Offset(d, EquippedHeaderAt.x, EquippedHeaderAt.y),
                            FontAlignStart, FontAlignStart);
  m_fontArc64pt->DrawString("New:", Offset(d, NewHeaderAt.x, NewHeaderAt.y), FontAlignStart,
                            FontAlignStart);
  // The piece worn in the new item's body slot; a slot outside 2 to 5 means the weapon.
  const int slot = item.slot >= SlotHeadgear && item.slot <= SlotBoots ? item.slot - 1 : 0;
  const Item* worn = m_player->equipped[slot];
  m_fontArc64pt->color = ColorWhite;
  for (int k = 0; k < ComparedRowCount; ++k) {
    m_fontArc64pt->DrawString(Signed(StatOf(worn, ComparedStats[k])),
                              Offset(d, EquippedValueX, ComparedRowsY + LineStep * k),
                              FontAlignStart, FontAlignStart);
  }
  for (int k = 0; k < ComparedRowCount; ++k) {
    const float before = StatOf(worn, ComparedStats[k]);
    const float after = StatOf(&item, ComparedStats[k]);
    m_fontArc64pt->DrawString(Signed(after), Offset(d, NewValueX, ComparedRowsY + LineStep * k),
                              FontAlignStart, FontAlignStart);
    if (before < after) {
      m_raiseMarkers[k]->DrawScreen();
    } else if (before > after) {
      m_dropMarkers[k]->DrawScreen();
    }
  }
}

void MenuPause::DrawMainStats(const Actor& actor) {
  SetPageFont(PageTextScale, ColorGrey);
  Vector3 rows;
  if (actor.kind == Player::ActorKindPlayer) {
    const Vector3 d = PageOrigin();
    m_fontArc64pt->DrawString("Main Stats:", Offset(d, MainStatsHeaderAt.x, MainStatsHeaderAt.y),
                              FontAlignStart, FontAlignStart);
    rows = Offset(d, PlayerStatsAt.x, PlayerStatsAt.y);
  } else if (actor.kind == Enemy::ActorKindEnemy) {
    rows = Offset(ScreenBoxOf(m_entryPanel).TopLeft(), EnemyStatsAt.x, EnemyStatsAt.y);
  }
  m_fontArc64pt->color = ColorWhite;
  for (int k = 0; k < ComparedRowCount; ++k) {
    const Vector3 label = Offset(rows, 0.0f, LineStep * k);
    m_fontArc64pt->DrawString(MainStats[k].label, label, FontAlignStart, FontAlignStart);
    m_fontArc64pt->DrawString(NumberText(actor.derived[MainStats[k].value]),
                              Offset(label, StatValueX, 0.0f), FontAlignStart, FontAlignStart);
  }
}

void MenuPause::DrawProficiencies() {
  SetPageFont(PageTextScale, ColorWhite);
  const float left = ScreenBoxOf(*m_panelDescriptionStatsTopLeft).left;
  const float top = ScreenBoxOf(*m_panelDescriptionStatsBreakTop).bottom + TextInset;
  float y = top;
  for (const Proficiency& proficiency : Proficiencies) {
    m_fontArc64pt->DrawString(proficiency.label, {left + TextInset, y, 0.0f}, FontAlignStart,
                              FontAlignStart);
    m_fontArc64pt->DrawString(NumberText(m_player->totalStats[proficiency.stat]),
                              {left + ProficiencyValueX, y, 0.0f}, FontAlignStart, FontAlignStart);
    y += LineStep;
  }
}

void MenuPause::DrawForgeItemsHeader() {
  SetPageFont(PageTextScale, ColorGrey);
  const ScreenBox rule = ScreenBoxOf(*m_panelDescriptionStatsBreakTop);
  m_fontArc64pt->DrawString("Forge Items:", {rule.left + TextInset, rule.bottom + TextInset, 0.0f},
                            FontAlignStart, FontAlignStart);
}

void MenuPause::DrawInherentSkillsHeader() {
  SetPageFont(PageTextScale, ColorGrey);
  const ScreenBox rule = ScreenBoxOf(*m_panelDescriptionStatsBreakTop);
  m_fontArc64pt->DrawString(
      "Inherent Skills:", {rule.left + InherentSkillsX, rule.bottom + TextInset, 0.0f},
      FontAlignStart, FontAlignStart);
}

void MenuPause::DrawDescriptionAt(const Object& object, const Vector3& point) {
  SetPageFont(PageTextScale, ColorGrey);
  m_fontArc64pt->DrawString("Description:", point, FontAlignStart, FontAlignStart);
  m_fontArc64pt->color = ColorWhite;
  const float width = ScreenBoxOf(*m_detailsPanelBody).Width() - WrapMargin;
  m_fontArc64pt->DrawWrappedText(object.GetDescription(), {point.x, point.y + LineStep, 0.0f},
                                 FontAlignStart, FontAlignStart, width, LineStep);
}

void MenuPause::DrawItemDescription(const Item& item) {
  const ScreenBox rule = ScreenBoxOf(*m_panelDescriptionStatsBreakBottom);
  DrawDescriptionAt(item, {rule.left + TextInset, rule.bottom + TextInset, 0.0f});
}

void MenuPause::DrawRuneDescription(const Item& rune) {
  std::string text = rune.GetDescription() + "||";
  const auto* parts = dynamic_cast<const Rune*>(&rune);
  if (parts && m_statsRow >= 0 && m_statsRow < Rune::PartCount) {
    text += parts->parts[m_statsRow].GetDescription();
  }
  SetPageFont(PageTextScale, ColorWhite);
  const ScreenBox rule = ScreenBoxOf(*m_panelDescriptionStatsBreakTop);
  m_fontArc64pt->DrawWrappedText(text, {rule.left + TextInset, rule.bottom + TextInset, 0.0f},
                                 FontAlignStart, FontAlignStart,
                                 ScreenBoxOf(*m_detailsPanelBody).Width() - WrapMargin, LineStep);
}

void MenuPause::DrawKeyItemDescription(const Item& item) {
  SetPageFont(PageTextScale, ColorWhite);
  const ScreenBox corner = ScreenBoxOf(*m_panelDescriptionStatsTopLeft);
  m_fontArc64pt->DrawWrappedText(item.GetDescription(),
                                 {corner.left + TextInset, corner.top + KeyItemTextDrop, 0.0f},
                                 FontAlignStart, FontAlignStart,
                                 ScreenBoxOf(*m_detailsPanelBody).Width() - WrapMargin, LineStep);
}

void MenuPause::DrawListTexts(float width, float height, const Vector3& topLeft) {
  static constexpr const char* InventoryCaptions[CategoryCount] = {
      "All",   "Daggers",  "Sword", "Spears",      "Headgear",
      "Armor", "Gauntlet", "Boots", "Expendables", "Key Items"};
  std::string caption;
  if (m_tabIndex == TabStats) {
    caption = SlotNames[m_statsRow >= 1 && m_statsRow < SlotRowCount ? m_statsRow : 0];
  } else if (m_tabIndex == TabInventory) {
    const bool known = m_inventoryCategory >= 1 && m_inventoryCategory < CategoryCount;
    caption = InventoryCaptions[known ? m_inventoryCategory : 0];
  }
  if (!m_fontArc17pt) return;
  if (!caption.empty()) {
    m_fontArc17pt->color = ColorGrey;
    m_fontArc17pt->DrawString(caption,
                              {topLeft.x + width - CaptionInset, topLeft.y + ListHeaderHeight, 0.0f},
                              FontAlignEnd, FontAlignEnd);
  }
  m_fontArc17pt->color = ColorWhite;
  const float pitch = (height - RowsHeightMargin) / static_cast<float>(WindowRows);
  for (size_t k = 0; k < m_visibleRows.size(); ++k) {
    const float y = topLeft.y + ListHeaderHeight + pitch * (static_cast<float>(k) + 0.5f);
    m_fontArc17pt->DrawString(m_visibleRows[k]->GetName(), {topLeft.x + RowTextInset, y, 0.0f},
                              FontAlignCenter, FontAlignStart);
  }
}

void MenuPause::DrawListCaption(const std::string& caption, const ShapeList& panel) {
  if (!m_fontArc17pt) return;
  const ScreenBox box = ScreenBoxOf(panel);
  m_fontArc17pt->color = ColorGrey;
  m_fontArc17pt->DrawString(caption, {box.right - CaptionInset, box.top + ListHeaderHeight, 0.0f},
                            FontAlignEnd, FontAlignEnd);
}

void MenuPause::DrawSideColumnTexts(const std::string& caption,
                                    std::span<const char* const> labels) {
  if (!m_fontArc17pt) return;
  DrawListCaption(caption, m_sidePanel.group);
  const ScreenBox side = ScreenBoxOf(m_sidePanel.group);
  m_fontArc17pt->color = ColorWhite;
  const float pitch = (side.Height() - RowsHeightMargin) / static_cast<float>(WindowRows);
  for (size_t k = 0; k < labels.size(); ++k) {
    const float y = side.top + ListHeaderHeight + pitch * (static_cast<float>(k) + 0.5f);
    m_fontArc17pt->DrawString(labels[k], {side.left + RowTextInset, y, 0.0f}, FontAlignCenter,
                              FontAlignStart);
  }
}
