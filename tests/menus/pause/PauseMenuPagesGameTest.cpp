#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "enemies/EnemyResources.h"
#include "PauseGame.h"
#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuController.h"
#include "menus/MenuTitle.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "platform/TextFont.h"

using platform::Vector3;

namespace {

class PauseMenuPages : public PauseGame {
 protected:
  // From play to the tab, through the ring.
  void OpenTab(int key, int presses) {
    Tap(VirtualKey::Esc);
    ASSERT_EQ(GameStates->current, menu);
    for (int i = 0; i < presses; ++i) Tap(key);
  }

  void Keep(const std::string& name) { ASSERT_TRUE(game.KeepFrame(name)); }

  // Down the page's left side the lines are a line step apart, or two font lines where a
  // paragraph starts, and none reaches into the portrait in the page's bottom-right corner.
  void ExpectLinesLaidOut(float lineStep, const Sprite* portrait = nullptr) {
    Drew("");
    Font& font = *GameStates->fontArc64pt;
    const ScopedFontStyle style(font, ColorWhite, MenuPause::PageTextScale);
    const float left = ScreenBoxOf(menu->GetItemPage().entryPanel).left + 4;
    const float fontLine = font.cellHeight * font.scaleY;
    std::optional<float> above;
    for (const DrawnText& line : texts.drawn) {
      if (line.anchor.x != left || line.text.empty()) continue;
      const float step = above ? line.anchor.y - *above : lineStep;
      EXPECT_TRUE(step == lineStep || step == 2 * fontLine) << step << " above " << line.text;
      above = line.anchor.y;
      if (!portrait) continue;
      const ScreenBox picture = ScreenBoxOf(*portrait);
      const bool beside = line.anchor.y + fontLine > picture.top;
      EXPECT_FALSE(beside && left + font.MeasureString(line.text) > picture.left) << line.text;
    }
  }
};

}  // namespace

TEST_F(PauseMenuPages, TheEncyclopediaShowsWhatThePlayerKnowsWithPicturesAndDetails) {
  player->skills = {"Jump", "Dash", "Walk", "Unwritten Skill"};
  player->journal = {
      {"Demo Journal Entry", {5, 0, 2, 9}}, {"Unheard Entry", {0}}, {"Journal Entry Intro", {}}};
  player->terms = {"Rune", "Ratatoskr", "Miasma"};
  player->people = {"Sealth", "Unmet Stranger", "Jennifer"};
  player->bestiary = {"Ratatoskr",          "Goblin",  "Nidhogglet", "Unheard Beast",
                      "Passive Nidhogglet", "DemoWall"};

  OpenTab(VirtualKey::P, 2);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabEncyclopedia);
  EXPECT_EQ(Encyclopedia().GetFocus(), 0);
  // Skills in the file's order; a name the file lacks is not shown.
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Walk", "Jump", "Dash"}));
  Keep("encyclopedia-column.png");
  Drew("");
  EXPECT_EQ(texts.After("Skills", 3), (std::vector<std::string>{"Walk", "Jump", "Dash"}));
  Tap(VirtualKey::J);
  ASSERT_EQ(Encyclopedia().GetFocus(), 1);
  Tap(VirtualKey::S);
  ASSERT_EQ(menu->SelectedRow()->GetName(), "Jump");
  Keep("encyclopedia-skill.png");
  // The text names the keys bound now.
  EXPECT_TRUE(Drew("Press [I] on the ground"));
  player->controls->bindings[BindAction2Key] = 'K';
  EXPECT_TRUE(Drew("Press [K] on the ground"));
  Keep("encyclopedia-skill-rebound.png");
  player->controls->bindings[BindAction2Key] = VirtualKey::I;
  Tap(VirtualKey::S);
  ExpectLinesLaidOut(20.0f);

  // Journal: the pages held, in page order, one after the other; an entry without its pages
  // is still listed.
  Tap(VirtualKey::I);
  EXPECT_EQ(Encyclopedia().GetFocus(), 0);
  EXPECT_EQ(Encyclopedia().GetSubTab(), 0);
  Tap(VirtualKey::S);
  ASSERT_EQ(Encyclopedia().GetSubTab(), 1);
  EXPECT_EQ(Names(menu->GetListRows()),
            (std::vector<std::string>{"Journal Entry Intro", "Demo Journal Entry"}));
  const auto& pages = menu->GetJournalEntries()[1].pages;
  EXPECT_EQ(Encyclopedia().GetShownJournal()[1].description,
            pages[0].description + pages[2].description + pages[5].description);
  EXPECT_EQ(Encyclopedia().GetShownJournal()[0].description, "");
  Tap(VirtualKey::J);
  Tap(VirtualKey::S);
  Keep("encyclopedia-journal.png");

  Tap(VirtualKey::I);
  Tap(VirtualKey::S);
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Miasma", "Rune", "Ratatoskr"}));
  Tap(VirtualKey::J);
  Keep("encyclopedia-term.png");

  // People and enemies in the player's order, each name looked up among the characters and
  // the enemy catalogue; a name nobody bears is left out.
  Tap(VirtualKey::I);
  Tap(VirtualKey::S);
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Sealth", "Jennifer"}));
  Tap(VirtualKey::J);
  Keep("encyclopedia-person.png");
  // The name in the header strip; the text down the left side in lines 16 apart.
  const NPCResources& people = *world->npcResources;
  people.GetPrototype(people.FindByName("Sealth"))
      ->SetDescription("Keeps the save stone and the old road, and knows every traveller by name.");
  Drew("");
  const ScreenBox page = ScreenBoxOf(menu->GetItemPage().entryPanel);
  EXPECT_TRUE(texts.DrewAt("Sealth", page.right - 20, page.top + 18));
  const std::vector<float> lines = texts.HeightsAtX(page.left + 4);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], page.top + 32);
  EXPECT_EQ(lines[1], page.top + 48);
  Tap(VirtualKey::S);
  ExpectLinesLaidOut(16.0f, people.GetPrototype(people.FindByName("Jennifer"))->portraitCrop.get());
  Tap(VirtualKey::I);
  Tap(VirtualKey::S);
  ASSERT_EQ(Encyclopedia().GetSubTab(), 4);
  EXPECT_EQ(Names(menu->GetListRows()),
            (std::vector<std::string>{"Ratatoskr", "Goblin", "Nidhogglet", "Passive Nidhogglet",
                                      "DemoWall"}));
  Keep("encyclopedia-bestiary-column.png");
  Tap(VirtualKey::J);
  ASSERT_EQ(Encyclopedia().GetFocus(), 5);
  Keep("encyclopedia-bestiary-ratatoskr.png");
  // The experience each kind gives when beaten; name and numbers from the page's top-right,
  // the drop captions from its top-left.
  EXPECT_TRUE(Drew("EXP: 12"));
  const struct {
    const char* text;
    float x, y;
  } placed[] = {
      {"Ratatoskr", page.right - 10, page.top + 10},
      {"Health: 10", page.right - 10, page.top + 40},
      {"EXP: 12", page.right - 10, page.top + 56},
      {"Loot Drop:", page.left + 165, page.top + 128},
      {"Rune Drop:", page.left + 165, page.top + 208},
  };
  for (const auto& text : placed) EXPECT_TRUE(texts.DrewAt(text.text, text.x, text.y)) << text.text;
  Tap(VirtualKey::S);
  Keep("encyclopedia-bestiary-goblin.png");
  Tap(VirtualKey::S);
  Keep("encyclopedia-bestiary-nidhogglet.png");
  EXPECT_TRUE(Drew("EXP: 4"));
  for (int i = 0; i < 4; ++i) Tap(VirtualKey::S);
  EXPECT_EQ(menu->SelectedRow()->GetName(), "DemoWall") << "the cursor stops on the last row";
  const uint32_t last = menu->GetListCursor();
  Tap(VirtualKey::W);
  EXPECT_EQ(menu->GetListCursor(), last - 1);
  Tap(VirtualKey::S);
  Keep("encyclopedia-bestiary-wall.png");
  // Every kind has a picture, and it fills its 128-pixel square of the page, whatever the size
  // of its cell.
  for (int kind = 0; kind < EnemyKindCount(); ++kind) {
    const Enemy* prototype = world->enemyResources->GetPrototype(kind);
    const Sprite* picture = prototype ? prototype->GetPicture() : nullptr;
    ASSERT_NE(picture, nullptr) << kind;
    const Vector3 size = picture->GetScaledSourceSize();
    EXPECT_FLOAT_EQ(std::max(size.x, size.y), 128.0f) << kind;
  }

  // The column wraps both ways, its highlight on the open sub-tab's row.
  Tap(VirtualKey::I);
  const Vector3 first = MenuPause::FirstRowCenter(menu->GetSidePanel().group);
  Tap(VirtualKey::S);
  EXPECT_EQ(Encyclopedia().GetSubTab(), 0);
  EXPECT_FLOAT_EQ(menu->GetSideHighlight().altPosition.y, first.y);
  Tap(VirtualKey::W);
  EXPECT_EQ(Encyclopedia().GetSubTab(), 4);
  EXPECT_FLOAT_EQ(menu->GetSideHighlight().altPosition.y,
                  first.y + 4 * MenuPause::RowPitch(menu->GetSidePanel().group));
  // An empty list takes the focus and shows its panels without details.
  player->bestiary.clear();
  Tap(VirtualKey::W);
  Tap(VirtualKey::S);
  ASSERT_TRUE(menu->GetListRows().empty());
  Tap(VirtualKey::J);
  EXPECT_EQ(Encyclopedia().GetFocus(), 5);
  Tap(VirtualKey::S);
  Keep("encyclopedia-bestiary-empty.png");
  Tap(VirtualKey::I);
  Tap(VirtualKey::I);
  EXPECT_EQ(GameStates->current, world) << "cancel on the column resumes play";
}

TEST_F(PauseMenuPages, KeyPlaceholdersNameTheKeysBoundToThem) {
  Controls& controls = *player->controls;
  struct Row {
    const char* text;
    const char* expected;
  };
  const Row rows[] = {
      {"[jump] then [dash]", "[I] then [O]"},
      {"[left][left] [right], [down]", "[A][A] [D], [S]"},
      {"[Left] and [run] stay", "[Left] and [run] stay"},
      {"no hints", "no hints"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EncyclopediaTab::WithKeyHints(row.text, controls), row.expected) << row.text;
  }
  controls.bindings[BindAction2Key] = VirtualKey::Space;
  controls.bindings[BindAction3Key] = 0x07;
  EXPECT_EQ(EncyclopediaTab::WithKeyHints("[jump] [dash]", controls), "[Space] []");
}

TEST_F(PauseMenuPages, SettingsConfigureTheButtonsQuitToTheTitleAtFullVolumeAndQuitTheGame) {
  OpenTab(VirtualKey::O, 1);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabSettings);
  // The highlight across the middle of each entry's line as the cursor turns in its ring,
  // never on the empty row.
  struct Row {
    int key;
    int32_t cursor;
    float textTop;
  };
  const Row rows[] = {{0, 0, 174.5f},
                      {VirtualKey::S, 2, 214.5f},
                      {VirtualKey::S, 3, 234.5f},
                      {VirtualKey::S, 0, 174.5f},
                      {VirtualKey::W, 3, 234.5f},
                      {VirtualKey::W, 2, 214.5f},
                      {VirtualKey::W, 0, 174.5f}};
  const float halfLine = 64.0f * 0.38f / 2;
  for (const Row& row : rows) {
    if (row.key) Tap(row.key);
    EXPECT_EQ(Settings().GetCursor(), row.cursor);
    const ScreenBox box = ScreenBoxOf(Settings().GetHighlight());
    EXPECT_FLOAT_EQ(box.left, 200.0f) << row.cursor;
    EXPECT_FLOAT_EQ((box.top + box.bottom) / 2, row.textTop + halfLine) << row.cursor;
    Keep("settings-" + std::to_string(row.cursor) + ".png");
  }
  // "Quit to Title" and "Quit Game", a row apart, keep a clear pixel row between them.
  auto inked = [&](int y) {
    for (int x = 205; x < 450; ++x) {
      if ((game.Pixel(x, y) >> 8 & 0xFF) >= 0xC0) return true;
    }
    return false;
  };
  int lines = 0;
  for (int y = 214; y < 262; ++y) lines += inked(y) && !inked(y - 1) ? 1 : 0;
  EXPECT_EQ(lines, 2);

  // Button Configuration: the controller menu edits the first player's controls over this
  // screen and comes back to it as it was.
  Tap(VirtualKey::J);
  MenuController* controller = GameStates->menuController;
  ASSERT_EQ(GameStates->current, controller);
  EXPECT_EQ(controller->m_backgroundState, menu);
  EXPECT_EQ(controller->m_returnState, menu);
  EXPECT_EQ(controller->m_editedControls, player->controls);
  GameStates->SwitchTo(controller->m_returnState);
  EXPECT_EQ(menu->GetTabIndex(), MenuPause::TabSettings);
  EXPECT_EQ(Settings().GetCursor(), 0);
  // Cancel resumes play; the tab opens again.
  Tap(VirtualKey::I);
  ASSERT_EQ(GameStates->current, world);
  OpenTab(VirtualKey::O, 1);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabSettings);

  // Quit to Title: the title menu at full volume, the level cleared.
  ASSERT_EQ(Volume(), DimmedVolume);
  Tap(VirtualKey::S);
  Tap(VirtualKey::J);
  EXPECT_EQ(GameStates->current, GameStates->menuTitle);
  EXPECT_EQ(Volume(), FullVolume);
  EXPECT_TRUE(world->boundaries.empty());
  game.Step();
  Keep("quit-to-title.png");

  // Quit Game: the loop ends after the frame.
  GameStates->SwitchTo(world);
  OpenTab(VirtualKey::O, 1);
  Tap(VirtualKey::W);
  ASSERT_EQ(Settings().GetCursor(), 3);
  ASSERT_EQ(Running, 1);
  Tap(VirtualKey::J);
  EXPECT_EQ(Running, 0);
}

TEST_F(PauseMenuPages, TheStatisticsPagesListTheWholeSheetAndKeepTheirPageAndButton) {
  // The line table: 128 lines on page 1, 118 statistics and the tokens on page 2.
  int perPage[2] = {0, 0};
  for (const StatisticsPages::Line& line : StatisticsPages::Lines()) {
    ++perPage[line.page - 1];
  }
  EXPECT_EQ(perPage[0], 128);
  EXPECT_EQ(perPage[1], 119);
  auto lineAt = [](int page, int column, int row) -> const StatisticsPages::Line* {
    for (const StatisticsPages::Line& line : StatisticsPages::Lines()) {
      if (line.page == page && line.column == column && line.row == row) return &line;
    }
    return nullptr;
  };
  struct Row {
    int page, column, row;
    const char* label;
    int stat;
  };
  const Row rows[] = {
      {1, 0, 12, "BaseResistance: ", Stat::BaseResistanceFactor},
      {1, 3, 32, "PtDamageReceived: ", Stat::PtDamageReceived},
      {2, 1, 2, "ptGainFactorTimesBreakPoint1Broken: ", Stat::PtGainFactorTimesBreakPoint1Broken},
      {2, 1, 31, "WallSlideSpeed: ", Stat::WallSlideSpeed},
      {2, 3, 24, "Tokens: ", StatisticsPages::TokensLine},
  };
  for (const Row& row : rows) {
    const StatisticsPages::Line* line = lineAt(row.page, row.column, row.row);
    ASSERT_NE(line, nullptr) << row.label;
    EXPECT_EQ(line->label, row.label);
    EXPECT_EQ(line->stat, row.stat) << row.label;
  }
  EXPECT_EQ(lineAt(2, 1, 32), nullptr);

  (*player->stats)[Stat::Mass] = 200.0f;
  (*player->stats)[Stat::DragFactor] = 1.4f;
  (*player->stats)[Stat::AirDragFactor] = -50.0f;
  player->SetTokens(1234.0f);
  SetSwitch(TogglePlayerStatsInPauseMenu, true);
  OpenTab(VirtualKey::O, 1);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabStatistics);
  EXPECT_EQ(Statistics().GetPage(), 1);
  Keep("statistics-page-1.png");
  // The lines read the gained sheet, not the totals.
  player->totalStats[Stat::Mass] = 7.0f;
  for (const char* line : {"Mass: 200", "DragFactor: 1.4", "AirDragFactor: -50"}) {
    EXPECT_TRUE(Drew(line)) << line;
  }
  Tap(VirtualKey::W);
  EXPECT_EQ(Statistics().GetPage(), 2);
  EXPECT_TRUE(Drew("Tokens: 1234"));
  // The second column starts at its place, or just past the widest line of the first where that
  // reaches further.
  const StatisticsPages::Line* long0 = lineAt(2, 0, 16);
  const StatisticsPages::Line* top1 = lineAt(2, 1, 1);
  ASSERT_TRUE(long0 && top1);
  const auto xOf = [&](const std::string& label) {
    const auto at = std::find_if(texts.drawn.begin(), texts.drawn.end(), [&](const DrawnText& each) {
      return each.text.starts_with(label);
    });
    return at == texts.drawn.end() ? -1.0f : at->anchor.x;
  };
  Drew("");
  const float first = xOf(long0->label);
  EXPECT_EQ(xOf(top1->label) - first, 185.0f);
  const float kept = (*player->stats)[long0->stat];
  (*player->stats)[long0->stat] = -1.23457e20f;
  Drew("");
  const auto font = platform::TextFont::Create(*Device, 10);
  const float widest = static_cast<float>(
      font->Measure(StringToWString(long0->label + "-1.23457e+20")).width);
  ASSERT_GT(widest, 185.0f);
  EXPECT_EQ(xOf(top1->label) - first, widest + 10.0f);
  (*player->stats)[long0->stat] = kept;
  Tap(VirtualKey::D);
  EXPECT_EQ(Statistics().GetSelectedButton(), &Statistics().GetQuitButton());
  EXPECT_EQ(Statistics().GetButtonHighlight().altPosition.x,
            Statistics().GetQuitButton().altPosition.x);
  Keep("statistics-page-2.png");

  // Page and button stay as they were left, across a return to play.
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, world);
  OpenTab(VirtualKey::O, 1);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabStatistics);
  EXPECT_EQ(Statistics().GetPage(), 2);
  EXPECT_EQ(Statistics().GetSelectedButton(), &Statistics().GetQuitButton());
  Tap(VirtualKey::S);
  EXPECT_EQ(Statistics().GetPage(), 1);
  Tap(VirtualKey::A);
  Tap(VirtualKey::J);
  EXPECT_EQ(GameStates->current, world) << "Resume";
  EXPECT_EQ(Volume(), FullVolume);

  OpenTab(VirtualKey::O, 1);
  Tap(VirtualKey::A);
  Tap(VirtualKey::J);
  EXPECT_EQ(Running, 0) << "Quit";
}

// A new game knows a few skills, journal entries, terms, people and enemies; the shipped texts describe
// every one of them.
TEST_F(PauseMenuPages, ANewGameFindsTheTextOfEveryEntryItKnows) {
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\DemoNewGameMap.gmf");
  player->StartNewGame();
  game.StepFrames(60);
  OpenTab(VirtualKey::P, 2);
  const std::vector<std::vector<std::string>> expected = {
      {"Air Jump", "Dash", "Air Dash", "Wall Slide", "Roll", "Dodge"},
      {"Journal Entry Intro", "Demo Journal Entry"},
      {"Term List", "Beast", "Lionheart", "Midgard", "Miasma", "Mystic", "Rune", "Yggdrasil"},
      {"Jennifer"},
      {"Nidhogglet", "Passive Nidhogglet", "Ratatoskr"}};
  for (size_t subTab = 0; subTab < expected.size(); ++subTab) {
    ASSERT_EQ(Encyclopedia().GetSubTab(), static_cast<int32_t>(subTab));
    EXPECT_EQ(Names(menu->GetListRows()), expected[subTab]) << subTab;
    for (const Object* row : menu->GetListRows()) EXPECT_FALSE(row->description.empty());
    Tap(VirtualKey::J);
    Keep("new-game-encyclopedia-" + std::to_string(subTab) + ".png");
    Tap(VirtualKey::I);
    Tap(VirtualKey::S);
  }
}
