#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "menus/pause/MenuPause.h"
#include "support/GameHarness.h"

namespace {

// Where a renderer puts the pixel an edge passes through: the window's renderer takes a centre
// on the edge as lying after it, the off-screen one as lying before it.
int WindowEdge(float edge) { return static_cast<int>(std::ceil(edge)); }
int OffscreenEdge(float edge) { return static_cast<int>(std::ceil(edge - 0.5f)); }

// The first pixel left uncovered between the pieces along one axis (0 x, 1 y) where they cross
// the panel's middle on the other; -1 when they meet.
int FirstSeam(const std::vector<const Sprite*>& pieces, int axis, int (*edge)(float)) {
  struct Span {
    float from, to;
  };
  std::vector<Span> along, across;
  for (const Sprite* piece : pieces) {
    const platform::Matrix4 m = piece->BuildScreenTransform();
    const float x = m.m[3][0] - piece->DrawCenter().x * m.m[0][0];
    const float y = m.m[3][1] - piece->DrawCenter().y * m.m[1][1];
    const platform::Vector3 size = piece->GetScaledSourceSize();
    along.push_back(axis == 0 ? Span{x, x + size.x} : Span{y, y + size.y});
    across.push_back(axis == 0 ? Span{y, y + size.y} : Span{x, x + size.x});
  }
  float low = across[0].from, high = across[0].to;
  for (const Span& s : across) low = std::min(low, s.from), high = std::max(high, s.to);
  const float middle = (low + high) / 2;
  std::vector<Span> crossing;
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (across[k].from <= middle && middle < across[k].to) crossing.push_back(along[k]);
  }
  std::sort(crossing.begin(), crossing.end(), [](Span a, Span b) { return a.from < b.from; });
  int reached = edge(crossing.front().to);
  for (const Span& s : crossing) {
    if (edge(s.from) > reached) return reached;
    reached = std::max(reached, edge(s.to));
  }
  return -1;
}

std::vector<const Sprite*> PiecesOf(const ShapeList& panel) {
  std::vector<const Sprite*> pieces;
  for (const Shape* member : panel.members) pieces.push_back(dynamic_cast<const Sprite*>(member));
  return pieces;
}

}  // namespace

// Panels are stretched pieces meant to meet; a pixel left between two of them shows what lies
// behind as a line (through the shop's "Total Tokens:", across the save panel), whichever
// renderer draws them.
TEST(PanelSeamsGame, ThePiecesOfEveryPanelMeetOnEitherRenderer) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  const MenuSave& save = *GameStates->menuSave;
  const MenuShop& shop = *GameStates->menuShop;
  const MenuPause& pause = *GameStates->menuPause;
  const std::vector<const Sprite*> panels[] = {
      {save.m_topLeft.get(), save.m_topBar.get(), save.m_topRight.get(), save.m_body.get(),
       save.m_bottomLeft.get(), save.m_bottomBar.get(), save.m_bottomRight.get()},
      PiecesOf(shop.GetPanelDescriptionShop()),
      PiecesOf(shop.GetPanelConfirm()),
      PiecesOf(shop.GetRows().group),
      PiecesOf(shop.GetItemPage().detailsPanel),
      PiecesOf(pause.GetTokensPlate()),
      PiecesOf(pause.GetItemPage().entryPanel),
      PiecesOf(pause.GetItemPage().descriptionPanel)};
  for (size_t k = 0; k < std::size(panels); ++k) {
    for (int axis : {0, 1}) {
      EXPECT_EQ(FirstSeam(panels[k], axis, WindowEdge), -1) << "panel " << k << " axis " << axis;
      EXPECT_EQ(FirstSeam(panels[k], axis, OffscreenEdge), -1) << "panel " << k;
    }
  }
}
