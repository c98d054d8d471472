#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/KeyboardLayer.h"
#include "engine/SoundBank.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/MenuController.h"
#include "menus/pause/MenuPause.h"
#include "platform/InputMapping.h"
#include "PauseGame.h"

namespace {

bool Greenish(uint32_t pixel) {
  const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return g > r + 40 && g > b + 40;
}

}  // namespace

TEST_F(PauseGame, PausesEquipsFromTheStatsTabAndTheInventoryAndResumesAtFullVolume) {
  ASSERT_EQ(Volume(), FullVolume);
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, menu);
  EXPECT_EQ(menu->GetPlayer(), player);
  EXPECT_EQ(Volume(), DimmedVolume);
  EXPECT_EQ(menu->GetTabIndex(), MenuPause::TabStats);
  // Frozen: the world's own clock of play stands still while the menu is open.
  const float playTime = player->totalStats[Stat::StatTotalPlayTime];
  game.StepFrames(10);
  EXPECT_EQ(player->totalStats[Stat::StatTotalPlayTime], playTime);
  ASSERT_TRUE(game.KeepFrame("pause-stats.png"));

  // The weapon row's candidates: "Empty", then the weapons held, in the pool's order.
  const float attack = player->derived[Derived::Attack];
  Tap(VirtualKey::J);
  ASSERT_EQ(Stats().GetFocus(), 1);
  EXPECT_EQ(Names(menu->GetListRows()),
            (std::vector<std::string>{"Empty", "Steel Dagger", "Iron Sword"}));
  Tap(VirtualKey::S);
  Tap(VirtualKey::S);
  ASSERT_EQ(menu->GetListCursor(), 2u);
  // Up steps back one row, the highlight with it.
  const float highlightY = menu->GetSideHighlight().altPosition.y;
  Tap(VirtualKey::W);
  EXPECT_EQ(menu->GetListCursor(), 1u);
  EXPECT_FLOAT_EQ(menu->GetSideHighlight().altPosition.y,
                  highlightY - MenuPause::RowPitch(menu->GetSidePanel().group));
  Tap(VirtualKey::S);
  ASSERT_TRUE(game.KeepFrame("pause-stats-compare.png"));
  const Item* sword = player->itemStore->FindByName("Iron Sword");
  ASSERT_GT((*sword->stats)[Stat::BaseAttack], 0.0f);
  const platform::Vector3 raise = menu->GetItemPage().raiseMarkers[0]->altPosition;
  EXPECT_TRUE(Greenish(game.Pixel(static_cast<int>(raise.x), static_cast<int>(raise.y) + 2)))
      << "the attack row shows the raise marker";
  Tap(VirtualKey::J);
  EXPECT_EQ(Stats().GetFocus(), 0);
  EXPECT_EQ(player->equipped[0], sword);
  EXPECT_FLOAT_EQ(player->derived[Derived::Attack], attack + (*sword->stats)[Stat::BaseAttack]);
  EXPECT_EQ(sword->quantity, 1) << "equipping consumes nothing";
  ASSERT_TRUE(game.KeepFrame("pause-stats-equipped.png"));

  // Either column's highlight stands 8 above it, so the marker keeps its height across.
  const float markerY = Stats().GetSlotMarker().altPosition.y;
  Tap(VirtualKey::D);
  EXPECT_EQ(Stats().GetSlotMarker().altPosition.y, markerY);
  Tap(VirtualKey::A);
  EXPECT_EQ(Stats().GetColumn(), 0);
  EXPECT_EQ(Stats().GetSlotMarker().altPosition.y, markerY);

  // The rune column: the same rune list for every row, the marker mirrored; a rune's page
  // tells what it does on the part of its row.
  Tap(VirtualKey::D);
  EXPECT_EQ(Stats().GetColumn(), 1);
  EXPECT_EQ(Stats().GetSlotMarker().flipHorizontal, 1);
  for (int i = 0; i < 3; ++i) Tap(VirtualKey::S);
  Tap(VirtualKey::J);
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Empty", "Ember Rune"}));
  Tap(VirtualKey::S);
  EXPECT_TRUE(Drew("On gauntlets: blows that wear a guard"));
  ASSERT_TRUE(game.KeepFrame("pause-stats-rune.png"));
  Tap(VirtualKey::I);
  EXPECT_EQ(Stats().GetFocus(), 0) << "cancel in the list goes back to the slots";
  EXPECT_EQ(GameStates->current, menu);

  // Inventory: everything held but runes, by category.
  Tap(VirtualKey::P);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabInventory);
  EXPECT_EQ(Names(menu->GetListRows()),
            (std::vector<std::string>{"Steel Dagger", "Iron Sword", "Leather Cap", "Bitter Leaf",
                                      "Old Map"}));
  // The list's caption names the category, as the cursor steps round them.
  const float captionX = ScreenBoxOf(menu->GetListPanel().group).right - 20.0f;
  for (const char* caption : {"Daggers", "Sword", "Spears", "Headgear", "Armor", "Gauntlet",
                              "Boots", "Expendables", "Key Items", "All"}) {
    Tap(VirtualKey::S);
    Drew("");
    EXPECT_EQ(texts.AtX(captionX), std::vector<std::string>{caption});
  }
  Tap(VirtualKey::S);
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Empty", "Steel Dagger"}));
  Tap(VirtualKey::W);
  Tap(VirtualKey::W);
  EXPECT_EQ(Inventory().GetCategory(), 9);
  EXPECT_EQ(Names(menu->GetListRows()), (std::vector<std::string>{"Old Map"}));
  for (int category = 8; category >= 0; --category) {
    Tap(VirtualKey::W);
    EXPECT_EQ(Inventory().GetCategory(), category) << "up the ring";
  }
  Tap(VirtualKey::W);
  Tap(VirtualKey::S);
  ASSERT_EQ(Inventory().GetCategory(), 0);
  Tap(VirtualKey::J);
  ASSERT_EQ(Inventory().GetMode(), 1);
  Tap(VirtualKey::S);
  Tap(VirtualKey::S);
  ASSERT_EQ(menu->SelectedRow()->GetName(), "Leather Cap");
  Tap(VirtualKey::W);
  EXPECT_EQ(menu->SelectedRow()->GetName(), "Iron Sword");
  Tap(VirtualKey::S);
  ASSERT_TRUE(game.KeepFrame("pause-inventory.png"));
  // Compared with the headgear worn (none), not with the armour.
  player->EquipSlot2(player->itemStore->FindByName("Chain Mail"));
  ASSERT_EQ(player->equipped[1]->GetName(), "Empty");
  Drew("");
  EXPECT_EQ(texts.After("New:", 5), std::vector<std::string>(5, "+0"));
  Tap(VirtualKey::U);
  EXPECT_EQ(player->equipped[1]->GetName(), "Leather Cap");
  Tap(VirtualKey::S);
  Tap(VirtualKey::U);
  EXPECT_EQ(player->equipped[1]->GetName(), "Leather Cap") << "an expendable is not equipped";
  ASSERT_TRUE(game.KeepFrame("pause-inventory-expendable.png"));
  Tap(VirtualKey::S);
  ASSERT_TRUE(game.KeepFrame("pause-inventory-key-item.png"));

  // Cancel goes from the list back to the categories, and from there resumes play.
  Tap(VirtualKey::I);
  EXPECT_EQ(Inventory().GetMode(), 0);
  ASSERT_EQ(GameStates->current, menu);
  Tap(VirtualKey::I);
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(Volume(), FullVolume);
  game.StepFrames(40);
  EXPECT_GT(player->totalStats[Stat::StatTotalPlayTime], playTime);
  ASSERT_TRUE(game.KeepFrame("pause-resumed.png"));
}

TEST_F(PauseGame, TheTabsTurnInARingThatTakesInTheStatisticsPagesOnlyWhenAsked) {
  struct Row {
    bool pagesInRing;
    int key;
    int32_t expected;
  };
  // From the Stats tab, one move after another.
  const Row rows[] = {
      {false, VirtualKey::P, MenuPause::TabInventory},
      {false, VirtualKey::P, MenuPause::TabEncyclopedia},
      {false, VirtualKey::P, MenuPause::TabSettings},
      {false, VirtualKey::P, MenuPause::TabStats},
      {false, VirtualKey::O, MenuPause::TabSettings},
      {true, VirtualKey::P, MenuPause::TabStatistics},
      {true, VirtualKey::P, MenuPause::TabStats},
      {true, VirtualKey::O, MenuPause::TabStatistics},
      {true, VirtualKey::O, MenuPause::TabSettings},
      {true, VirtualKey::O, MenuPause::TabEncyclopedia},
      {true, VirtualKey::O, MenuPause::TabInventory},
      {true, VirtualKey::O, MenuPause::TabStats},
  };
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, menu);
  for (const Row& row : rows) {
    SetSwitch(TogglePlayerStatsInPauseMenu, row.pagesInRing);
    Tap(row.key);
    ASSERT_EQ(menu->GetTabIndex(), row.expected) << row.key << " to " << row.expected;
    game.KeepFrame("pause-tab-" + std::to_string(row.expected) + ".png");
  }
  // Every tab resumes on back; the next opening starts on the Stats tab again.
  Tap(VirtualKey::P);
  ASSERT_EQ(menu->GetTabIndex(), MenuPause::TabInventory);
  Tap(VirtualKey::Backspace);
  EXPECT_EQ(GameStates->current, world);
  Tap(VirtualKey::Enter);
  ASSERT_EQ(GameStates->current, menu);
  EXPECT_EQ(menu->GetTabIndex(), MenuPause::TabStats);
}

TEST_F(PauseGame, WithoutAPlayerTheMenuShowsNoCharacterAndAnyKeyResumes) {
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, menu);
  menu->SetPlayer(nullptr);
  menu->OpenTab(MenuPause::TabInventory);
  EXPECT_TRUE(menu->GetListRows().empty());
  Inventory().FocusList();
  EXPECT_EQ(Inventory().GetMode(), 0) << "an empty list takes no focus";
  game.Step();
  ASSERT_TRUE(game.KeepFrame("pause-no-player.png"));
  Tap(VirtualKey::A);
  EXPECT_EQ(GameStates->current, world);
}

TEST_F(PauseGame, WithoutAPlayerOnlyANewlyPressedButtonOfAConnectedPadResumes) {
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, menu);
  menu->SetPlayer(nullptr);
  game.Step();
  constexpr uint16_t X = platform::PadButton::X;
  struct Row {
    uint8_t connected;
    uint16_t before;
    uint16_t now;
    bool resumes;
  };
  const Row rows[] = {
      {1, 0, 0, false},
      {1, X, X, false},
      {0, 0, X, false},
      {1, 0, X, true},
  };
  Gamepad& pad = *GameControls->pads[1];
  for (const Row& row : rows) {
    pad.connected = row.connected;
    pad.previous.buttons = row.before;
    pad.current.buttons = row.now;
    menu->HandleInput(0.0f);
    EXPECT_EQ(GameStates->current == world, row.resumes)
        << int{row.connected} << " " << row.before << " " << row.now;
  }
}

// The shared list: a window of sixteen rows that scrolls one row at a time and never reads
// past the list's end.
TEST_F(PauseGame, TheListWindowScrollsByOneRowAndStopsAtBothEnds) {
  std::vector<Object> records(20);
  for (size_t i = 0; i < records.size(); ++i) records[i].name = "Row " + std::to_string(i);
  struct Row {
    size_t count;
    int downs;
    int ups;
    uint32_t cursor;
    uint32_t top;
    float scroll;
  };
  const Row rows[] = {
      {0, 3, 0, 0, 0, 0.0f},    {5, 9, 0, 4, 0, 0.0f},    {16, 20, 0, 15, 0, 0.0f},
      {20, 0, 0, 0, 0, 0.0f},
      {17, 16, 0, 16, 1, 1.0f}, {17, 20, 0, 16, 1, 1.0f}, {20, 25, 0, 19, 4, 4.0f},
      {20, 25, 16, 3, 3, 3.0f}, {20, 25, 30, 0, 0, 0.0f},
  };
  const Sprite& highlight = menu->GetListHighlight();
  for (const Row& row : rows) {
    std::vector<Object> shown(records.begin(), records.begin() + static_cast<long>(row.count));
    menu->ListEntries(shown);
    EXPECT_EQ(menu->GetListTop(), 0u) << "a new list opens at its first row";
    menu->LayoutListPanel(static_cast<int>(row.count));
    menu->AttachScrollBarRightOfSidePanel(static_cast<uint32_t>(row.count));
    // The cursor on the first row, as the Inventory's list takes the focus.
    Inventory().FocusList();
    const float firstY = highlight.altPosition.y;
    for (int i = 0; i < row.downs; ++i) Inventory().CursorDown();
    for (int i = 0; i < row.ups; ++i) Inventory().CursorUp();
    EXPECT_EQ(menu->GetListCursor(), row.cursor) << row.count << " rows";
    EXPECT_EQ(menu->GetListTop(), row.top) << row.count << " rows";
    EXPECT_EQ(menu->GetScrollBar().value, row.scroll) << row.count << " rows";
    EXPECT_EQ(menu->GetVisibleRows().size(), std::min<size_t>(row.count, 16));
    EXPECT_EQ(menu->GetScrollBar().maximum, row.count > 16 ? row.count - 16.0f : 0.0f);
    // The highlight stands on the window row of the cursor.
    EXPECT_NEAR(highlight.altPosition.y - firstY, 21.97f * (row.cursor - row.top), 0.05f)
        << row.count << " rows";
    EXPECT_EQ(menu->SelectedRow(), row.count ? &shown[row.cursor] : nullptr);
  }
  // Far past the end the window still ends at the last row.
  std::vector<Object> shown(records.begin(), records.end());
  menu->ListEntries(shown);
  menu->ShowListFrom(100);
  EXPECT_EQ(menu->GetListTop(), 4u);
  EXPECT_EQ(menu->GetVisibleRows().back(), &shown.back());
}

TEST_F(PauseGame, EveryListPanelKeepsItsOutlineWhateverItsRowCount) {
  const ListPanel& panel = menu->GetListPanel();
  // The list panel where the Inventory tab puts it.
  menu->OpenTab(MenuPause::TabInventory);
  const ScreenBox before = ScreenBoxOf(panel.group);
  for (int rows : {0, 1, 10, 16, 20}) {
    menu->LayoutListPanel(rows);
    const ScreenBox box = ScreenBoxOf(panel.group);
    EXPECT_NEAR(box.top, before.top, 1e-3f) << rows;
    EXPECT_NEAR(box.Height(), 374.5f, 1e-3f) << rows;
    EXPECT_EQ(box.Width(), 185.0f) << rows;
    EXPECT_EQ(panel.group.members.size(), static_cast<size_t>(std::min(rows, 16) + 2)) << rows;
    // The overlay's rows lie on the panel's rows.
    if (rows > 0) {
      EXPECT_NEAR(panel.overlayRows[0]->altPosition.y, panel.rows[0]->altPosition.y, 0.5f);
    }
  }
}

// Where the constructor and the Stats tab put the frame's pieces, worked out by hand from the
// atlas cells and the offsets between them.
TEST_F(PauseGame, TheFrameStandsWhereItsPiecesMeasureItOut) {
  struct Row {
    const char* piece;
    const Shape* shape;
    platform::Vector3 at;
  };
  const Row rows[] = {
      {"window", &menu->GetWindow().frame, {400.0f, 300.0f, 0.0f}},
      {"title plate", &menu->GetTitlePlate(), {131.5f, 45.0f, 0.0f}},
      {"footer right",
       menu->GetWindow().footers[MenuWindow::BackFooter].get(),
       {714.0f, 555.0f, 0.0f}},
      {"footer middle",
       menu->GetWindow().footers[MenuWindow::SelectFooter].get(),
       {589.0f, 555.0f, 0.0f}},
      {"footer left", menu->GetWindow().footers[2].get(), {462.0f, 555.0f, 0.0f}},
      {"content", menu->GetWindow().content.get(), {400.0f, 332.0f, 0.0f}},
      {"tab row left", menu->GetWindow().tabRowLeft.get(), {49.0f, 108.0f, 0.0f}},
      {"tab row right", menu->GetWindow().tabRowRight.get(), {750.5f, 108.0f, 0.0f}},
      {"tokens right", &menu->GetTokensPlateRight(), {739.0f, 45.0f, 0.0f}},
      {"tokens middle", &menu->GetTokensPlateMiddle(), {637.5f, 45.0f, 0.0f}},
      {"tokens left", &menu->GetTokensPlateLeft(), {536.0f, 45.0f, 0.0f}},
      {"token", &menu->GetTokenIcon(), {714.0f, 45.0f, 0.0f}},
      {"resume", &Statistics().GetResumeButton(), {80.0f, 560.0f, 0.0f}},
      {"quit", &Statistics().GetQuitButton(), {240.0f, 560.0f, 0.0f}},
      {"button highlight", &Statistics().GetButtonHighlight(), {80.0f, 560.0f, 0.0f}},
      {"entry panel", &menu->GetItemPage().entryPanel, {600.0f, 332.0f, 0.0f}},
      {"details panel", &menu->GetItemPage().detailsPanel, {605.0f, 332.0f, 0.0f}},
      {"equipment column", &Stats().GetEquipmentColumn(), {143.0f, 341.0f, 0.0f}},
      {"rune column", &Stats().GetRuneColumn(), {337.0f, 341.0f, 0.0f}},
      {"slot marker on the weapon row", &Stats().GetSlotMarker(), {143.0f, 197.0f, 0.0f}},
      {"first raise marker", menu->GetItemPage().raiseMarkers[0].get(), {689.0f, 245.5f, 0.0f}},
      {"last drop marker", menu->GetItemPage().dropMarkers[4].get(), {689.0f, 309.5f, 0.0f}},
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(row.shape->altPosition.x, row.at.x, 1e-3f) << row.piece;
    EXPECT_NEAR(row.shape->altPosition.y, row.at.y, 1e-3f) << row.piece;
  }
  // The buttons are outlined; the highlight laid over them is not.
  for (const auto& [quad, outlined] :
       {std::pair{&Statistics().GetResumeButton(), 1}, std::pair{&Statistics().GetQuitButton(), 1},
        std::pair{&Statistics().GetButtonHighlight(), 0}}) {
    EXPECT_EQ(quad->outlineVisible, outlined);
  }
  EXPECT_EQ(menu->GetItemPage().detailsBody->GetScaledSourceSize().x, 300.0f);
  EXPECT_NEAR(ScreenBoxOf(menu->GetItemPage().descriptionPanel).top, 144.5f, 1e-3f);

  // The open tab widens to its title; the closed tabs after it move right by its width.
  const float x0 = 106.0f;
  for (int open = 0; open < menu->GetTabs().Count(); ++open) {
    menu->LayoutTabStrip(open, open == 2 ? "" : "Settings");
    const float width = ScreenBoxOf(menu->GetTabs().open).Width();
    if (open == 2) {
      EXPECT_EQ(width, 80.0f) << "an empty title";
    }
    EXPECT_NEAR(ScreenBoxOf(menu->GetTabs().open).left, 78.0f + 57.0f * open, 1e-3f);
    for (int tab = 0; tab < menu->GetTabs().Count(); ++tab) {
      const float expected = tab <= open
                                 ? x0 + 57.0f * tab
                                 : 78.0f + 57.0f * open + width + 30.0f + 57.0f * (tab - open - 1);
      EXPECT_NEAR(menu->GetTabs().icons[tab]->altPosition.x, expected, 1e-3f) << open << " " << tab;
      EXPECT_EQ(menu->GetTabs().icons[tab]->altPosition.y, 99.5f);
    }
  }
}

// Each slot offers the player's own items that fit it and equips into that slot.
// In either column the slot's list is captioned with the body slot of the row it was opened
// from; the caption is drawn just before the list's rows, each list told apart by what it holds.
TEST_F(PauseGame, TheStatsListIsCaptionedWithTheSlotOfItsRow) {
  const char* const captions[] = {"Weapon", "Headgear", "Armor", "Gauntlet", "Boots"};
  for (const char* name : {"Chain Mail", "Iron Gauntlets", "Swift Boots"}) {
    player->itemStore->FindByName(name)->quantity = 1;
  }
  Tap(VirtualKey::Esc);
  for (int column = 0; column < 2; ++column) {
    for (int row = 0; row < 5; ++row) {
      Tap(VirtualKey::J);
      Drew("");
      std::vector<std::string> drawn;
      for (const DrawnText& each : texts.drawn) drawn.push_back(each.text);
      const std::vector<std::string> rows = Names(menu->GetListRows());
      const auto list = std::search(drawn.begin() + 1, drawn.end(), rows.begin(), rows.end());
      ASSERT_NE(list, drawn.end()) << column << " " << row;
      EXPECT_EQ(*(list - 1), captions[row]) << column << " " << row;
      Tap(VirtualKey::I);
      Tap(VirtualKey::S);
    }
    Tap(VirtualKey::D);
  }
  Tap(VirtualKey::I);
  EXPECT_EQ(GameStates->current, world) << "cancel on the slots resumes play";
}

// A name longer than its slot ("Bronze Dagger") is cut inside the slot's frame, a mark after it.
TEST_F(PauseGame, AnItemNameLongerThanItsSlotIsCutInsideTheFrame) {
  player->itemStore->FindByName("Bronze Dagger")->quantity = 1;
  player->EquipSlot0ByName("Bronze Dagger");
  Tap(VirtualKey::Esc);
  Drew("");
  const ShapeList& column = Stats().GetEquipmentColumn();
  const float x = ScreenBoxOf(column).left + 20.0f;
  const Font& face = *menu->GetWindow().largeFont;
  const auto expectCut = [&](size_t row, const std::string& start) {
    const std::vector<std::string> names = texts.AtX(x);
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
      return name.starts_with(start);
    });
    ASSERT_NE(found, names.end()) << start;
    const std::string& name = *found;
    EXPECT_TRUE(name.ends_with("..")) << name;
    const auto& frame = dynamic_cast<const Sprite&>(*column.members.at(row));
    EXPECT_LE(x + face.MeasureText(name, face.proportional, MenuPause::NameScale),
              ScreenBoxOf(frame).right - 8.0f)
        << name;
  };
  expectCut(0, "Bronze");
  ASSERT_TRUE(game.KeepFrame("pause-stats-long-name.png"));
  // The mark takes room too: "Leather Armo" fits the armor's slot, "Leather Armo.." does not.
  player->itemStore->FindByName("Leather Armor")->quantity = 1;
  player->EquipSlot2ByName("Leather Armor");
  Drew("");
  expectCut(2, "Leather");
}

TEST_F(PauseGame, EverySlotOffersWhatFitsItAndEquipsIntoItself) {
  for (const char* name : {"Chain Mail", "Iron Gauntlets", "Swift Boots", "Stone Rune"}) {
    player->itemStore->FindByName(name)->quantity = 1;
  }
  player->itemStore->FindByName("Iron Sword")->quantity = 0;
  struct Row {
    int column;
    int row;
    std::vector<std::string> candidates;
    int slot;
  };
  const Row rows[] = {
      {0, 0, {"Empty", "Steel Dagger"}, 0},
      {0, 1, {"Empty", "Leather Cap"}, 1},
      {0, 2, {"Empty", "Chain Mail"}, 2},
      {0, 3, {"Empty", "Iron Gauntlets"}, 3},
      {0, 4, {"Empty", "Swift Boots"}, 4},
      {1, 0, {"Empty", "Ember Rune", "Stone Rune"}, 5},
      {1, 3, {"Empty", "Ember Rune", "Stone Rune"}, 8},
  };
  Tap(VirtualKey::Esc);
  for (const Row& row : rows) {
    menu->OpenTab(MenuPause::TabStats);
    if (row.column == 1) Tap(VirtualKey::D);
    for (int i = 0; i < row.row; ++i) Tap(VirtualKey::S);
    Tap(VirtualKey::J);
    ASSERT_EQ(Names(menu->GetListRows()), row.candidates) << row.column << " " << row.row;
    Tap(VirtualKey::S);
    Tap(VirtualKey::J);
    EXPECT_EQ(player->equipped[row.slot]->GetName(), row.candidates[1]) << row.slot;
  }
  // The rune worn at the weapon moved to the gauntlets; "Empty" puts nothing in a slot. Each
  // column names what its rows wear.
  EXPECT_EQ(player->equipped[5]->GetName(), "Empty");
  Drew("");
  EXPECT_EQ(texts.After("Equipment", 5),
            (std::vector<std::string>{"Steel Dagger", "Leather Cap", "Chain Mail",
                                      "Iron Gauntlets", "Swift Boots"}));
  EXPECT_EQ(texts.After("Runes", 5),
            (std::vector<std::string>{"Empty", "Empty", "Empty", "Ember Rune", "Empty"}));
  // The titles end 20 pixels inside each column's right edge, standing on its top + 1.
  for (const auto& [title, column] : {std::pair{"Equipment", &Stats().GetEquipmentColumn()},
                                      std::pair{"Runes", &Stats().GetRuneColumn()}}) {
    const ScreenBox box = ScreenBoxOf(*column);
    EXPECT_TRUE(texts.DrewAt(title, box.right - 20, box.top + 1)) << title;
  }
  menu->OpenTab(MenuPause::TabStats);
  Tap(VirtualKey::W);
  EXPECT_EQ(Stats().GetRow(), 4) << "up from the weapon row wraps to the boots";
  for (const int row : {3, 2, 1, 0, 4}) {
    Tap(VirtualKey::W);
    EXPECT_EQ(Stats().GetRow(), row) << "up one row at a time";
  }
  EXPECT_NEAR(Stats().GetSlotMarker().altPosition.y, 197.0f + 4 * 72.0f, 1e-3f);
  Tap(VirtualKey::J);
  Tap(VirtualKey::J);
  EXPECT_EQ(player->equipped[4]->GetName(), "Empty");
}

// The equip key in the Inventory list equips a piece of equipment into its own slot and
// leaves everything else alone.
TEST_F(PauseGame, TheInventoryEquipsOnlyEquipmentAndIntoItsOwnSlot) {
  for (const char* name : {"Swift Boots", "Wooden Spear", "Chain Mail", "Iron Gauntlets"}) {
    player->itemStore->FindByName(name)->quantity = 1;
  }
  struct Row {
    int category;
    int index;
    int slot;
    std::string worn;
  };
  // All: Steel Dagger, Iron Sword, Wooden Spear, Leather Cap, Chain Mail, Iron Gauntlets,
  // Swift Boots, Bitter Leaf, Old Map; Swords: Empty, Iron Sword. The "Empty" row is no piece
  // of equipment.
  const Row rows[] = {
      {0, 0, 0, "Steel Dagger"},   {0, 3, 1, "Leather Cap"}, {0, 4, 2, "Chain Mail"},
      {0, 5, 3, "Iron Gauntlets"}, {0, 6, 4, "Swift Boots"}, {0, 2, 0, "Wooden Spear"},
      {0, 7, 0, "Wooden Spear"},   {0, 8, 4, "Swift Boots"}, {2, 1, 0, "Iron Sword"},
      {2, 0, 0, "Iron Sword"},
  };
  const auto equip = [&](int category, int index) {
    menu->OpenTab(MenuPause::TabInventory);
    for (int i = 0; i < category; ++i) Tap(VirtualKey::S);
    Tap(VirtualKey::J);
    for (int i = 0; i < index; ++i) Tap(VirtualKey::S);
    Tap(VirtualKey::U);
  };
  Tap(VirtualKey::Esc);
  for (const Row& row : rows) {
    equip(row.category, row.index);
    EXPECT_EQ(player->equipped[row.slot]->GetName(), row.worn) << row.category << " " << row.index;
  }
  // A piece whose record carries another type word than equipment's is refused: the slot keeps
  // what it wears.
  player->itemStore->FindByName("Iron Gauntlets")->typeWord = TypeWordRune;
  equip(0, 5);
  EXPECT_EQ(player->equipped[3]->GetName(), "Iron Gauntlets");
  // Back from the button configuration, the menu is as it was left.
  menu->OpenTab(MenuPause::TabSettings);
  GameStates->previous = GameStates->menuController;
  menu->Enter();
  EXPECT_EQ(menu->GetTabIndex(), MenuPause::TabSettings);
}

// An item's page in the Inventory carries the icon of its slot in the corner of its title; every
// kind of weapon, the dagger too, carries the weapon's.
TEST_F(PauseGame, AnItemsTitleCarriesTheIconOfItsSlot) {
  player->itemStore->FindByName("Wooden Spear")->quantity = 1;
  Tap(VirtualKey::Esc);
  menu->OpenTab(MenuPause::TabInventory);
  Tap(VirtualKey::J);
  const ScreenBox top = ScreenBoxOf(*menu->GetItemPage().detailsTop);
  const int x = static_cast<int>(top.right) - 34, y = static_cast<int>(top.top) + 34;
  // The icon's middle row, read with the page of the row given open.
  const auto icon = [&](int row) {
    menu->OpenTab(MenuPause::TabInventory);
    Tap(VirtualKey::J);
    for (int i = 0; i < row; ++i) Tap(VirtualKey::S);
    game.Step();
    std::vector<uint32_t> pixels;
    for (int dx = -12; dx <= 12; ++dx) pixels.push_back(game.Pixel(x + dx, y));
    return pixels;
  };
  // All: Steel Dagger, Iron Sword, Wooden Spear, Leather Cap.
  const auto dagger = icon(0), sword = icon(1), spear = icon(2), cap = icon(3);
  EXPECT_EQ(dagger, sword);
  EXPECT_EQ(spear, sword);
  EXPECT_NE(cap, sword);
}
