#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "enemies/RatatoskrAnimationPool.h"
#include "engine/Texture.h"

namespace {

TEST(RatatoskrCells, EveryCellLiesOnTheSheetAndChainsRunInOrder) {
  std::set<std::wstring> names;
  const auto cells = RatatoskrAnimationPool::Cells();
  ASSERT_EQ(cells.size(), 20u);
  for (size_t i = 0; i < cells.size(); ++i) {
    const RatatoskrCell& cell = cells[i];
    EXPECT_TRUE(names.insert(cell.frame).second) << "twice: " << i;
    EXPECT_EQ(cell.texture, 0);
    EXPECT_EQ(cell.rect.right - cell.rect.left, RatatoskrAnimationPool::CellSide);
    EXPECT_EQ(cell.rect.bottom - cell.rect.top, RatatoskrAnimationPool::CellSide);
    EXPECT_LE(cell.rect.right, RatatoskrAnimationPool::SheetSide);
    EXPECT_GE(cell.animation, 0);
    EXPECT_LT(cell.animation, RatatoskrStateCount);
    const bool continues = i > 0 && cells[i - 1].animation == cell.animation;
    EXPECT_EQ(cell.place, continues ? cells[i - 1].place + 1 : 0) << i;
  }
}

TEST(RatatoskrCells, ThePoolBuildsItsFramesFromTheTable) {
  TextureGroup textures;
  textures.push_back(std::make_unique<Texture>("sheet", L"sheet", 1024, 1024));
  RatatoskrAnimationPool pool(textures);
  const auto cells = RatatoskrAnimationPool::Cells();
  ASSERT_EQ(pool.frames.size(), cells.size());
  const AnimationFrame& running1 = *pool.frames[3];
  EXPECT_EQ(running1.name, L"m_frameRunning1");
  EXPECT_EQ(running1.texture, textures[0].get());
  EXPECT_EQ(running1.duration, 0.10000001f);
  EXPECT_EQ(running1.next, pool.frames[4].get());
  EXPECT_EQ(pool.frames[4]->next, nullptr);
  // (640, 0)-(768, 128) as (right, bottom), (left, bottom), (right, top), (left, top).
  EXPECT_EQ(running1.corners, (std::array<float, 8>{768, 128, 640, 128, 768, 0, 640, 0}));
  EXPECT_EQ(pool.frames[1]->duration, RatatoskrAnimationPool::FrameNeverEnds);
  auto copy = pool.Create(TextureGroup{});
  EXPECT_EQ(copy->frames[0]->texture, nullptr);
}

TEST(RatatoskrCells, AnimationsByNumber) {
  TextureGroup none;
  RatatoskrAnimationPool pool(none);
  struct Case {
    int number;
    size_t frames;
    uint8_t loop;
    float length;
    const wchar_t* first;
  };
  const Case cases[] = {
      {0, 1, 0, 0.0f, L"m_frameIdle1"},           {1, 1, 0, 0.0f, L"m_frameDead"},
      {3, 2, 1, 0.20000002f, L"m_frameRunning1"}, {6, 2, 1, 0.20000002f, L"m_frameLuring1"},
      {12, 1, 0, 0.0f, L"m_frameFalling"},        {13, 5, 0, 0.50000006f, L"m_frameAttacking1"},
      {14, 1, 0, 0.0f, L"m_frameIdle1"},          {-1, 1, 0, 0.0f, L"m_frameIdle1"},
  };
  for (const Case& c : cases) {
    auto animation = pool.GetAnimation(c.number);
    ASSERT_EQ(animation->frames.size(), c.frames) << c.number;
    EXPECT_EQ(animation->loop, c.loop) << c.number;
    EXPECT_EQ(animation->length, c.length) << c.number;
    EXPECT_EQ(animation->frames[0]->name, c.first) << c.number;
  }
  // The bite does not loop: it stays on its last frame.
  auto bite = pool.GetAnimation(RatatoskrAttacking);
  for (int step = 0; step < 12; ++step) bite->Advance(0.1f);
  EXPECT_EQ(bite->current->name, L"m_frameAttacking5");
}

}  // namespace
