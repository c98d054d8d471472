#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "engine/Color4.h"
#include "engine/GameState.h"
#include "platform/MathTypes.h"

class Quad;

// A screen with a title. Menus leave the held variants empty and share one debug overlay.
class Menu : public GameState {
 public:
  // The fills every menu gives its items: selectable, selected, without a function.
  static constexpr Color4 NormalColor{180, 80, 60, 200};
  static constexpr Color4 HighlightColor{80, 255, 255, 255};
  static constexpr Color4 DisabledColor{180, 100, 100, 100};
  static constexpr float ButtonWidth = 150.0f;
  static constexpr float ButtonHeight = 40.0f;
  // The lower right button's right and bottom edges stand this far inside the window, and the
  // buttons of a row this far apart.
  static constexpr float ButtonMargin = 20.0f;

  void SetTitle(const char* title);
  std::wstring GetTitle() const { return wideTitle_; }

  void HandleInputHeld(float) override {}
  void UpdateHeld(float) override {}
  void DrawHeld() override {}
  // Three lines of diagnostics at the bottom left: the current screen, the run time, the
  // frame rate.
  void DrawDebugOverlay() override;

 protected:
  // Name and title are the same text on every menu.
  Menu(GameStateSet* set, const char* name);

  // The music back from the lower volume of the screens over play.
  static void RestoreMusicVolume();
  // Back to play: the music at full volume, then the world.
  void ReturnToPlay();

 private:
  const char* title_ = nullptr;
  std::wstring wideTitle_;
};

// A menu button or panel: a quad of that size centred on the screen point, in the fill, with an
// opaque black outline unless it is plain.
std::unique_ptr<Quad> MakeMenuQuad(const platform::Vector3& centre, float width, float height,
                                   const Color4& fill, bool outlined = true);
// Three buttons in the normal colour along the bottom of the window, from its lower right
// corner leftward.
std::array<std::unique_ptr<Quad>, 3> MakeCornerButtons();
// The item one step along a row of items (+1 rightward, -1 leftward), wrapping at its ends; an
// item not in the row stays.
Quad* StepAlongRow(std::span<Quad* const> row, Quad* item, int step);
// A label in the small font and the interface text colour, centred on the point with its top a
// quarter of its height above it, through the shared sprite batch the caller has begun.
void DrawMenuLabel(const platform::Vector3& at, const std::wstring& text);
