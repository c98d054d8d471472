#pragma once

#include <cstdint>
#include <memory>

#include "engine/draw/Sprite.h"
#include "menus/pause/PauseTab.h"

// The Settings tab: the button configuration, quitting to the title and quitting the game.
class SettingsTab : public PauseTab {
 public:
  // Button Configuration, an empty row, Quit to Title, Quit Game.
  enum Row : int32_t {
    ButtonConfiguration = 0,
    QuitToTitle = 2,
    QuitGame = 3,
  };

  explicit SettingsTab(MenuPause& owner);
  ~SettingsTab() override;

  const char* Title() const override { return "Settings"; }
  std::optional<platform::PixelRect> Icon() const override;
  // The cursor on the button configuration.
  void Build() override;
  void HandleInput(const Controls& controls) override;
  void Draw() override;

  int32_t GetCursor() const { return m_cursor; }
  const Sprite& GetHighlight() const { return *m_highlight; }

 private:
  void CursorDown();
  void CursorUp();
  void ActivateEntry();
  void PlaceHighlight();

  int32_t m_cursor = ButtonConfiguration;
  std::unique_ptr<Sprite> m_highlight;
};
