#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "collision/Boundary.h"
#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/MenuDebug.h"
#include "editor/TemplatePalette.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "enemies/NidhoggletPassive.h"
#include "engine/EditorAtlas.h"
#include "engine/SoundBank.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "support/DebugMenuSession.h"
#include "triggers/Portal.h"
#include "triggers/SaveShape.h"
#include "world/MapFormat.h"

namespace {

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;
namespace fs = std::filesystem;

constexpr const char* DefaultMap = "Content\\Maps\\DefaultMap.gmf";
constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* NewMap = "Content\\Maps\\meadow.gmf";
// The blank map's one block has its top here; the new floor continues it.
constexpr float GroundTop = -0.94f;

class EditorFiles : public DebugMenuSession {
 protected:
  void ClickIcon(Atlas::ToolbarIconIndex icon) {
    Click(Layout::ToolbarIconX[icon], Layout::TopBar.bottom / 2);
  }

  void ClearField(const TextBox& field) {
    for (size_t i = field.text.size(); i > 0; --i) game.TapKey(VirtualKey::Backspace);
  }

  const Quad* Row(const EditorWidgets::RowList& rows, const std::string& name) const {
    for (const auto& row : rows) {
      if (row->name == name) return row.get();
    }
    return nullptr;
  }

  // Opens the map list, chooses the map and loads it.
  void LoadThroughDialog(const std::string& name) {
    ClickIcon(Atlas::IconLoadMap);
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeLoadMap);
    const Quad* row = Row(menu->FileList().Rows(), name);
    ASSERT_NE(row, nullptr) << name;
    Click(*row);
    ASSERT_EQ(menu->FileList().SelectedFileRow(), row);
    Click(menu->FileList().Button("Load"));
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  }

  void SaveThroughDialog(const std::string& name) {
    ClickIcon(Atlas::IconSaveMap);
    ASSERT_EQ(menu->Field().Current(), &menu->SaveDialog().Field("Save file as:"));
    ClearField(menu->SaveDialog().Field("Save file as:"));
    TypeText(name);
    game.TapKey(VirtualKey::Enter);
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  }

  void AddBlock(float x, float y, float width, float height, const Color4& color) {
    auto boundary = std::make_unique<BoundingQuad>();
    boundary->SetPositionXYZ(x, y, 0.0f);
    boundary->SetDimensions(width, height, 0.0f);
    world->AddBoundary(std::move(boundary));
    auto picture = std::make_unique<Quad>();
    picture->SetPositionXYZ(x, y, 0.0f);
    picture->SetDimensions(width, height, 0.0f);
    picture->SetFillColor(color);
    world->shapeLayers.Insert(0, std::move(picture));
  }

  // Floor, platform, save point, enemy and a portal back to this same map; returns the
  // portal's region.
  Shape* BuildLevel() {
    AddBlock(0.0f, GroundTop - 1.0f, 60.0f, 2.0f, {255, 96, 140, 70});
    AddBlock(7.0f, 3.2f, 5.0f, 0.5f, {255, 150, 110, 70});
    auto savePoint = std::make_unique<SaveShape>(world);
    savePoint->regionCircle->SetRadius(1.0f);
    savePoint->region->SetPosition({-5.0f, 0.0f, 0.0f});
    savePoint->position = {-5.0f, 0.0f, 0.0f};
    world->AddModifier(std::move(savePoint));
    world->PlaceEnemy(
        world->enemyResources->GetPrototype(NidhoggletPassive::Kind)
            ->CreateAt(world, -14.0f, GroundTop + NidhoggletPassive::BodyHeight / 2, 0.0f, 0));
    auto region = std::make_unique<Quad>();
    region->SetPositionXYZ(20.0f, GroundTop + 1.5f, 0.0f);
    region->SetDimensions(2.0f, 3.0f, 0.0f);
    Shape* shape = region.get();
    world->AddModifier(std::make_unique<Portal>(world, std::move(region), world->GetMapName(),
                                                platform::Vector3{0.0f, 1.3f, 0.0f}));
    menu->CollectLayers();
    return shape;
  }

  std::string File(const std::string& name) const {
    std::ifstream in(game.Folder() / "Content" / "Maps" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  template <typename T>
  int Count() const {
    int count = 0;
    for (const auto& modifier : world->modifiers) count += dynamic_cast<T*>(modifier.get()) ? 1 : 0;
    return count;
  }
};

TEST_F(EditorFiles, ALevelBuiltOnTheBlankMapIsSavedReloadedAndPlayed) {
  MoveMouse(400, 300);
  OpenMenu();
  player->body->SetVelocity(3.0f, -2.0f, 0.0f);
  LoadThroughDialog("DefaultMap.gmf");
  EXPECT_EQ(world->GetMapName(), DefaultMap);
  EXPECT_EQ(player->body->position.x, world->spawnPoint.x) << "the player waits at the spawn point";
  EXPECT_EQ(player->body->velocity, (platform::Vector3{0.0f, 0.0f, 0.0f})) << "and stands still";

  Shape* portalRegion = BuildLevel();
  // The portal's target comes from the map list, as the property panel's "Set Map" opens it.
  menu->FileList().OpenPortalTargetDialog(portalRegion);
  game.Step();
  const Quad* hubRow = Row(menu->FileList().Rows(), "DemoHubMap.gmf");
  ASSERT_NE(hubRow, nullptr);
  EXPECT_EQ(Row(menu->FileList().Rows(), "DemoHubMap.mef"), nullptr) << "maps only";
  Click(*hubRow);
  ASSERT_TRUE(game.KeepFrame("editor-portal-target.png"));
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  auto* portal = dynamic_cast<Portal*>(world->FindModifierByShape(portalRegion));
  ASSERT_NE(portal, nullptr);
  EXPECT_EQ(portal->targetMap, HubMap);

  // A name with a blank is refused and the dialog stays; the name without it is saved.
  ClickIcon(Atlas::IconSaveMap);
  EXPECT_EQ(menu->SaveDialog().Field("Save file as:").text, "map");
  ClearField(menu->SaveDialog().Field("Save file as:"));
  TypeText("my meadow");
  Click(menu->SaveDialog().Button("Save"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeSaveMap);
  EXPECT_FALSE(menu->SaveDialog().Message().empty());
  EXPECT_FALSE(fs::exists(game.Folder() / "Content" / "Maps" / "my meadow.gmf"));
  ASSERT_TRUE(game.KeepFrame("editor-save-refused.png"));
  ClearField(menu->SaveDialog().Field("Save file as:"));
  TypeText("meadow");
  EXPECT_TRUE(menu->SaveDialog().Message().empty()) << "the refusal goes with the refused name";
  ASSERT_TRUE(game.KeepFrame("editor-save-map.png"));
  Click(menu->SaveDialog().Button("Save"));
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  const std::string saved = File("meadow.gmf");
  ASSERT_FALSE(saved.empty());
  EXPECT_EQ(world->GetMapName(), DefaultMap) << "saving does not rename the loaded map";

  LoadThroughDialog("DemoHubMap.gmf");
  EXPECT_EQ(world->GetMapName(), HubMap);
  int textured = 0;
  for (const TemplatePage& page : menu->Main().Palette().m_templatePages) {
    for (const PrimitiveTemplate& element : page)
      textured += element.m_templateQuad->texture ? 1 : 0;
  }
  EXPECT_EQ(textured, 13) << "the hub's own palette finds every texture it names";
  game.Step();
  ASSERT_TRUE(game.KeepFrame("editor-hub-loaded.png"));

  LoadThroughDialog("meadow.gmf");
  EXPECT_EQ(world->GetMapName(), NewMap);
  EXPECT_EQ(world->boundaries.size(), 3u) << "the blank map's block, the floor and the platform";
  EXPECT_EQ(world->enemies.size(), 1u);
  EXPECT_EQ(Count<SaveShape>(), 1);
  ASSERT_EQ(Count<Portal>(), 1);
  for (const auto& modifier : world->modifiers) {
    if (auto* loaded = dynamic_cast<Portal*>(modifier.get())) {
      EXPECT_EQ(loaded->targetMap, HubMap);
    }
  }
  SaveThroughDialog("meadow");
  EXPECT_EQ(File("meadow.gmf"), saved) << "a second save writes the same bytes";

  // Play: the player lands on the floor and walks right into the portal to the hub.
  Leave();
  game.StepFrames(60);
  EXPECT_TRUE(player->onGround);
  EXPECT_NEAR(player->body->position.y - player->body->height / 2, GroundTop, 0.05f);
  ASSERT_TRUE(game.KeepFrame("meadow-play.png"));
  game.PressKey(VirtualKey::D);
  for (int frame = 0; frame < 900 && world->GetMapName() == NewMap; ++frame) game.Step();
  game.ReleaseKey(VirtualKey::D);
  EXPECT_EQ(world->GetMapName(), HubMap);
}

// Each dialog's Cancel goes back to editing and acts on nothing; a press on the save dialog's
// name field opens it again once closed.
TEST_F(EditorFiles, EachDialogsCancelGoesBackToEditingActingOnNothing) {
  MoveMouse(400, 300);
  OpenMenu();
  const std::string map = world->GetMapName();
  ClickIcon(Atlas::IconLoadMap);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeLoadMap);
  Click(*Row(menu->FileList().Rows(), "DemoHubMap.gmf"));
  Click(menu->FileList().Button("Cancel"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(world->GetMapName(), map);

  ClickIcon(Atlas::IconItemEditor);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeItemList);
  Click(menu->Items().Button("Cancel"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);

  ClickIcon(Atlas::IconSaveMap);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeSaveMap);
  menu->Field().Close();
  Click(menu->SaveDialog().Field("Save file as:").box->altPosition.x,
        menu->SaveDialog().Field("Save file as:").box->altPosition.y);
  EXPECT_EQ(menu->Field().Current(), &menu->SaveDialog().Field("Save file as:"));
  Click(menu->SaveDialog().Button("Cancel"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
}

// The save dialog writes the map as the autosave does: the selection's mark stays out of the
// file, and the selection keeps it.
TEST_F(EditorFiles, TheSaveDialogLeavesTheSelectionsMarkOutOfTheMap) {
  MoveMouse(400, 300);
  OpenMenu();
  BoundingShape* floor = world->boundaries.front().get();
  menu->Main().Select(floor, SelectionOwner::Boundaries);
  SaveThroughDialog("marked");
  EXPECT_EQ(floor->outlineVisible, 1);
  LoadThroughDialog("marked.gmf");
  ASSERT_FALSE(world->boundaries.empty());
  for (const auto& boundary : world->boundaries) EXPECT_EQ(boundary->outlineVisible, 0);
}

// A name that would put the file outside Content\Maps is refused, the reason shown in red, and
// nothing is written, by either save dialog. The keys type no separator: the guard is asked
// about those names directly.
TEST_F(EditorFiles, ASaveNameThatLeavesTheMapsFolderIsRefused) {
  const std::wstring outside =
      L"A name cannot hold \\, / or \"..\": files are saved in Content\\Maps only.";
  for (const char* name : {"../outside", "..\\outside", "sub/map", "sub\\map"}) {
    EXPECT_EQ(SaveNameRefusal(name), outside) << name;
  }
  MoveMouse(400, 300);
  OpenMenu();
  const fs::path content = game.Folder() / "Content";
  for (const char* name : {"..", "a..b"}) {
    for (const auto icon : {Atlas::IconSaveMap, Atlas::IconSaveMef}) {
      SCOPED_TRACE(std::string(name) + (icon == Atlas::IconSaveMap ? " map" : " companion"));
      ClickIcon(icon);
      ClearField(menu->SaveDialog().Field("Save file as:"));
      TypeText(name);
      game.TapKey(VirtualKey::Enter);
      EXPECT_NE(menu->Mode(), MenuDebug::ModeEdit) << "the dialog stays";
      EXPECT_EQ(menu->SaveDialog().Message(), outside);
      Click(menu->SaveDialog().Button("Cancel"));
    }
  }
  ClickIcon(Atlas::IconSaveMap);
  ClearField(menu->SaveDialog().Field("Save file as:"));
  TypeText("..outside");
  game.TapKey(VirtualKey::Enter);
  ASSERT_TRUE(game.KeepFrame("editor-save-name-refused.png"));
  EXPECT_FALSE(fs::exists(content / "..outside.gmf"));
  EXPECT_FALSE(fs::exists(content / "Maps" / "..outside.gmf"));
}

TEST_F(EditorFiles, ACompanionFileIsSavedAndLoadedThroughItsDialogs) {
  world->LoadMap(HubMap);
  MoveMouse(400, 300);
  OpenMenu();
  Texture* grass = menu->Main().Palette().m_templatePages[0][0].m_templateQuad->texture;
  ASSERT_NE(grass, nullptr);
  // Ctrl with 5 on the fourth page stores the look of the selection into its fifth template;
  // the selection then goes with the Delete key.
  auto look = std::make_unique<Quad>();
  look->SetTexture(grass);
  look->SetFillColor({255, 1, 2, 3});
  Quad* stored = look.get();
  world->shapeLayers.Insert(0, std::move(look));
  menu->Main().Select(stored, SelectionOwner::Shapes);
  menu->Main().RefreshPropertyFields();
  Type({VirtualKey::Equals, VirtualKey::Equals, VirtualKey::Equals});
  game.PressKey(VirtualKey::LeftCtrl);
  game.TapKey(VirtualKey::Digit0 + 5);
  game.ReleaseKey(VirtualKey::LeftCtrl);
  game.TapKey(VirtualKey::Delete);
  ASSERT_EQ(menu->Main().Selected(), nullptr);
  ASSERT_EQ(menu->Main().Palette().m_templatePageIndex, 3);
  Type({VirtualKey::Minus, VirtualKey::Minus, VirtualKey::Minus});

  ClickIcon(Atlas::IconSaveMef);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeSaveMef);
  ClearField(menu->SaveDialog().Field("Save file as:"));
  TypeText("palette");
  ASSERT_TRUE(game.KeepFrame("editor-save-mef.png"));
  game.TapKey(VirtualKey::Enter);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  ASSERT_TRUE(fs::exists(game.Folder() / "Content" / "Maps" / "palette.mef"));

  // A companion file that cannot be written keeps the old one and the dialog open.
  fs::create_directory(game.Folder() / "Content" / "Maps" / "locked.mef.tmp");
  ClickIcon(Atlas::IconSaveMef);
  ClearField(menu->SaveDialog().Field("Save file as:"));
  TypeText("locked");
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeSaveMef);
  EXPECT_EQ(menu->SaveDialog().Message(),
            L"Could not write Content\\Maps\\locked.mef; the old file is kept.");
  ASSERT_TRUE(game.KeepFrame("editor-save-failed.png"));
  Click(menu->SaveDialog().Button("Cancel"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);

  // Entering again reads the hub's own palette; the dialog reads the saved one.
  Leave();
  OpenMenu();
  EXPECT_EQ(menu->Main().Palette().m_templatePages[3][4].m_templateQuad->texture, nullptr);
  ClickIcon(Atlas::IconLoadMef);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeLoadMef);
  EXPECT_EQ(Row(menu->FileList().Rows(), "DemoHubMap.gmf"), nullptr) << "companion files only";
  const Quad* row = Row(menu->FileList().Rows(), "palette.mef");
  ASSERT_NE(row, nullptr);
  EXPECT_FALSE(menu->FileList().Enabled("Load")) << "nothing chosen yet";
  Click(*row);
  ASSERT_TRUE(game.KeepFrame("editor-load-mef.png"));
  Click(menu->FileList().Button("Load"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(menu->Main().Palette().m_templatePages[3][4].m_templateQuad->texture, grass);
  EXPECT_EQ(menu->Main().Palette().m_templatePages[3][4].m_color, (Color4{255, 1, 2, 3}));
}

TEST_F(EditorFiles, TheMusicListPlaysTheChosenTrackOrNone) {
  MoveMouse(400, 300);
  OpenMenu();
  Click(Layout::ToolbarIconX[Atlas::IconSettings], Layout::TopBar.bottom / 2);
  Click(menu->Settings().Button("Set Map Music"));
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeMusic);
  ASSERT_GE(menu->FileList().Rows().size(), 2u);
  EXPECT_EQ(menu->FileList().Rows()[0]->name, "None");
  const Quad* hollow = Row(menu->FileList().Rows(), "Hollow.ogg");
  ASSERT_NE(hollow, nullptr);
  Click(*hollow);
  ASSERT_TRUE(game.KeepFrame("editor-music.png"));
  Click(menu->FileList().Button("Load"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeSettings) << "back to the settings page";
  ASSERT_NE(MainSoundBank->music, nullptr);
  EXPECT_EQ(MainSoundBank->music->GetPath(), "Content\\Audio\\Hollow.ogg");

  Click(menu->Settings().Button("Set Map Music"));
  Click(*menu->FileList().Rows()[0]);
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(MainSoundBank->music, nullptr);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeSettings);
  // A map saved now records no music.
  ASSERT_TRUE(world->SaveMap("quiet"));
  const std::string header = File("quiet.gmf").substr(0, File("quiet.gmf").find('\n'));
  EXPECT_NE(header.find(" 0 m "), std::string::npos) << header;
}

}  // namespace
