#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "editor/EditorLayout.h"
#include "editor/ItemEditorPage.h"
#include "editor/MenuDebug.h"
#include "engine/EditorAtlas.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/draw/Quad.h"
#include "items/ItemStore.h"
#include "items/Rune.h"
#include "items/StatBlock.h"
#include "support/DebugMenuSession.h"
#include "support/DrawnTexts.h"
#include "triggers/ShopShape.h"

namespace {

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;
namespace fs = std::filesystem;

class ItemEditorGame : public DebugMenuSession {
 protected:
  void OpenItemEditor() {
    MoveMouse(400, 300);
    OpenMenu();
    Click(Layout::ToolbarIconX[Atlas::IconItemEditor], Layout::TopBar.bottom / 2);
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  }

  void Press(std::string_view label) { Click(menu->Items().Button(label)); }

  // Opens the field at the end of its text and types the text in place of what it held.
  void Retype(const TextBox& field, const std::string& text) {
    Click(field.box->altPosition.x + field.box->width / 2 - 2, field.box->altPosition.y);
    ASSERT_EQ(menu->Field().Current(), &field);
    for (size_t i = field.text.size(); i > 0; --i) game.TapKey(VirtualKey::Backspace);
    TypeText(text);
  }
  const TextBox& Field(std::string_view caption) const { return menu->Items().Field(caption); }

  // The arrows page only while no field is open: a press on the panel's empty bottom closes it.
  void ShowFieldPage(int page) {
    Click(400, 560);
    while (menu->Items().FieldPage() < page) game.TapKey(VirtualKey::RightArrow);
  }

  void SelectRow(const std::string& name) {
    for (const auto& row : *menu->Items().CurrentRows()) {
      if (row->name != name) continue;
      Click(*row);
      ASSERT_EQ(menu->Items().SelectedRow(), row.get());
      return;
    }
    FAIL() << "no row " << name;
  }

  // A new item of the tab's category, named and saved.
  void Create(std::string_view tab, const std::string& name) {
    Press(tab);
    Press("New Item");
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemPage);
    Retype(menu->Items().Field("Name"), name);
    Press("Save");
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  }
};

TEST_F(ItemEditorGame, ItemsAreCreatedEditedAndDeletedInTheirOwnCategory) {
  OpenItemEditor();
  game.TapKey(VirtualKey::RightArrow);
  EXPECT_EQ(menu->Items().ItemPage(), 0) << "one page of equipment";
  game.TapKey(VirtualKey::LeftArrow);
  EXPECT_EQ(menu->Items().ItemPage(), 0) << "never below the first page";
  ASSERT_TRUE(game.KeepFrame("items-list.png"));

  // New equipment: a sword at 42 tokens. The type button comes first, since it reloads the
  // fields.
  Press("New Item");
  EXPECT_EQ(menu->Items().Field("Name").text, "New Equipment");
  EXPECT_TRUE(menu->Items().Enabled("Dagger"));
  EXPECT_FALSE(menu->Items().Enabled("Sword"));
  const char* types[] = {"Dagger", "Sword", "Spear", "Headgear", "Armor", "Gauntlet", "Boots"};
  for (const char* pressed : types) {
    Press(pressed);
    for (const char* each : types) {
      EXPECT_EQ(menu->Items().Enabled(each), each == pressed) << pressed;
    }
  }
  Press("Sword");
  EXPECT_TRUE(menu->Items().Enabled("Sword"));
  Retype(menu->Items().Field("Name"), "Oak Club");
  Retype(Field(StatKeys[Stat::BaseAttack]), "7");
  ShowFieldPage(3);
  game.TapKey(VirtualKey::RightArrow);
  EXPECT_EQ(menu->Items().FieldPage(), 3) << "four pages of fields";
  for (const int page : {2, 1, 0, 0}) {
    game.TapKey(VirtualKey::LeftArrow);
    EXPECT_EQ(menu->Items().FieldPage(), page) << "back one page at a time to the first";
  }
  ShowFieldPage(3);
  Retype(Field("Tokens"), "42");
  Retype(Field("UseCount"), "3");
  ASSERT_TRUE(game.KeepFrame("items-edit-last-page.png"));
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  // The use count is kept by the record alone: the dump shows it.
  std::stringstream dump;
  dump << std::ifstream(game.Folder() / "Content" / "Items" / "Debug.ipf").rdbuf();
  EXPECT_NE(dump.str().find("\nOak Club s 5 0 3 3\n"), std::string::npos);

  // A rune named like a piece of equipment, which goes again below.
  Create("Runes", "Iron Helm");
  Create("Expendables", "Honey Cake");

  // A rune's Armor part gets its own defence.
  Press("Runes");
  SelectRow("Ember Rune");
  Press("Change");
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemPage);
  EXPECT_TRUE(menu->Items().Enabled("Weapon")) << "a rune opens on its Weapon part";
  Press("Armor");
  EXPECT_TRUE(menu->Items().Enabled("Armor"));
  EXPECT_FALSE(menu->Items().Enabled("Weapon"));
  Retype(Field(StatKeys[Stat::BaseDefense]), "12.5");
  ASSERT_TRUE(game.KeepFrame("items-edit-rune.png"));
  Press("Save");

  // Deleting the rune leaves the equipment of the same name.
  Press("Runes");
  SelectRow("Iron Helm");
  ASSERT_TRUE(game.KeepFrame("items-runes-chosen.png"));
  Press("Delete");
  EXPECT_EQ(menu->Items().CurrentRows(), &menu->Items().EquipmentRows()) << "back on the equipment";

  Create("Key Items", "Brass Key");

  // The files read back as edited.
  ItemStore files;
  const Item* club = files.equipment.FindByName("Oak Club");
  ASSERT_NE(club, nullptr);
  EXPECT_EQ(club->weaponKind, WeaponKindSword);
  EXPECT_EQ(club->price, 42.0f);
  EXPECT_EQ((*club->stats)[Stat::BaseAttack], 7.0f);
  EXPECT_NE(files.equipment.FindByName("Iron Helm"), nullptr);
  EXPECT_EQ(files.runes.FindByName("Iron Helm"), nullptr);
  EXPECT_NE(files.expendables.FindByName("Honey Cake"), nullptr);
  EXPECT_NE(files.keyItems.FindByName("Brass Key"), nullptr);
  const Rune* ember = files.runes.FindByName("Ember Rune");
  ASSERT_NE(ember, nullptr);
  EXPECT_EQ((*ember->parts[2].stats)[Stat::BaseDefense], 12.5f);

  // The world's store reloaded with the last save; a shop built afterwards sells the new rune
  // part.
  EXPECT_NE(world->itemStore->equipment.FindByName("Oak Club"), nullptr);
  EXPECT_NE(world->itemStore->keyItems.FindByName("Brass Key"), nullptr);
  EXPECT_EQ(world->itemStore->runes.FindByName("Iron Helm"), nullptr);
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\DemoHubMap.gmf");
  const Rune* sold = nullptr;
  for (const auto& modifier : world->modifiers) {
    auto* shop = dynamic_cast<ShopShape*>(modifier.get());
    const Rune* rune = shop ? shop->stock->runes.FindByName("Ember Rune") : nullptr;
    if (rune && rune->onSale) sold = rune;
  }
  ASSERT_NE(sold, nullptr);
  EXPECT_EQ((*sold->parts[2].stats)[Stat::BaseDefense], 12.5f);

  // A key item and a piece of equipment are deleted each from its own list.
  Press("Key Items");
  SelectRow("Brass Key");
  Press("Delete");
  Press("Equipment");
  SelectRow("Oak Club");
  Press("Delete");
  ItemStore after;
  EXPECT_EQ(after.keyItems.FindByName("Brass Key"), nullptr);
  EXPECT_EQ(after.equipment.FindByName("Oak Club"), nullptr);
  EXPECT_NE(after.equipment.FindByName("Iron Helm"), nullptr);
  EXPECT_NE(after.expendables.FindByName("Honey Cake"), nullptr);
}

// Every rebuild of the lists (Save List, saving an item and the others) reads the item files into
// a new store and frees the one before, items and their statistics blocks with it; the world's
// catalogue, read afresh after an item is saved, frees its old items too.
TEST_F(ItemEditorGame, RebuildingTheListsFreesTheItemsReadBefore) {
  const auto watch = [](const ItemStore& store) {
    return std::weak_ptr<StatBlock>(store.equipment.items.back()->stats);
  };
  OpenItemEditor();
  const std::weak_ptr<StatBlock> opened = watch(menu->Items().EditedItems());
  Press("Save List");
  EXPECT_TRUE(opened.expired());

  const std::weak_ptr<StatBlock> listed = watch(menu->Items().EditedItems());
  const std::weak_ptr<StatBlock> catalogue = watch(*world->itemStore);
  SelectRow(menu->Items().EditedItems().equipment.items.back()->name);
  Press("Change");
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemPage);
  Press("Save");
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  EXPECT_TRUE(listed.expired());
  EXPECT_TRUE(catalogue.expired());
}

// Saving an item writes every field with the digits that read back exactly: a value the
// six-digit text would round comes back as it was, whether its field was typed into or not.
TEST_F(ItemEditorGame, SavingAnItemKeepsTheDigitsOfEveryField) {
  OpenItemEditor();
  Press("Expendables");
  Item* herb = menu->Items().EditedItems().expendables.FindByName("Bitter Leaf");
  ASSERT_NE(herb, nullptr);
  (*herb->stats)[Stat::BaseDefense] = 0.123456791f;
  (*herb->stats)[0] = -98765.4321f;
  herb->price = 1234.5678f;
  (*herb->stats)[1] = 16777216.0f;
  SelectRow("Bitter Leaf");
  Press("Change");
  ASSERT_TRUE(game.KeepFrame("items-exact-digits.png"));
  // Too long for its field, a number shows its end after a mark, and a minus sign before the
  // mark; a fraction shows rounded to the digits that fit.
  DrawnTexts drawn;
  game.Step();
  const std::vector<std::string> shown = drawn.AtX(Field(StatKeys[0]).TextLeft());
  for (const auto& [i, mark] : {std::pair<size_t, std::string>{0, "-.."}, {1, ".."}}) {
    EXPECT_TRUE(shown.at(i).starts_with(mark) &&
                Field(StatKeys[i]).text.ends_with(shown[i].substr(mark.size())))
        << shown.at(i);
  }
  EXPECT_EQ(shown.at(Stat::BaseDefense), "0.1235");
  Retype(menu->Items().Field("Description"), "Bitter");
  Press("Save");
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  const ItemStore read;
  const Item* saved = read.expendables.FindByName("Bitter Leaf");
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->description, "Bitter");
  EXPECT_EQ((*saved->stats)[Stat::BaseDefense], 0.123456791f);
  EXPECT_EQ((*saved->stats)[0], -98765.4321f);
  EXPECT_EQ(saved->price, 1234.5678f);
  EXPECT_EQ((*saved->stats)[1], 16777216.0f);
}

TEST_F(ItemEditorGame, ItemFilesThatCannotBeWrittenStayAsTheyWere) {
  const fs::path items = game.Folder() / "Content" / "Items";
  OpenItemEditor();
  Press("Expendables");
  SelectRow("Bitter Leaf");
  Press("Change");
  ShowFieldPage(3);
  Retype(Field("Tokens"), "7");
  fs::create_directory(items / "KeyItems.ipf.tmp");
  Press("Save");
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeItemPage) << "the page stays open";
  EXPECT_FALSE(menu->Items().Message().empty());
  ASSERT_TRUE(game.KeepFrame("items-save-failed.png"));
  EXPECT_EQ(ItemStore().expendables.FindByName("Bitter Leaf")->price,
            world->itemStore->expendables.FindByName("Bitter Leaf")->price)
      << "neither the files nor the world's store changed";
  fs::remove(items / "KeyItems.ipf.tmp");
  Press("Save");
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  EXPECT_EQ(ItemStore().expendables.FindByName("Bitter Leaf")->price, 7.0f);

  // A delete that cannot be written keeps the rows: the one whose item went reads its name
  // alone, the others their place in the store as it now is, the message on the bottom line.
  fs::create_directory(items / "KeyItems.ipf.tmp");
  Press("Expendables");
  SelectRow("Bitter Leaf");
  Press("Delete");
  EXPECT_NE(menu->Items().Message().find(L"move up one place"), std::wstring::npos);
  Press("Delete");
  DrawnTexts drawn;
  game.Step();
  EXPECT_TRUE(drawn.DrewAt(WStringToString(menu->Items().Message()), 20.0f, 575.0f));
  EXPECT_EQ(drawn.AtX(20.5f),
            (std::vector<std::string>{"Bitter Leaf", "i 0 0) Red Draught", "i 1 0) Crimson Potion",
                                      "i 2 0) Citrus Tonic", "i 3 0) Spirit Draught",
                                      "i 4 0) Smelling Salts"}));
}

// Stock lines and saved records name items by their place in their list: only a real change of
// type re-files an item, and what moves later items up a place waits for a second press.
TEST_F(ItemEditorGame, OnlyAChangeOfTypeRefilesAnItemAndWhatMovesOthersIsPressedTwice) {
  const fs::path file = game.Folder() / "Content" / "Items" / "Equipment.ipf";
  std::stringstream before, after;
  before << std::ifstream(file).rdbuf();
  OpenItemEditor();
  SelectRow("Bronze Dagger");
  Press("Change");
  Press("Dagger");
  Press("Save");
  after << std::ifstream(file).rdbuf();
  EXPECT_EQ(after.str(), before.str());

  SelectRow("Bronze Dagger");
  Press("Change");
  Press("Sword");
  EXPECT_FALSE(menu->Items().Message().empty() || menu->Items().Enabled("Sword"));
  Press("Sword");
  EXPECT_TRUE(menu->Items().Enabled("Sword"));
  Press("Cancel");

  // Equipment of a type no table knows lights no type button.
  menu->Items().EditedItems().equipment.FindByName("Iron Dagger")->typeWord = TypeWordRune + 1;
  SelectRow("Iron Dagger");
  Press("Change");
  EXPECT_FALSE(menu->Items().Enabled("Dagger") || menu->Items().Enabled("Sword"));
}

// A list longer than a page shows and takes presses on one page's rows at a time: a press on
// the first place picks the first row of the page shown, not a row of another page there.
TEST_F(ItemEditorGame, ALongListShowsOnePageOfRowsAtATime) {
  constexpr size_t PageRows = Layout::RowColumns * Layout::RowsPerColumn;
  const fs::path file = game.Folder() / "Content" / "Items" / "KeyItems.ipf";
  std::stringstream original;
  original << std::ifstream(file).rdbuf();
  const size_t perCopy = ItemStore().keyItems.items.size();
  ASSERT_GT(perCopy, 0u);
  const size_t copies = PageRows / perCopy + 1;
  {
    std::ofstream out(file);
    for (size_t i = 0; i < copies; ++i) out << original.str();
  }
  const size_t total = perCopy * copies;
  ASSERT_GT(total, PageRows);
  ASSERT_LT(total, 2 * PageRows);

  OpenItemEditor();
  Press("Key Items");
  const auto& rows = *menu->Items().CurrentRows();
  ASSERT_EQ(rows.size(), total);
  const auto shownRows = [this] {
    DrawnTexts drawn;
    game.Step();
    return std::count_if(drawn.drawn.begin(), drawn.drawn.end(), [](const DrawnText& each) {
      return each.text.find(" 0) ") != std::string::npos;
    });
  };
  EXPECT_EQ(shownRows(), static_cast<long>(PageRows));
  Click(*rows[0]);
  EXPECT_EQ(menu->Items().SelectedRow(), rows[0].get());

  game.TapKey(VirtualKey::RightArrow);
  ASSERT_EQ(menu->Items().ItemPage(), 1);
  EXPECT_EQ(shownRows(), static_cast<long>(total - PageRows));
  Click(*rows[PageRows]);
  EXPECT_EQ(menu->Items().SelectedRow(), rows[PageRows].get());
}

}  // namespace
