#pragma once

#include <optional>

#include "platform/Vertex.h"

class Controls;
class Font;
class ItemPage;
class MenuPause;

// One tab of the pause menu's ring: how it opens, answers its keys and draws, and how the tab
// strip shows it. The menu steps the ring and keeps what the tabs share.
class PauseTab {
 public:
  explicit PauseTab(MenuPause& owner) : menu(owner) {}
  virtual ~PauseTab() = default;
  PauseTab(const PauseTab&) = delete;
  PauseTab& operator=(const PauseTab&) = delete;

  // The title written in the open tab.
  virtual const char* Title() const = 0;
  // The atlas cell of the tab's icon on the strip. A tab without one stands in the ring off the
  // strip and draws its whole screen itself.
  virtual std::optional<platform::PixelRect> Icon() const = 0;
  // Whether the ring stops at the tab now.
  virtual bool InRing() const { return true; }
  // Opens the tab afresh, as the ring or the menu's opening reaches it.
  virtual void Build() = 0;
  // The tab's own keys, once back, start and the ring's keys were not pressed.
  virtual void HandleInput(const Controls& controls) = 0;
  // A tab on the strip draws over the common frame, between the sprite batch's begin and end.
  virtual void Draw() = 0;

 protected:
  // The menu's faces: the 64-point one of names and page texts, the 17-point one of lists.
  Font* LargeFace() const;
  Font* SmallFace() const;
  // The page beside the lists.
  ItemPage& Page() const;

  MenuPause& menu;
};
