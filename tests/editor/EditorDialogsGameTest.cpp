#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editor/ColorDialog.h"
#include "editor/ContextMenu.h"
#include "editor/DebugButton.h"
#include "editor/LayerPanel.h"
#include "editor/PropertyPanel.h"
#include "editor/TextureChooser.h"
#include "engine/Camera.h"
#include "engine/Globals.h"
#include "engine/Slider.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/Image.h"
#include "platform/Renderer.h"
#include "support/DrawnTexts.h"
#include "support/LevelEditingSession.h"

namespace {

using platform::Vector3;

constexpr Color4 BlockColor{255, 200, 120, 60};

// A pixel read back (alpha << 24 | red << 16 | green << 8 | blue) in the opaque colour.
bool ShowsColor(uint32_t pixel, const Color4& color) {
  const int red = static_cast<int>(pixel >> 16 & 0xFF);
  const int green = static_cast<int>(pixel >> 8 & 0xFF);
  const int blue = static_cast<int>(pixel & 0xFF);
  return std::abs(red - color.r) < 8 && std::abs(green - color.g) < 8 &&
         std::abs(blue - color.b) < 8;
}

// The level editor with a block on layer 2 at the world's origin, the middle of the client area.
class EditorPanels : public level_editing::LevelEditing {
 protected:
  void SetUp() override {
    LevelEditing::SetUp();
    block = AddQuad(0.0f, 0.0f, 3.0f, 3.0f, 2);
    block->layer = 2;
    block->SetFillColor(BlockColor);
  }

  void SelectBlock() { Select(block); }
  // A drag of the left button from one client point to another in a few steps.
  void Drag(const Vector3& from, const Vector3& to) {
    MoveMouse(from.x, from.y, true);
    game.Step();
    for (int i = 1; i <= 4; ++i) {
      const Vector3 at = from + (to - from) * (static_cast<float>(i) / 4.0f);
      MoveMouse(std::round(at.x), std::round(at.y), true);
      game.Step();
    }
    MoveMouse(to.x, to.y);
    game.Step();
  }
  // Clicks into the end of a channel field, erases its number and types the digits.
  void TypeChannel(size_t channel, std::initializer_list<int> digits) {
    const Quad& box = *menu->Colors().Dialog().Field(channel).box;
    Click(box.altPosition.x + box.width / 2 - 2, box.altPosition.y);
    Type({VirtualKey::Backspace, VirtualKey::Backspace, VirtualKey::Backspace});
    Type(digits);
  }
  const ColorDialog& Dialog() const { return menu->Colors().Dialog(); }
  const Slider& ChannelSlider(size_t channel) const { return Dialog().ChannelSlider(channel); }
  const LayerPanel& Layers() const { return menu->Main().Layers(); }
  LayerFlags FlagsOf(int32_t layer) { return menu->Switches().m_layerFlags.at(layer); }

  Quad* block = nullptr;
};

TEST_F(EditorPanels, TheLayerPanelHidesAndLocksALayerInPlayAndForPicking) {
  const LayerPanel& layers = Layers();
  Click(layers.UpArrow());
  Click(layers.UpArrow());
  EXPECT_EQ(layers.NumberField().text, "2");
  EXPECT_TRUE(layers.VisibleToggle().Enabled());

  // Locked: the block is drawn but a press over it picks nothing.
  Click(layers.SelectableToggle().Face());
  EXPECT_FALSE(FlagsOf(2).selectable);
  EXPECT_FALSE(layers.SelectableToggle().Enabled());
  Click(400, 300);
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  Click(layers.SelectableToggle().Face());
  SelectBlock();

  // Hidden: play no longer draws it.
  Leave();
  game.Step();
  // Beside the player, who stands at (1, 0).
  const Vector3 onBlock = WorldToScreen(-1.0f, 0.5f, 0.0f);
  const auto x = static_cast<int>(onBlock.x);
  const auto y = static_cast<int>(onBlock.y);
  EXPECT_TRUE(ShowsColor(game.Pixel(x, y), BlockColor));
  OpenMenu();
  game.Step();
  Click(layers.VisibleToggle().Face());
  EXPECT_FALSE(FlagsOf(2).visible);
  ASSERT_TRUE(game.KeepFrame("editor-layer-hidden.png"));
  Leave();
  game.Step();
  EXPECT_FALSE(ShowsColor(game.Pixel(x, y), BlockColor));
}

TEST_F(EditorPanels, TheLayerArrowsEnterLayersAndTheTogglesFollowOnlyTheArrows) {
  const LayerPanel& layers = Layers();
  // A layer's number shows whole, its sign in sight: -11 is not shortened into a layer 1.
  DrawnTexts drawn;
  for (int step = 0; step < 11; ++step) Click(layers.DownArrow());
  EXPECT_EQ(layers.NumberField().text, "-11");
  drawn.Clear();
  game.Step();
  EXPECT_EQ(drawn.AtX(layers.NumberField().TextLeft()), (std::vector<std::string>{"-11"}));
  ASSERT_TRUE(game.KeepFrame("editor-layer-negative.png"));
  for (int step = 0; step < 11; ++step) Click(layers.UpArrow());
  Click(layers.DownArrow());
  EXPECT_EQ(layers.NumberField().text, "-1");
  EXPECT_TRUE(FlagsOf(-1).visible && FlagsOf(-1).selectable);
  Click(layers.VisibleToggle().Face());
  Click(layers.UpArrow());
  EXPECT_TRUE(layers.VisibleToggle().Enabled());
  Click(layers.DownArrow());
  EXPECT_FALSE(layers.VisibleToggle().Enabled()) << "layer -1 stays hidden";

  // A typed number that no shape uses: the toggle flips what it showed for -1 into a new entry
  // whose other flag is clear. The typing reaches only the field.
  const Quad& field = *layers.NumberField().box;
  Click(field.altPosition.x + field.width / 2 - 1, field.altPosition.y);
  EXPECT_EQ(menu->Field().Current(), &layers.NumberField());
  Type({VirtualKey::Backspace, VirtualKey::Backspace, '7'});
  EXPECT_EQ(layers.NumberField().text, "7");
  EXPECT_EQ(menu->Switches().m_layerFlags.count(7), 0u);
  Click(layers.VisibleToggle().Face());
  EXPECT_EQ(menu->Field().Current(), nullptr);
  EXPECT_TRUE(FlagsOf(7).visible);
  EXPECT_FALSE(FlagsOf(7).selectable);
}

// The rows run down a column from the panel's top to two insets above the chosen texture's
// picture in the bottom-left corner, 19 rows 21 pixels apart, then go on at the top of the next
// column.
TEST_F(EditorPanels, TheTextureChooserFillsAColumnDownToThePictureThenStartsTheNext) {
  constexpr size_t RowsPerColumn = 19;
  while (world->resources.size() < RowsPerColumn + 4) AddPlanks();
  world->resources.push_back(std::make_unique<Texture>("Flat.png", L"Flat", 0, 256));
  SelectBlock();
  Click(*menu->Main().Panel().m_textureField);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeTextureChooser);
  const TextureChooser& chooser = menu->Textures().Chooser();
  ASSERT_EQ(chooser.RowCount(), RowsPerColumn + 6);
  const Vector3 first = chooser.Row(0).altPosition;
  for (size_t i = 0; i < chooser.RowCount(); ++i) {
    const Vector3 at = chooser.Row(i).altPosition;
    EXPECT_FLOAT_EQ(at.y, first.y + 21.0f * static_cast<float>(i % RowsPerColumn)) << i;
    EXPECT_FLOAT_EQ(
        at.x - chooser.Row(i).width / 2,
        first.x - chooser.Row(0).width / 2 + 190.0f * static_cast<float>(i / RowsPerColumn))
        << i;
  }
  const Quad& panel = chooser.PanelBox();
  const float pictureTop = panel.altPosition.y + panel.height / 2 - 10.0f - 100.0f;
  const Quad& lowest = chooser.Row(RowsPerColumn - 1);
  EXPECT_LE(lowest.altPosition.y + lowest.height / 2, pictureTop - 10.0f);

  // A texture declared with no width is pictured as a square 100 across.
  game.Step();
  const platform::Image unchosen = Device->ReadFrame();
  Click(chooser.Row(chooser.RowCount() - 1));
  const platform::Image chosen = Device->ReadFrame();
  size_t changed = 0;
  for (size_t i = 0; i < chosen.pixels.size(); ++i) changed += chosen.pixels[i] != unchosen.pixels[i];
  EXPECT_GT(changed, 100u * 100u);
}

TEST_F(EditorPanels, TheTextureChooserGivesTheSelectionATextureAndCancelDropsTheChoice) {
  Texture* planks = AddPlanks();
  SelectBlock();
  Click(*menu->Main().Panel().m_textureField);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeTextureChooser);
  const TextureChooser& chooser = menu->Textures().Chooser();
  ASSERT_EQ(chooser.RowCount(), world->resources.size() + 1);
  const std::optional<size_t> row = chooser.RowOf(planks);
  ASSERT_TRUE(row);
  EXPECT_EQ(chooser.RowName(*row), L"Planks");

  // "OK" with nothing chosen is a press on the list, which chooses nothing.
  Click(chooser.OkButton());
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeTextureChooser);
  game.Step();
  const platform::Image unchosen = Device->ReadFrame();
  Click(chooser.Row(0));
  EXPECT_EQ(menu->Main().BrushTexture(), nullptr);
  const Quad& chosenFrame = chooser.ChosenFrame();
  EXPECT_EQ(chosenFrame.width, chooser.Row(0).width + 4);
  // The frame's outline is the first pixel along the row, from just outside the frame's left
  // edge, that choosing changed; with nothing chosen that colour is drawn nowhere.
  game.Step();
  const platform::Image chosen = Device->ReadFrame();
  const int frameLeft = static_cast<int>(chosenFrame.altPosition.x - chosenFrame.width / 2);
  const int rowY = static_cast<int>(chosenFrame.altPosition.y);
  int x = frameLeft - 1;
  while (x < frameLeft + 2 && chosen.Pixel(x, rowY) == unchosen.Pixel(x, rowY)) ++x;
  ASSERT_LT(x, frameLeft + 2) << "the chosen row is framed";
  const uint32_t outline = chosen.Pixel(x, rowY);
  EXPECT_EQ(std::count(unchosen.pixels.begin(), unchosen.pixels.end(), outline), 0);
  Click(chooser.Row(*row));
  EXPECT_EQ(menu->Main().BrushTexture(), planks);
  ASSERT_TRUE(game.KeepFrame("editor-texture-chooser.png"));
  Click(chooser.OkButton());
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(block->texture, planks);
  EXPECT_EQ(block->GetColor(), (Color4{255, 255, 255, 255}));
  EXPECT_EQ(block->sourceRect.right, 256);
  EXPECT_EQ(menu->Main().Panel().m_fieldSourceBottom->text, "256");
  ASSERT_TRUE(game.KeepFrame("editor-textured-block.png"));

  // The frame spans the source rectangle's share of the swatch: (64, 32)-(192, 160) of the
  // 256-pixel square texture is a quarter to three quarters across and an eighth to five eighths
  // down.
  block->SetRect(64, 32, 192, 160);
  menu->Main().DropSelection();
  SelectBlock();
  const Quad& swatch = *menu->Main().Panel().m_textureSwatch;
  const Quad& frame = *menu->Main().Panel().m_sourceFrame;
  const float swatchLeft = swatch.altPosition.x - swatch.width / 2;
  const float swatchTop = swatch.altPosition.y - swatch.height / 2;
  EXPECT_FLOAT_EQ(frame.altPosition.x - frame.width / 2, swatchLeft + swatch.width / 4);
  EXPECT_FLOAT_EQ(frame.altPosition.x + frame.width / 2, swatchLeft + swatch.width * 3 / 4);
  EXPECT_FLOAT_EQ(frame.altPosition.y - frame.height / 2, swatchTop + swatch.height / 8);
  EXPECT_FLOAT_EQ(frame.altPosition.y + frame.height / 2, swatchTop + swatch.height * 5 / 8);
  // A map may declare a texture with no width: there is no share of it to frame.
  world->resources.push_back(std::make_unique<Texture>("Flat.png", L"Flat", 0, 256));
  block->SetTexture(world->resources.back().get());
  menu->Main().DropSelection();
  SelectBlock();
  EXPECT_EQ(frame.width, 0.0f);
  EXPECT_EQ(frame.height, 0.0f);
  // The clear icon takes a quad's texture away.
  Click(*menu->Main().Panel().m_clearTextureIcon);
  EXPECT_EQ(block->texture, nullptr);
  block->SetTexture(planks);

  // A sprite cannot be given no texture; Cancel drops the choice.
  auto sprite = std::make_unique<Sprite>(planks);
  sprite->SetPositionXYZ(4.0f, 0.0f, 0.0f);
  Sprite* picture = sprite.get();
  world->spriteLayers.Insert(0, std::move(sprite));
  menu->Main().Select(picture, SelectionOwner::Sprites);
  menu->Textures().OpenTextureChooser();
  game.Step();
  Click(chooser.Row(0));
  EXPECT_EQ(menu->Main().BrushTexture(), nullptr);
  EXPECT_EQ(chooser.ChosenFrame().width, 0.0f);
  Click(chooser.Row(*row));
  Click(chooser.CancelButton());
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(menu->Main().BrushTexture(), nullptr);
  Click(*menu->Main().Panel().m_clearTextureIcon);
  EXPECT_EQ(picture->texture, planks) << "nor can its texture be cleared";

  // Without a selection the Sprite tool's brush takes the texture, with its preview; the swatch
  // shows the texture chosen last, not the one before it.
  menu->Main().DropSelection();
  ChooseBrush(planks);
  EXPECT_NE(menu->Main().Outline(), nullptr);
  EXPECT_EQ(menu->Main().Panel().m_fieldSourceRight->text, "256");
  EXPECT_EQ(menu->Main().Panel().m_fieldScaleX->text, "1");
  EXPECT_EQ(swatch.texture, planks);
  world->resources.push_back(
      LoadTextureNamed("Content\\Textures\\Tiles\\Bark.png", "Bark", 256, 256));
  Texture* bark = world->resources.back().get();
  ChooseBrush(bark);
  EXPECT_EQ(swatch.texture, bark);
  EXPECT_EQ(frame.width, swatch.width) << "the whole texture is the source";
  ASSERT_TRUE(game.KeepFrame("editor-brush-swatch.png"));
}

TEST_F(EditorPanels, TheShapeColourDialogEditsLiveAndOkEnterAndCancelEndIt) {
  SelectBlock();
  Click(*menu->Main().Panel().m_colorSwatch);
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeShapeColor);
  EXPECT_EQ(ChannelSlider(1).value, 200.0f);

  // Dragging the red thumb to the track's left end: the block follows in every frame.
  const Slider& red = ChannelSlider(1);
  const Vector3 thumb = red.thumb->altPosition;
  const Vector3 start = red.track->GetAltBottomMid();
  MoveMouse(thumb.x, thumb.y, true);
  game.Step();
  MoveMouse(std::round((thumb.x + start.x) / 2), thumb.y, true);
  game.Step();
  const uint8_t halfway = block->GetColor().r;
  EXPECT_GT(halfway, 0);
  EXPECT_LT(halfway, 200);
  MoveMouse(start.x - 20, thumb.y, true);
  game.Step();
  EXPECT_EQ(block->GetColor().r, 0);
  EXPECT_EQ(Dialog().Field(1).text, "0");
  MoveMouse(start.x - 20, thumb.y);
  game.Step();

  // A typed value shows at once; past 255 it is 255, in the slider and in the colour alike.
  TypeChannel(2, {'5', '0'});
  EXPECT_EQ(block->GetColor().g, 50);
  EXPECT_EQ(ChannelSlider(2).value, 50.0f);
  TypeChannel(3, {'9', '9', '9'});
  EXPECT_EQ(block->GetColor().b, 255);
  ASSERT_TRUE(game.KeepFrame("editor-shape-colour.png"));
  Click(Dialog().OkButton());
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(block->GetColor(), (Color4{255, 0, 50, 255}));

  // Cancel puts back the colour the dialog opened with, on the shape and the panel's swatch.
  menu->Colors().OpenShapeColorDialog();
  game.Step();
  TypeChannel(0, {'9'});
  EXPECT_EQ(block->GetColor().a, 9);
  Click(Dialog().CancelButton());
  EXPECT_EQ(block->GetColor(), (Color4{255, 0, 50, 255}));
  EXPECT_EQ(menu->Main().Panel().m_colorSwatch->GetColor(), block->GetColor());
  // So does Escape, which leaves the editor.
  menu->Colors().OpenShapeColorDialog();
  game.Step();
  TypeChannel(0, {'9'});
  Leave(VirtualKey::Esc);
  EXPECT_EQ(block->GetColor(), (Color4{255, 0, 50, 255}));
  OpenMenu();
  SelectBlock();

  // Enter keeps what was typed.
  menu->Colors().OpenShapeColorDialog();
  game.Step();
  TypeChannel(1, {'7'});
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(menu->Field().Current(), nullptr);
  EXPECT_EQ(block->GetColor(), (Color4{255, 7, 50, 255}));

  // Without a selection the dialog colours only the panel's swatch, the brush's colour.
  menu->Main().DropSelection();
  menu->Colors().OpenShapeColorDialog();
  game.Step();
  TypeChannel(2, {'9'});
  EXPECT_EQ(menu->Main().Panel().m_colorSwatch->GetColor(), (Color4{255, 7, 9, 255}));
  EXPECT_EQ(block->GetColor(), (Color4{255, 7, 50, 255}));
  Click(Dialog().CancelButton());
  EXPECT_EQ(menu->Main().Panel().m_colorSwatch->GetColor(), (Color4{255, 7, 50, 255}));
}

// Each channel's thumb drags and its field opens on a click; a typed value changes that channel
// alone, of the shape and of the background, and moves that channel's slider.
TEST_F(EditorPanels, EachChannelsThumbAndFieldEditOnlyThatChannel) {
  struct Row {
    size_t channel;
    Color4 shape;
    Color4 background;
  };
  ClearColor = {255, 40, 80, 120};
  menu->Settings().SnapshotSettings();
  // Channels in the dialog's order: alpha, red, green, blue.
  const std::array<Row, ColorDialog::ChannelCount> rows = {{
      {0, {7, 200, 120, 60}, {7, 40, 80, 120}},
      {1, {255, 7, 120, 60}, {255, 7, 80, 120}},
      {2, {255, 200, 7, 60}, {255, 40, 7, 120}},
      {3, {255, 200, 120, 7}, {255, 40, 80, 7}},
  }};
  SelectBlock();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.channel);
    menu->Colors().OpenShapeColorDialog();
    game.Step();
    const Slider& slider = ChannelSlider(row.channel);
    const Vector3 thumb = slider.thumb->altPosition;
    Drag(thumb, {slider.track->GetAltBottomMid().x - 20, thumb.y, 0.0f});
    EXPECT_EQ(Dialog().Field(row.channel).text, "0") << "its thumb drags that channel";
    TypeChannel(row.channel, {'7'});
    EXPECT_EQ(menu->Field().Current(), &Dialog().Field(row.channel));
    EXPECT_EQ(block->GetColor(), row.shape);
    EXPECT_EQ(ChannelSlider(row.channel).value, 7.0f);
    Click(Dialog().CancelButton());
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(row.channel);
    Click(menu->Main().ToolbarIcon(level_editing::Atlas::IconSettings));
    Click(menu->Settings().Button("Background Color"));
    ASSERT_EQ(menu->Mode(), MenuDebug::ModeBackgroundColor);
    TypeChannel(row.channel, {'7'});
    EXPECT_EQ(menu->Field().Current(), &Dialog().Field(row.channel));
    EXPECT_EQ(ClearColor, row.background);
    EXPECT_EQ(ChannelSlider(row.channel).value, 7.0f);
    Click(Dialog().CancelButton());
  }
}

TEST_F(EditorPanels, TheBackgroundDialogFollowsTheSliderAndKeepsOnlyWhatIsConfirmed) {
  ClearColor = {255, 40, 80, 120};
  menu->Settings().SnapshotSettings();
  // The background menu's one item, from a right press over empty map.
  SetMouse(600, 150, false, true, false);
  game.Step();
  SetMouse(600, 150, false, false, false);
  game.Step();
  ASSERT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuBackground);
  Click(menu->Main().ContextMenuWidgets().ItemBox(ContextMenu::SetBackground));
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeBackgroundColor);
  const Vector3 thumb = ChannelSlider(1).thumb->altPosition;
  MoveMouse(thumb.x, thumb.y, true);
  game.Step();
  MoveMouse(thumb.x + 40, thumb.y, true);
  game.Step();
  const uint8_t first = ClearColor.r;
  EXPECT_GT(first, 40);
  MoveMouse(thumb.x + 80, thumb.y, true);
  game.Step();
  EXPECT_GT(ClearColor.r, first);
  MoveMouse(thumb.x + 80, thumb.y);
  game.Step();
  ASSERT_TRUE(game.KeepFrame("editor-background-colour.png"));
  Click(Dialog().CancelButton());
  EXPECT_EQ(ClearColor, (Color4{255, 40, 80, 120}));

  // W, A, S and D pan the camera under the dialog: doubled with Shift. The settings page's
  // swatch opens the dialog too.
  Click(menu->Main().ToolbarIcon(level_editing::Atlas::IconSettings));
  Click(menu->Settings().Button("Background Color"));
  ASSERT_EQ(menu->Mode(), MenuDebug::ModeBackgroundColor);
  const float eyeX = MainCamera->eye.x;
  game.PressKey(VirtualKey::LeftShift);
  game.PressKey('D');
  game.Step();
  game.ReleaseKey('D');
  game.ReleaseKey(VirtualKey::LeftShift);
  EXPECT_NEAR(MainCamera->eye.x - eyeX, 0.4f, 1e-5f);

  TypeChannel(3, {'9'});
  EXPECT_EQ(ClearColor.b, 9);
  game.TapKey(VirtualKey::Enter);
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(ClearColor, (Color4{255, 40, 80, 9}));
  Leave();
  EXPECT_EQ(ClearColor, (Color4{255, 40, 80, 9})) << "a confirmed colour outlives the menu";
}

}  // namespace
