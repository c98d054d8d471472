#include <algorithm>
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
#include "menus/pause/EncyclopediaTab.h"
#include "menus/pause/MenuPause.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr std::array<const char*, EncyclopediaTab::SubTabCount> SubTabLabels{
    "Skillset", "Journal", "Terms", "People", "Bestiary"};
constexpr std::array<const char*, EncyclopediaTab::SubTabCount> ListCaptions{
    "Skills", "Entries", "Terms", "People", "Bestiary"};
enum SubTab : int { SkillsetPage = 0, JournalPage, TermsPage, PeoplePage, BestiaryPage };

// The name in the header strip of the entry panel.
constexpr float HeaderInsetX = 20.0f;
constexpr float HeaderY = 18.0f;
// Entry texts: below the header strip, wrapped to the page's width.
constexpr Vector3 EntryTextAt{4.0f, 32.0f, 0.0f};
constexpr float EntryWrapWidth = 285.0f;
constexpr float EntryLineStep = 20.0f;
// A person's text runs down the page's left side, beside the portrait, which keeps this far
// from the text's column.
constexpr float PersonWrapWidth = 135.0f;
constexpr float PersonLineStep = 16.0f;
constexpr float PortraitGap = 8.0f;
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

std::string EncyclopediaTab::WithKeyHints(std::string text, const Controls& controls) {
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

void EncyclopediaTab::Draw() {
  const int page = m_subTab >= JournalPage && m_subTab <= BestiaryPage ? m_subTab : SkillsetPage;
  const int listFocus = page + 1;
  const bool columnFocused = m_focus == 0;
  const bool listFocused = m_focus == listFocus;
  const Object* selected = listFocused ? menu.SelectedRow() : nullptr;
  // The Bestiary page keeps its plain page panel in both focus states.
  const bool bestiary = page == BestiaryPage;
  ListPanel& side = menu.GetSidePanel();
  ListPanel& list = menu.GetListPanel();
  ItemPage& itemPage = Page();
  side.group.DrawScreen();
  list.group.DrawScreen();
  if (bestiary) itemPage.detailsPanel.DrawScreen();
  menu.GetScrollBar().Draw();
  if (columnFocused) {
    side.overlay.DrawScreen();
    if (!bestiary) itemPage.detailsPanel.DrawScreen();
  }
  if (listFocused) {
    list.overlay.DrawScreen();
    menu.GetListHighlight().DrawScreen();
    if (page >= PeoplePage && selected) menu.GetSelectionArrow().DrawScreen();
    if (bestiary) {
      itemPage.detailsPanel.DrawScreen();
    } else {
      itemPage.entryPanel.DrawScreen();
    }
  }
  menu.GetSideHighlight().DrawScreen();
  menu.DrawSideColumnTexts(Title(), SubTabLabels);
  menu.DrawListTexts(ScreenBoxOf(list.group), ListCaptions[page]);
  // An empty list has nothing selected and shows no details.
  if (selected && SmallFace() && LargeFace()) {
    switch (page) {
      case PeoplePage:
        DrawPersonDetails(*selected);
        break;
      case BestiaryPage:
        DrawEnemyDetails(*selected);
        break;
      default:
        menu.GetSelectionArrow().DrawScreen();
        DrawEntryText(*selected, page == SkillsetPage);
        break;
    }
  }
}

void EncyclopediaTab::DrawEntryText(const Object& entry, bool withKeyHints) {
  const ScreenBox panel = ScreenBoxOf(Page().entryPanel);
  SmallFace()->color = ColorGrey;
  SmallFace()->DrawString(entry.GetName(), {panel.right - HeaderInsetX, panel.top + HeaderY, 0.0f},
                          FontAlignEnd, FontAlignEnd);
  Page().SetFont(MenuPause::PageTextScale, ColorWhite);
  const Controls* controls = menu.PlayerControls();
  const std::string text = withKeyHints && controls
                               ? WithKeyHints(entry.GetDescription(), *controls)
                               : entry.GetDescription();
  const Vector3 anchor = ScreenBoxOf(*Page().entryTopLeft).TopLeft();
  LargeFace()->DrawWrappedText(text, anchor + EntryTextAt, FontAlignStart, FontAlignStart,
                               EntryWrapWidth, EntryLineStep);
}

void EncyclopediaTab::DrawPersonDetails(const Object& person) {
  const ScreenBox panel = ScreenBoxOf(Page().entryPanel);
  const World* world = menu.GetWorld();
  const NPCResources* people = world ? world->npcResources.get() : nullptr;
  const NPC* npc = people ? people->GetPrototype(people->FindByName(person.name)) : nullptr;
  // A name that no character bears shows its own record, without a portrait.
  const Object& shown = npc ? static_cast<const Object&>(*npc) : person;
  if (npc && npc->portraitCrop) {
    Sprite& portrait = *npc->portraitCrop;
    // Our portraits fill the whole crop, which is wider than the room the text leaves: at full
    // size the portrait would lie under the ends of the lines.
    const float room = panel.Width() - EntryTextAt.x - PersonWrapWidth - PortraitGap;
    const float crop = static_cast<float>(portrait.sourceRect.right - portrait.sourceRect.left);
    const float scale = std::min(1.0f, room / crop);
    portrait.SetScale(scale, scale);
    const Vector3 size = portrait.GetScaledSourceSize();
    portrait.SetAltPosition({panel.right - size.x / 2, panel.bottom - size.y / 2, 0.0f});
    portrait.DrawScreen();
  }
  SmallFace()->color = ColorGrey;
  SmallFace()->DrawString(shown.GetName(), {panel.right - HeaderInsetX, panel.top + HeaderY, 0.0f},
                          FontAlignEnd, FontAlignEnd);
  Page().SetFont(MenuPause::PageTextScale, ColorWhite);
  LargeFace()->DrawWrappedText(shown.GetDescription(), panel.TopLeft() + EntryTextAt,
                               FontAlignStart, FontAlignStart, PersonWrapWidth, PersonLineStep);
}

void EncyclopediaTab::DrawEnemyDetails(const Object& enemy) {
  const ScreenBox panel = ScreenBoxOf(Page().entryPanel);
  const World* world = menu.GetWorld();
  const EnemyResources* catalogue = world ? world->enemyResources.get() : nullptr;
  const Enemy* prototype =
      catalogue ? catalogue->GetPrototype(Enemy::FindKindByName(*catalogue, enemy.name)) : nullptr;
  const float right = panel.right - EnemyRightInset;
  Page().SetFont(MenuPause::NameScale, ColorWhite);
  if (Sprite* picture = prototype ? prototype->GetPicture() : nullptr) {
    const Vector3 o = prototype->pictureOffset;
    picture->SetAltPosition({panel.left + o.x, panel.top + o.y, o.z});
    picture->DrawScreen();
  }
  LargeFace()->DrawString(enemy.GetName(), {right, panel.top + EnemyNameY, 0.0f}, FontAlignStart,
                          FontAlignEnd);
  // Without its prototype an enemy shows no statistics.
  if (prototype) {
    SmallFace()->color = ColorWhite;
    SmallFace()->DrawString("Health: " + FloatToString(prototype->derived[Derived::MaxHealth]),
                            {right, panel.top + EnemyHealthY, 0.0f}, FontAlignStart, FontAlignEnd);
    SmallFace()->DrawString(
        "EXP: " + FloatToString(prototype->totalStats[Stat::StatGivenExperience]),
        {right, panel.top + EnemyExperienceY, 0.0f}, FontAlignStart, FontAlignEnd);
    menu.DrawMainStats(*prototype);
    Page().SetFont(MenuPause::PageTextScale, ColorGrey);
    LargeFace()->DrawString("Loot Drop:", panel.TopLeft() + LootDropAt, FontAlignStart,
                            FontAlignStart);
    LargeFace()->DrawString("Rune Drop:", panel.TopLeft() + RuneDropAt, FontAlignStart,
                            FontAlignStart);
  }
  Page().DrawDescriptionAt(prototype ? static_cast<const Object&>(*prototype) : enemy,
                           panel.TopLeft() + EnemyDescriptionAt);
}
