#include <gtest/gtest.h>

#include <cmath>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuSave.h"
#include "support/GameHarness.h"

namespace {

// The pixel rows a screen sprite covers, [top, bottom): those whose centres its drawn edges
// enclose, the edges taken half a pixel down as the drawing layer takes them.
struct Rows {
  int top, bottom;
};

Rows DrawnRows(const Sprite& piece) {
  const float top = piece.BuildScreenTransform().m[3][1] - piece.DrawCenter().y * piece.scale.y;
  return {static_cast<int>(std::ceil(top)),
          static_cast<int>(std::ceil(top + piece.GetScaledSourceSize().y))};
}

}  // namespace

// The panel is a body, two bars and four corners; a row left between two of them shows the
// level behind as a seam.
TEST(SavePanelTest, BarsMeetTheBodyAndLineUpWithTheirCorners) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  const MenuSave& save = *GameStates->menuSave;
  const Rows body = DrawnRows(*save.m_body);
  const Rows top = DrawnRows(*save.m_topBar);
  const Rows bottom = DrawnRows(*save.m_bottomBar);
  EXPECT_EQ(bottom.top, body.bottom);
  EXPECT_EQ(top.bottom, body.top);
  for (const Sprite* corner : {save.m_topLeft.get(), save.m_topRight.get()}) {
    EXPECT_EQ(DrawnRows(*corner).top, top.top);
    EXPECT_EQ(DrawnRows(*corner).bottom, top.bottom);
  }
  for (const Sprite* corner : {save.m_bottomLeft.get(), save.m_bottomRight.get()}) {
    EXPECT_EQ(DrawnRows(*corner).top, bottom.top);
    EXPECT_EQ(DrawnRows(*corner).bottom, bottom.bottom);
  }
}
