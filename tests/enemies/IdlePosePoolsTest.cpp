#include <gtest/gtest.h>

#include <array>
#include <span>

#include "enemies/DemoWallAnimationPool.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "engine/Texture.h"

namespace {

// Left, top, right and bottom of a frame's source rectangle.
std::array<float, 4> Rect(const AnimationFrame& frame) {
  const auto& c = frame.corners;
  return {c[6], c[7], c[0], c[1]};
}

TEST(IdlePosePools, EachPoolBuildsItsTableAndAnimationOneIsThePoseEveryOtherTheIdleLoop) {
  TextureGroup textures;
  textures.push_back(std::make_unique<Texture>("sheet", L"sheet", 1024, 1024));
  NidhoggletAggressiveAnimationPool aggressive(textures);
  NidhoggletPassiveAnimationPool passive(textures);
  DemoWallAnimationPool wall(textures);
  struct Case {
    const char* what;
    IdlePoseAnimationPool& pool;
    std::span<const EnemyCell> cells;
    std::array<float, 4> idle2, pose;
    const wchar_t* poseName;
    float step, loopLength;
  };
  const Case cases[] = {
      {"aggressive",
       aggressive,
       NidhoggletAggressiveAnimationPool::Cells(),
       {64, 64, 128, 128},
       {128, 64, 192, 128},
       L"m_frameDead",
       0.40000004f,
       0.8000001f},
      {"passive",
       passive,
       NidhoggletPassiveAnimationPool::Cells(),
       {64, 0, 128, 64},
       {256, 0, 320, 64},
       L"m_frameDefending",
       0.40000004f,
       0.8000001f},
      {"wall",
       wall,
       DemoWallAnimationPool::Cells(),
       {176, 0, 352, 192},
       {352, 0, 528, 192},
       L"m_frameDead",
       0.80000007f,
       1.6000001f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(c.pool.frames.size(), 3u);
    ASSERT_EQ(c.cells.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(c.pool.frames[i]->name, c.cells[i].frame);
      EXPECT_EQ(c.pool.frames[i]->texture, textures[0].get());
    }
    const AnimationFrame& idle1 = *c.pool.frames[0];
    const AnimationFrame& idle2 = *c.pool.frames[1];
    const AnimationFrame& pose = *c.pool.frames[2];
    EXPECT_EQ(idle1.next, &idle2);
    EXPECT_EQ(idle2.next, nullptr);
    EXPECT_EQ(Rect(idle2), c.idle2);
    EXPECT_EQ(Rect(pose), c.pose);
    EXPECT_EQ(pose.name, c.poseName);
    EXPECT_GT(pose.duration, 1e30f) << "the pose is held";

    auto held = c.pool.GetAnimation(IdlePoseAnimationPool::PoseAnimation);
    EXPECT_EQ(held->frames, (std::vector<AnimationFrame*>{c.pool.frames[2].get()}));
    EXPECT_EQ(held->loop, 0);
    EXPECT_EQ(held->length, 0.0f);
    for (int number : {0, 2, -1, 99}) {
      auto idle = c.pool.GetAnimation(number);
      ASSERT_EQ(idle->frames.size(), 2u) << number;
      EXPECT_EQ(idle->loop, 1) << number;
      EXPECT_EQ(idle->length, c.loopLength) << number;
    }

    // The idle loop shows each frame for its step and comes back round.
    auto idle = c.pool.GetAnimation(IdlePoseAnimationPool::IdleAnimation);
    idle->Advance(0.0f);
    EXPECT_EQ(idle->current, &idle1);
    idle->Advance(c.step * 0.99f);
    EXPECT_EQ(idle->current, &idle1);
    idle->Advance(c.step * 0.02f);
    EXPECT_EQ(idle->current, &idle2);
    idle->Advance(c.step);
    EXPECT_EQ(idle->current, &idle1);
  }
}

}  // namespace
