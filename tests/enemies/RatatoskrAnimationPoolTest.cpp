#include <gtest/gtest.h>

#include "enemies/RatatoskrAnimationPool.h"
#include "engine/Texture.h"

namespace {

TEST(RatatoskrCells, ThePoolBuildsItsFramesAndAnimationsFromTheTable) {
  TextureGroup textures;
  textures.push_back(std::make_unique<Texture>("sheet", L"sheet", 1024, 1024));
  RatatoskrAnimationPool pool(textures);
  const auto cells = RatatoskrAnimationPool::Cells();
  ASSERT_EQ(pool.frames.size(), cells.size());
  for (size_t i = 0; i < cells.size(); ++i) {
    const bool continues = i > 0 && cells[i - 1].animation == cells[i].animation;
    EXPECT_EQ(cells[i].place, continues ? cells[i - 1].place + 1 : 0) << i;
    EXPECT_EQ(pool.frames[i]->name, cells[i].frame);
    EXPECT_EQ(pool.frames[i]->texture, textures[0].get());
  }
  // m_frameRunning1 at (640, 0)-(768, 128), then m_frameRunning2, which ends the chain.
  const AnimationFrame& running1 = *pool.frames[3];
  EXPECT_EQ(running1.corners, (std::array<float, 8>{768, 128, 640, 128, 768, 0, 640, 0}));
  EXPECT_EQ(running1.next, pool.frames[4].get());
  EXPECT_EQ(pool.frames[4]->next, nullptr);

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
