#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "engine/Color4.h"
#include "menus/Menu.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Quad;
class Sprite;
class World;

// The first screen and the only way into play: four pages of buttons in the lower right corner
// over the game's title picture.
class MenuTitle : public Menu {
 public:
  enum Page : int32_t { PageMain = 0, PageStory, PageMultiplayer, PageSettings, PageHidden };
  // One button per item; Back serves the story, multiplayer and settings pages.
  enum Button : int {
    ButtonStory = 0,
    ButtonMultiplayer,
    ButtonSettings,
    ButtonQuit,
    ButtonContinue,
    ButtonNewGame,
    ButtonNewGamePlus,
    ButtonVersus,
    ButtonCoop,
    ButtonFullScreen,
    ButtonWindowed,
    ButtonController,
    ButtonBack,
    ButtonCount
  };

  static constexpr float ButtonWidth = 150.0f;
  static constexpr float ButtonHeight = 40.0f;
  static constexpr Color4 NormalColor{180, 80, 60, 200};
  static constexpr Color4 HighlightColor{80, 255, 255, 255};
  static constexpr Color4 DisabledColor{180, 100, 100, 100};

  // The title picture's cells of the interface atlas: the game's name in two halves drawn side
  // by side, the flourish under it, the hills along the bottom of the screen and one column of
  // the sky stretched over the whole screen.
  static constexpr platform::PixelRect NameLeftCell{761, 195, 1021, 283};
  static constexpr platform::PixelRect NameRightCell{761, 285, 1021, 373};
  static constexpr platform::PixelRect FlourishCell{550, 203, 750, 225};
  static constexpr platform::PixelRect HillsCell{392, 142, 676, 198};
  static constexpr platform::PixelRect SkyCell{755, 197, 756, 231};

  MenuTitle(GameStateSet* set, World* world);
  ~MenuTitle() override;

  // Reopens the settings page after the controller screen and the multiplayer page after the
  // lobby, else the main page; every input device is switched on.
  void Enter() override;
  void HandleInput(float dt) override;
  // Feeds the music and moves the highlight to the selection.
  void Update(float dt) override;
  // The title picture, then the page's buttons and their labels.
  void Draw() override;

  // Each places Back and gives the page's buttons their resting colours.
  void SetUpStoryPage();
  void SetUpMultiplayerPage();
  void SetUpSettingsPage();

  const Quad& ButtonAt(Button button) const { return *m_buttons[button]; }

  int32_t m_page = PageMain;
  Button m_selection = ButtonStory;
  // The button that carried the highlight after the last update.
  Button m_previousSelection = ButtonStory;

 private:
  void CreateButton(Button button, const platform::Vector3& position);
  void CreateTitlePicture();
  void HandleMainPage();
  void HandleStoryPage();
  void HandleMultiplayerPage();
  void HandleSettingsPage();
  // Up and down move through the page's items in order, wrapping at both ends.
  bool HandleListMoves(std::span<const Button> items);
  void OpenMainPage();
  void PlaceBack();
  void SetColor(Button button, const Color4& color);
  // Grey for the items that do nothing and for Continue without a player record.
  Color4 RestingColor(Button button) const;

  // The game roads.
  void ContinueGame();
  void StartNewGame();
  void OpenVersus();
  void OpenController();
  // Only the keyboard and the first pad steer the first player.
  void LimitToKeyboardAndFirstPad();

  World* m_world = nullptr;  // not owned
  std::array<std::unique_ptr<Quad>, ButtonCount> m_buttons;
  // The title picture, in drawing order.
  std::array<std::unique_ptr<Sprite>, 5> m_picture;
};
