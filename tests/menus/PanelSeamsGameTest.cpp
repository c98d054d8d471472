#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
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
using EdgeRule = int (*)(float);

struct Span {
  int first, end;  // pixels [first, end)
};

// The pieces of a panel that cross its middle column (rows) or its middle row (columns) leave
// no pixel between them.
std::vector<std::string> Seams(const std::vector<const Sprite*>& pieces, EdgeRule rule) {
  ScreenBox box{1e9f, 1e9f, -1e9f, -1e9f};
  struct Drawn {
    float left, top, right, bottom;
  };
  std::vector<Drawn> drawn;
  for (const Sprite* piece : pieces) {
    const platform::Matrix4 m = piece->BuildScreenTransform();
    const float left = m.m[3][0] - piece->DrawCenter().x * m.m[0][0];
    const float top = m.m[3][1] - piece->DrawCenter().y * m.m[1][1];
    const platform::Vector3 size = piece->GetScaledSourceSize();
    drawn.push_back({left, top, left + size.x, top + size.y});
    box = {std::min(box.left, left), std::min(box.top, top), std::max(box.right, left + size.x),
           std::max(box.bottom, top + size.y)};
  }
  const float middleX = (box.left + box.right) / 2, middleY = (box.top + box.bottom) / 2;
  std::vector<Span> rows, columns;
  for (const Drawn& d : drawn) {
    if (d.left <= middleX && middleX < d.right) rows.push_back({rule(d.top), rule(d.bottom)});
    if (d.top <= middleY && middleY < d.bottom) columns.push_back({rule(d.left), rule(d.right)});
  }
  std::vector<std::string> seams;
  for (auto [spans, what] : {std::pair{&rows, "row "}, std::pair{&columns, "column "}}) {
    std::sort(spans->begin(), spans->end(), [](Span a, Span b) { return a.first < b.first; });
    for (size_t k = 1; k < spans->size(); ++k) {
      int reached = (*spans)[0].end;
      for (size_t j = 1; j < k; ++j) reached = std::max(reached, (*spans)[j].end);
      if ((*spans)[k].first > reached) seams.push_back(what + std::to_string(reached));
    }
  }
  return seams;
}

std::vector<const Sprite*> PiecesOf(const ShapeList& panel) {
  std::vector<const Sprite*> pieces;
  for (const Shape* member : panel.members) {
    if (const auto* sprite = dynamic_cast<const Sprite*>(member)) pieces.push_back(sprite);
  }
  return pieces;
}

}  // namespace

// Panels are built of stretched pieces meant to meet; a pixel left between two of them shows
// what lies behind as a seam (a line through the shop's "Total Tokens:", one across the save
// panel), whichever renderer draws them.
TEST(PanelSeamsGame, ThePiecesOfEveryPanelMeetOnEitherRenderer) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  const MenuSave& save = *GameStates->menuSave;
  const MenuShop& shop = *GameStates->menuShop;
  const MenuPause& pause = *GameStates->menuPause;
  const std::pair<const char*, std::vector<const Sprite*>> panels[] = {
      {"save panel",
       {save.m_topLeft.get(), save.m_topBar.get(), save.m_topRight.get(), save.m_body.get(),
        save.m_bottomLeft.get(), save.m_bottomBar.get(), save.m_bottomRight.get()}},
      {"shop main panel", PiecesOf(shop.m_panelDescriptionShop)},
      {"shop confirmation", PiecesOf(shop.m_panelConfirm)},
      {"shop rows", PiecesOf(shop.m_rows.group)},
      {"shop details", PiecesOf(shop.m_itemPage.detailsPanel)},
      {"shop description", PiecesOf(shop.m_itemPage.descriptionPanel)},
      {"pause tokens plate", PiecesOf(pause.m_tokensPlate)},
      {"pause side list", PiecesOf(pause.m_sidePanel.group)},
      {"pause entry page", PiecesOf(pause.m_itemPage.entryPanel)},
      {"pause description", PiecesOf(pause.m_itemPage.descriptionPanel)},
  };
  for (const auto& [name, pieces] : panels) {
    ASSERT_FALSE(pieces.empty()) << name;
    for (EdgeRule rule : {WindowEdge, OffscreenEdge}) {
      EXPECT_EQ(Seams(pieces, rule), std::vector<std::string>{}) << name;
    }
  }
}
