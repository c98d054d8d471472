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

void MenuPause::DrawItemPage(const Object* entry, const PageView& view) {
  if (!m_player || !m_window.largeFont) return;
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
      DrawEquippablePage(*item, view);
      break;
    case ItemKindExpendable:
      m_itemPage.detailsPanel.DrawScreen();
      if (view.title) view.title(*item);
      DrawMainStats(*m_player);
      m_itemPage.DrawForgeItemsHeading();
      m_itemPage.DrawDescription(*item);
      break;
    case ItemKindKeyItem:
      if (view.title) view.title(*item);
      DrawKeyItemDescription(*item);
      break;
    default:
      break;
  }
  if (view.hud) m_player->DrawHud();
}

void MenuPause::DrawEquippablePage(const Item& item, const PageView& view) {
  if (item.typeWord == TypeWordEquipment) {
    m_itemPage.descriptionPanel.DrawScreen();
    DrawEquipmentPage(item, view);
  } else if (item.typeWord == TypeWordRune) {
    m_itemPage.detailsPanel.DrawScreen();
    DrawMainStats(*m_player);
    DrawRuneDescription(item, view.runePart);
  }
}

void MenuPause::DrawEquipmentPage(const Item& item, const PageView& view) {
  if (view.title) view.title(item);
  if (view.comparing) m_itemPage.DrawComparison(item, ItemPage::WornInSlotOf(*m_player, item));
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
  Font* large = m_window.largeFont;
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const float left = ScreenBoxOf(*m_itemPage.descriptionTopLeft).left;
  const float top = ScreenBoxOf(*m_itemPage.descriptionBreakTop).bottom + TextInset;
  float y = top;
  for (const Proficiency& proficiency : Proficiencies) {
    large->DrawString(proficiency.label, {left + TextInset, y, 0.0f}, FontAlignStart,
                      FontAlignStart);
    large->DrawString(FloatToString(m_player->totalStats[proficiency.stat]),
                      {left + ProficiencyValueX, y, 0.0f}, FontAlignStart, FontAlignStart);
    y += LineStep;
  }
}

void MenuPause::DrawRuneDescription(const Item& rune, int part) {
  std::string text = rune.GetDescription() + "||";
  const auto* parts = dynamic_cast<const Rune*>(&rune);
  if (parts && part >= 0 && part < Rune::PartCount) text += parts->parts[part].GetDescription();
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const ScreenBox rule = ScreenBoxOf(*m_itemPage.descriptionBreakTop);
  m_window.largeFont->DrawWrappedText(text, {rule.left + TextInset, rule.bottom + TextInset, 0.0f},
                                      FontAlignStart, FontAlignStart, m_itemPage.WrapWidth(),
                                      LineStep);
}

void MenuPause::DrawKeyItemDescription(const Item& item) {
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const ScreenBox corner = ScreenBoxOf(*m_itemPage.descriptionTopLeft);
  m_window.largeFont->DrawWrappedText(
      item.GetDescription(), {corner.left + TextInset, corner.top + KeyItemTextDrop, 0.0f},
      FontAlignStart, FontAlignStart, m_itemPage.WrapWidth(), LineStep);
}

void MenuPause::DrawListTexts(const ScreenBox& panel, const std::string& caption) {
  if (!m_window.smallFont) return;
  if (!caption.empty()) DrawListCaption(caption, panel);
  for (size_t k = 0; k < m_visibleRows.size(); ++k) {
    DrawRowText(panel, k, m_visibleRows[k]->GetName());
  }
}

void MenuPause::DrawListCaption(const std::string& caption, const ScreenBox& panel) {
  Font* small = m_window.smallFont;
  if (!small) return;
  small->color = ColorGrey;
  small->DrawString(caption, {panel.right - CaptionInset, panel.top + ListHeaderHeight, 0.0f},
                    FontAlignEnd, FontAlignEnd);
}

void MenuPause::DrawRowText(const ScreenBox& panel, size_t row, const std::string& text) {
  const float pitch = (panel.Height() - RowsHeightMargin) / static_cast<float>(WindowRows);
  const float y = panel.top + ListHeaderHeight + pitch * (static_cast<float>(row) + 0.5f);
  Font* small = m_window.smallFont;
  small->color = ColorWhite;
  small->DrawString(text, {panel.left + RowTextInset, y, 0.0f}, FontAlignCenter, FontAlignStart);
}

void MenuPause::DrawSideColumnTexts(const std::string& caption,
                                    std::span<const char* const> labels) {
  if (!m_window.smallFont) return;
  const ScreenBox side = ScreenBoxOf(m_sidePanel.group);
  DrawListCaption(caption, side);
  for (size_t k = 0; k < labels.size(); ++k) DrawRowText(side, k, labels[k]);
}
