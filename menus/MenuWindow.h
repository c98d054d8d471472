#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/Vertex.h"

class Font;
class TabStrip;
class Texture;
class World;
struct GameStateSet;

// The window that the pause menu and the shop stand in, over the frozen world: a dimming
// backdrop, a frame centred on the screen, footer plates in its bottom-right corner, a content
// panel below the tab row and the tab row's key hints at either end. It hands out the interface
// atlas its pieces are cut from and the two faces the menus write with.
class MenuWindow {
 public:
  // The footer plates in their row: back (I), select (J), then those the owner adds.
  static constexpr size_t BackFooter = 0;
  static constexpr size_t SelectFooter = 1;

  // Cuts and places every piece: the content panel from its cell, the footer plates in a row
  // leftward from the frame's bottom-right corner, the owner's own plates from their cells
  // after the window's two.
  MenuWindow(const GameStateSet* set, const platform::PixelRect& contentCell,
             std::initializer_list<platform::PixelRect> moreFooterCells = {});
  MenuWindow(const MenuWindow&) = delete;
  MenuWindow& operator=(const MenuWindow&) = delete;

  // Both faces back to the glyph spacing the menus lay their texts out with.
  void ResetGlyphSpacing() const;
  // The frozen world, the backdrop and the frame; the sprite batch is left begun.
  void DrawBehind(World* world);
  // The tabs along the tab row above the content, the open one as wide as its title.
  void LayoutTabs(TabStrip& tabs, int openTab, const std::string& title) const;

  Texture* const atlas;   // not owned
  Font* const largeFont;  // not owned; the 64-point face
  Font* const smallFont;  // not owned; the 17-point face
  // The translucent black quad a little larger than the screen.
  Quad backdrop{1};
  // The frame's two ends round its stretched middle.
  ShapeList frame;
  std::unique_ptr<Sprite> frameLeft;
  std::unique_ptr<Sprite> frameMiddle;
  std::unique_ptr<Sprite> frameRight;
  // Right to left.
  std::vector<std::unique_ptr<Sprite>> footers;
  std::unique_ptr<Sprite> content;
  std::unique_ptr<Sprite> tabRowLeft;
  std::unique_ptr<Sprite> tabRowRight;
};
