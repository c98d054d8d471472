#include <array>
#include <string>

#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "menus/pause/MenuPause.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const char* EncyclopediaTitle = "Encyclopedia";
constexpr std::array<const char*, MenuPause::EncyclopediaSubTabCount> SubTabLabels{
    "Skillset", "Journal", "Terms", "People", "Bestiary"};
constexpr std::array<const char*, MenuPause::EncyclopediaSubTabCount> ListCaptions{
    "Skills", "Entries", "Terms", "People", "Bestiary"};
enum SubTab : int { SkillsetPage = 0, JournalPage, TermsPage, PeoplePage, BestiaryPage };

// The name in the header strip of the entry panel.
constexpr float HeaderInsetX = 20.0f;
constexpr float HeaderY = 18.0f;
// Entry texts: below the header strip, wrapped to the page's width.
constexpr Vector3 EntryTextAt{4.0f, 32.0f, 0.0f};
constexpr float EntryWrapWidth = 285.0f;
constexpr float EntryLineStep = 20.0f;
// A person's text runs down the page's left side, beside the portrait.
constexpr float PersonWrapWidth = 135.0f;
constexpr float PersonLineStep = 16.0f;
// Enemy details, from the page's top-left and top-right corners.
constexpr float EnemyRightInset = 10.0f;
constexpr float EnemyNameY = 10.0f;
constexpr float EnemyHealthY = 40.0f;
constexpr float EnemyExperienceY = 56.0f;
constexpr Vector3 LootDropAt{165.0f, 128.0f, 0.0f};
constexpr Vector3 RuneDropAt{165.0f, 208.0f, 0.0f};
constexpr Vector3 EnemyDescriptionAt{4.0f, 256.0f, 0.0f};

// Key placeholders of the skill texts and the bindings whose keys replace them.
struct KeyHint {
  const char* placeholder;
  Binding binding;
};
constexpr KeyHint KeyHints[] = {{"[left]", BindLeft},
                                {"[right]", BindRight},
                                {"[down]", BindDown},
                                {"[jump]", BindAction2Key},
                                {"[dash]", BindAction3Key}};

}  // namespace

std::string MenuPause::WithKeyHints(std::string text, const Controls& controls) {
  for (const KeyHint& hint : KeyHints) {
    const std::string placeholder = hint.placeholder;
    const std::string key = "[" + KeyName(static_cast<int>(controls.bindings[hint.binding])) + "]";
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + key.size())) {
      text.replace(at, placeholder.size(), key);
    }
  }
  return text;
}

void MenuPause::DrawEncyclopediaTab() {
  DrawCommonFrame(TabEncyclopedia, EncyclopediaTitle);
  const int page = m_encyclopediaSubTab >= JournalPage && m_encyclopediaSubTab <= BestiaryPage
                       ? m_encyclopediaSubTab
                       : SkillsetPage;
  const int listFocus = page + 1;
  const bool columnFocused = m_encyclopediaFocus == 0;
  const bool listFocused = m_encyclopediaFocus == listFocus;
  const Object* selected = listFocused ? SelectedRow() : nullptr;
  // The Bestiary page keeps its plain page panel in both focus states.
  const bool bestiary = page == BestiaryPage;
  m_sidePanel.group.DrawScreen();
  m_listPanel.group.DrawScreen();
  if (bestiary) m_itemPage.detailsPanel.DrawScreen();
  m_scrollBar->Draw();
  if (columnFocused) {
    m_sidePanel.overlay.DrawScreen();
    if (!bestiary) m_itemPage.detailsPanel.DrawScreen();
  }
  if (listFocused) {
    m_listPanel.overlay.DrawScreen();
    m_listHighlight->DrawScreen();
    if (page >= PeoplePage && selected) m_selectionArrow->DrawScreen();
    if (bestiary) {
      m_itemPage.detailsPanel.DrawScreen();
    } else {
      m_itemPage.entryPanel.DrawScreen();
    }
  }
  m_sideHighlight->DrawScreen();
  DrawEncyclopediaColumn();
  const ScreenBox list = ScreenBoxOf(m_listPanel.group);
  DrawListCaption(ListCaptions[page], list);
  DrawListTexts(list.Width(), list.Height(), list.TopLeft());
  // An empty list has nothing selected and shows no details.
  if (selected && m_fontArc17pt && m_fontArc64pt) {
    switch (page) {
      case PeoplePage:
        DrawPersonDetails(*selected);
        break;
      case BestiaryPage:
        DrawEnemyDetails(*selected);
        break;
      default:
        m_selectionArrow->DrawScreen();
        DrawEntryText(*selected, page == SkillsetPage);
        break;
    }
  }
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuPause::DrawEncyclopediaColumn() { DrawSideColumnTexts(EncyclopediaTitle, SubTabLabels); }

void MenuPause::DrawEntryText(const Object& entry, bool withKeyHints) {
  const ScreenBox panel = ScreenBoxOf(m_itemPage.entryPanel);
  m_fontArc17pt->color = ColorGrey;
  m_fontArc17pt->DrawString(entry.GetName(),
                            {panel.right - HeaderInsetX, panel.top + HeaderY, 0.0f}, FontAlignEnd,
                            FontAlignEnd);
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  const Controls* controls = PlayerControls();
  const std::string text = withKeyHints && controls
                               ? WithKeyHints(entry.GetDescription(), *controls)
                               : entry.GetDescription();
  const Vector3 anchor = ScreenBoxOf(*m_itemPage.entryTopLeft).TopLeft();
  m_fontArc64pt->DrawWrappedText(text, anchor + EntryTextAt, FontAlignStart, FontAlignStart,
                                 EntryWrapWidth, EntryLineStep);
}

void MenuPause::DrawPersonDetails(const Object& person) {
  const ScreenBox panel = ScreenBoxOf(m_itemPage.entryPanel);
  const NPCResources* people = m_world ? m_world->npcResources.get() : nullptr;
  const NPC* npc =
      people ? people->GetPrototype(people->FindByName(person.name)) : nullptr;
  // A name that no character bears shows its own record, without a portrait.
  const Object& shown = npc ? static_cast<const Object&>(*npc) : person;
  if (npc && npc->portraitCrop) {
    Sprite& portrait = *npc->portraitCrop;
    const Vector3 size = portrait.GetScaledSourceSize();
    portrait.SetAltPosition({panel.right - size.x / 2, panel.bottom - size.y / 2, 0.0f});
    portrait.DrawScreen();
  }
  m_fontArc17pt->color = ColorGrey;
  m_fontArc17pt->DrawString(shown.GetName(),
                            {panel.right - HeaderInsetX, panel.top + HeaderY, 0.0f}, FontAlignEnd,
                            FontAlignEnd);
  m_itemPage.SetFont(PageTextScale, ColorWhite);
  m_fontArc64pt->DrawWrappedText(shown.GetDescription(), panel.TopLeft() + EntryTextAt,
                                 FontAlignStart, FontAlignStart, PersonWrapWidth, PersonLineStep);
}

void MenuPause::DrawEnemyDetails(const Object& enemy) {
  const ScreenBox panel = ScreenBoxOf(m_itemPage.entryPanel);
  const EnemyResources* catalogue = m_world ? m_world->enemyResources.get() : nullptr;
  const Enemy* prototype =
      catalogue ? catalogue->GetPrototype(Enemy::FindKindByName(*catalogue, enemy.name)) : nullptr;
  const float right = panel.right - EnemyRightInset;
  m_itemPage.SetFont(NameScale, ColorWhite);
  if (Sprite* picture = prototype ? prototype->GetPicture() : nullptr) {
    const Vector3 o = prototype->pictureOffset;
    picture->SetAltPosition({panel.left + o.x, panel.top + o.y, o.z});
    picture->DrawScreen();
  }
  m_fontArc64pt->DrawString(enemy.GetName(), {right, panel.top + EnemyNameY, 0.0f}, FontAlignStart,
                            FontAlignEnd);
  // Without its prototype an enemy shows no statistics.
  if (prototype) {
    m_fontArc17pt->color = ColorWhite;
    m_fontArc17pt->DrawString("Health: " + FloatToString(prototype->derived[Derived::MaxHealth]),
                              {right, panel.top + EnemyHealthY, 0.0f}, FontAlignStart,
                              FontAlignEnd);
    m_fontArc17pt->DrawString(
        "EXP: " + FloatToString(prototype->totalStats[Stat::StatGivenExperience]),
        {right, panel.top + EnemyExperienceY, 0.0f}, FontAlignStart, FontAlignEnd);
    DrawMainStats(*prototype);
    m_itemPage.SetFont(PageTextScale, ColorGrey);
    m_fontArc64pt->DrawString("Loot Drop:", panel.TopLeft() + LootDropAt, FontAlignStart,
                              FontAlignStart);
    m_fontArc64pt->DrawString("Rune Drop:", panel.TopLeft() + RuneDropAt, FontAlignStart,
                              FontAlignStart);
  }
  DrawDescriptionAt(prototype ? static_cast<const Object&>(*prototype) : enemy,
                    panel.TopLeft() + EnemyDescriptionAt);
}
