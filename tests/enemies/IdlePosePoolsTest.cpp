#include <gtest/gtest.h>

#include <array>

#include "enemies/DemoWallAnimationPool.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "engine/Texture.h"

namespace {

TEST(IdlePosePools, EachPoolBuildsItsTableAndAnimationOneIsThePoseEveryOtherTheIdleLoop) {
  TextureGroup textures;
  textures.push_back(std::make_unique<Texture>("sheet", L"sheet", 1024, 1024));
  NidhoggletAggressiveAnimationPool aggressive(textures);
  NidhoggletPassiveAnimationPool passive(textures);
  DemoWallAnimationPool wall(textures);
  struct Case {
    IdlePoseAnimationPool& pool;
    std::array<float, 4> pose;  // left, top, right, bottom
    float loopLength;
  };
  const Case cases[] = {{aggressive, {128, 64, 192, 128}, 0.8000001f},
                        {passive, {256, 0, 320, 64}, 0.8000001f},
                        {wall, {352, 0, 528, 192}, 1.6000001f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loopLength);
    ASSERT_EQ(c.pool.frames.size(), 3u);
    const AnimationFrame& idle1 = *c.pool.frames[0];
    const AnimationFrame& idle2 = *c.pool.frames[1];
    const AnimationFrame& pose = *c.pool.frames[2];
    EXPECT_EQ(idle1.next, &idle2);
    EXPECT_EQ(idle2.next, nullptr);
    EXPECT_EQ(pose.texture, textures[0].get());
    const auto& corners = pose.corners;
    EXPECT_EQ((std::array<float, 4>{corners[6], corners[7], corners[0], corners[1]}), c.pose);

    auto held = c.pool.GetAnimation(IdlePoseAnimationPool::PoseAnimation);
    EXPECT_EQ(held->frames, std::vector<AnimationFrame*>{c.pool.frames[2].get()});
    EXPECT_EQ(held->loop, 0);
    EXPECT_EQ(held->length, 0.0f);
    for (int number : {0, 2, -1, 99}) {
      auto idle = c.pool.GetAnimation(number);
      ASSERT_EQ(idle->frames.size(), 2u) << number;
      EXPECT_EQ(idle->loop, 1) << number;
      EXPECT_EQ(idle->length, c.loopLength) << number;
    }

    // The idle loop shows each frame for its duration and comes back round.
    auto idle = c.pool.GetAnimation(IdlePoseAnimationPool::IdleAnimation);
    const float step = idle1.duration;
    idle->Advance(0.0f);
    idle->Advance(step * 0.99f);
    EXPECT_EQ(idle->current, &idle1);
    idle->Advance(step * 0.02f);
    EXPECT_EQ(idle->current, &idle2);
    idle->Advance(step);
    EXPECT_EQ(idle->current, &idle1);
  }
}

}  // namespace
