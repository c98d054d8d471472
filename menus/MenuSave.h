#pragma once

#include <cstdint>
#include <memory>

#include "menus/Menu.h"
#include "platform/Vertex.h"

class Camera;
class Font;
class SavePoint;
class Sprite;
class Texture;

// Opened by a save point over the running level: action 1 writes the player record and shows
// "Game Saved", the next press returns to play. A save that fails keeps the old record and the
// prompt, which says so and offers Back or cancel to return to play without saving.
class MenuSave : public Menu {
 public:
  enum Mode : int32_t { ModePrompt = 0, ModeSaved = 1 };

  // The panel's pieces, cut from the interface atlas's closed-tab box of the pause menu: its
  // rounded corners and one texel of its fill.
  static constexpr platform::PixelRect FillCell{970, 990, 971, 991};
  static constexpr platform::PixelRect TopLeftCell{944, 959, 959, 974};
  static constexpr platform::PixelRect TopRightCell{984, 959, 999, 974};
  static constexpr platform::PixelRect BottomLeftCell{944, 1009, 959, 1024};
  static constexpr platform::PixelRect BottomRightCell{984, 1009, 999, 1024};

  MenuSave(GameStateSet* set, Camera* camera);
  ~MenuSave() override;

  // Prompt mode without a save point (the save point stores itself right after), the first
  // player held still.
  void Enter() override;
  void HandleInput(float dt) override;
  // Play goes on behind the panel.
  void Update(float dt) override;
  void Draw() override;
  // A portal or a map change while the screen is up takes the save point away; a save then
  // fails.
  void ForgetModifier(const ModifierShape& modifier) override;

  // Music at full volume, the first player idling, back to play.
  void ReturnToWorld();
  // Writes the player record from the save point and the first player of its world. False,
  // with the old record left whole, when there is no save point or player, when the record
  // could not be read back as written, or when the file could not be written.
  bool WriteSaveFile();

  int32_t m_mode = ModePrompt;
  // Set by a failed save until the next save is tried.
  bool m_saveFailed = false;
  // The save point that opened the screen; it stores itself right after the switch.
  SavePoint* savePoint = nullptr;  // not owned
  std::unique_ptr<Sprite> m_topLeft;
  std::unique_ptr<Sprite> m_topBar;
  std::unique_ptr<Sprite> m_topRight;
  std::unique_ptr<Sprite> m_body;
  std::unique_ptr<Sprite> m_bottomLeft;
  std::unique_ptr<Sprite> m_bottomBar;
  std::unique_ptr<Sprite> m_bottomRight;

 private:
  void HandlePromptInput(float dt);
  void HandleSavedInput(float dt);
  // Every player's own input: the first stands still, others play on. True when action 1 was
  // pressed.
  bool HandlePlayersAndAction(float dt);
  void DrawTexts();

  Texture* m_atlas = nullptr;  // not owned
  Font* m_font = nullptr;      // not owned
};
