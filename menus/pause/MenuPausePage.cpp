#include <string>

#include "enemies/Enemy.h"
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
constexpr float TextInset = 4.0f;
constexpr float ProficiencyValueX = 160.0f;
constexpr float KeyItemTextDrop = 60.0f;
// List texts: the caption right-aligned on the header, the rows' names in from the left.
constexpr float CaptionInset = 20.0f;
constexpr float ListHeaderHeight = 17.0f;
constexpr float RowsHeightMargin = 22.0f;
constexpr float RowTextInset = 5.0f;

constexpr Derived::Index MainStatValues[ItemPage::ComparedRowCount] = {
    Derived::Attack, Derived::Defense, Derived::MaxStamina, Derived::StaminaRecovery,
    Derived::ResistanceFactor};
struct Proficiency {
  const char* label;
  Stat::Index stat;
};
constexpr Proficiency Proficiencies[] = {{"Dagger Proficiency", Stat::DaggerProficiency},
                                         {"Sword Proficiency", Stat::SwordProficiency},
                                         {"Spear Proficiency", Stat::SpearProficiency}};

}  // namespace

void MenuPause::DrawItemPage(const Object* entry) {
  if (!m_player || !m_fontArc64pt) return;
  if (!entry || entry->name == EmptyItemName) {
    m_itemPage.detailsPanel.DrawScreen();
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
      m_itemPage.detailsPanel.DrawScreen();
      if (m_tabIndex == TabInventory) DrawItemTitle(*item);
      DrawMainStats(*m_player);
      m_itemPage.DrawForgeItemsHeading();
      m_itemPage.DrawDescription(*item);
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
    m_itemPage.descriptionPanel.DrawScreen();
    DrawEquipmentPage(item);
  } else if (item.typeWord == TypeWordRune) {
    m_itemPage.detailsPanel.DrawScreen();
    DrawMainStats(*m_player);
    DrawRuneDescription(item);
  }
}

void MenuPause::DrawItemTitle(const Item& item) {
  Sprite* icon = nullptr;
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
  } else if (item.kind == ItemKindExpendable) {
    m_player->DrawHud();
    return;
  } else if (item.kind == ItemKindKeyItem) {
    icon = m_keyItemIcon.get();
  } else {
    return;
  }
  if (icon) icon->DrawScreen();
  m_itemPage.DrawTitle(item.GetName(), item.kind == ItemKindKeyItem, NameScale);
}

void MenuPause::DrawEquipmentPage(const Item& item) {
  if (m_tabIndex == TabInventory) DrawItemTitle(item);
  const bool comparing = (m_statsFocus == 1 && m_statsColumn == 0) ||
                         (m_tabIndex == TabInventory && m_inventoryMode == 1);
  if (comparing) m_itemPage.DrawComparison(item, ItemPage::WornInSlotOf(*m_player, item));
  DrawMainStats(*m_player);
  m_itemPage.DrawForgeItemsHeading();
  m_itemPage.DrawInherentSkillsHeading();
  m_itemPage.DrawDescription(item);
}

void MenuPause::DrawMainStats(const Actor& actor) {
  Vector3 rows;
  if (actor.kind == Player::ActorKindPlayer) {
    m_itemPage.DrawMainStatsHeading();
    rows = m_itemPage.MainStatsAt();
  } else if (actor.kind == Enemy::ActorKindEnemy) {
    rows = m_itemPage.EntryStatsAt();
  }
  ItemPage::MainStatValues values{};
  for (int k = 0; k < ItemPage::ComparedRowCount; ++k) values[k] = actor.derived[MainStatValues[k]];
  m_itemPage.DrawMainStats(values, rows);
}

void MenuPause::DrawProficiencies() {
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const float left = ScreenBoxOf(*m_itemPage.descriptionTopLeft).left;
  const float top = ScreenBoxOf(*m_itemPage.descriptionBreakTop).bottom + TextInset;
  float y = top;
  for (const Proficiency& proficiency : Proficiencies) {
    m_fontArc64pt->DrawString(proficiency.label, {left + TextInset, y, 0.0f}, FontAlignStart,
                              FontAlignStart);
    m_fontArc64pt->DrawString(FloatToString(m_player->totalStats[proficiency.stat]),
                              {left + ProficiencyValueX, y, 0.0f}, FontAlignStart, FontAlignStart);
    y += LineStep;
  }
}

void MenuPause::DrawDescriptionAt(const Object& object, const Vector3& point) {
  m_itemPage.DrawDescriptionAt(object, point);
}

void MenuPause::DrawRuneDescription(const Item& rune) {
  std::string text = rune.GetDescription() + "||";
  const auto* parts = dynamic_cast<const Rune*>(&rune);
  if (parts && m_statsRow >= 0 && m_statsRow < Rune::PartCount) {
    text += parts->parts[m_statsRow].GetDescription();
  }
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const ScreenBox rule = ScreenBoxOf(*m_itemPage.descriptionBreakTop);
  m_fontArc64pt->DrawWrappedText(text, {rule.left + TextInset, rule.bottom + TextInset, 0.0f},
                                 FontAlignStart, FontAlignStart, m_itemPage.WrapWidth(), LineStep);
}

void MenuPause::DrawKeyItemDescription(const Item& item) {
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const ScreenBox corner = ScreenBoxOf(*m_itemPage.descriptionTopLeft);
  m_fontArc64pt->DrawWrappedText(item.GetDescription(),
                                 {corner.left + TextInset, corner.top + KeyItemTextDrop, 0.0f},
                                 FontAlignStart, FontAlignStart, m_itemPage.WrapWidth(), LineStep);
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
  const ScreenBox panel{topLeft.x, topLeft.y, topLeft.x + width, topLeft.y + height};
  if (!caption.empty()) DrawListCaption(caption, panel);
  for (size_t k = 0; k < m_visibleRows.size(); ++k) {
    DrawRowText(panel, k, m_visibleRows[k]->GetName());
  }
}

void MenuPause::DrawListCaption(const std::string& caption, const ScreenBox& panel) {
  if (!m_fontArc17pt) return;
  m_fontArc17pt->color = ColorGrey;
  m_fontArc17pt->DrawString(caption,
                            {panel.right - CaptionInset, panel.top + ListHeaderHeight, 0.0f},
                            FontAlignEnd, FontAlignEnd);
}

void MenuPause::DrawRowText(const ScreenBox& panel, size_t row, const std::string& text) {
  const float pitch = (panel.Height() - RowsHeightMargin) / static_cast<float>(WindowRows);
  const float y = panel.top + ListHeaderHeight + pitch * (static_cast<float>(row) + 0.5f);
  m_fontArc17pt->color = ColorWhite;
  m_fontArc17pt->DrawString(text, {panel.left + RowTextInset, y, 0.0f}, FontAlignCenter,
                            FontAlignStart);
}

void MenuPause::DrawSideColumnTexts(const std::string& caption,
                                    std::span<const char* const> labels) {
  if (!m_fontArc17pt) return;
  const ScreenBox side = ScreenBoxOf(m_sidePanel.group);
  DrawListCaption(caption, side);
  for (size_t k = 0; k < labels.size(); ++k) DrawRowText(side, k, labels[k]);
}
