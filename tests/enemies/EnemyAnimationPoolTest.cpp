#include <gtest/gtest.h>

#include <string>

#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "engine/Texture.h"

namespace {

// Pools built on two sheets, checked against their cell tables.
class EnemyPools : public ::testing::Test {
 protected:
  EnemyPools() {
    for (const char* name : {"frames", "shielded"}) {
      textures.push_back(std::make_unique<Texture>(name, L"sheet", 1024, 1024));
    }
  }

  // Every cell makes one frame on its texture; chains run along rows of one animation.
  static void ExpectFramesFollowTheCells(const EnemyAnimationPool& pool,
                                         std::span<const AnimationCell> cells,
                                         const TextureGroup& textures) {
    ASSERT_EQ(pool.frames.size(), cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
      const bool continues = i > 0 && cells[i - 1].animation == cells[i].animation;
      EXPECT_EQ(cells[i].place, continues ? cells[i - 1].place + 1 : 0) << i;
      const AnimationFrame& frame = *pool.frames[i];
      EXPECT_EQ(frame.name, cells[i].frame);
      EXPECT_EQ(frame.texture, textures[static_cast<size_t>(cells[i].texture)].get()) << i;
      const bool chained = i + 1 < cells.size() && cells[i + 1].animation == cells[i].animation;
      EXPECT_EQ(frame.next, chained ? pool.frames[i + 1].get() : nullptr) << i;
      EXPECT_LE(cells[i].rect.right, 1024);
      EXPECT_LE(cells[i].rect.bottom, 1024);
    }
  }

  struct Case {
    int number;
    size_t frames;
    uint8_t loop;
    float length;
    const wchar_t* first;
    const wchar_t* last;  // where it rests after ten seconds
  };
  static void ExpectAnimations(EnemyAnimationPool& pool, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.number);
      auto animation = pool.GetAnimation(c.number);
      ASSERT_EQ(animation->frames.size(), c.frames);
      EXPECT_EQ(animation->loop, c.loop);
      EXPECT_EQ(animation->length, c.length);
      EXPECT_EQ(animation->frames.front()->name, c.first);
      for (int step = 0; step < 1000; ++step) animation->Advance(0.01f);
      if (c.last) {
        EXPECT_EQ(animation->current->name, c.last);
      }
    }
  }

  TextureGroup textures;
};

TEST_F(EnemyPools, TheRatatoskrPoolBuildsItsFramesAndAnimationsFromTheTable) {
  RatatoskrAnimationPool pool(textures);
  ExpectFramesFollowTheCells(pool, RatatoskrAnimationPool::Cells(), textures);
  // m_frameRunning1 at (640, 0)-(768, 128).
  EXPECT_EQ(pool.frames[3]->corners, (std::array<float, 8>{768, 128, 640, 128, 768, 0, 640, 0}));
  ExpectAnimations(pool, {
                             {RatatoskrIdling, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
                             {RatatoskrDead, 1, 0, 0.0f, L"m_frameDead", nullptr},
                             {RatatoskrRunning, 2, 1, 0.20000002f, L"m_frameRunning1", nullptr},
                             {RatatoskrLuring, 2, 1, 0.20000002f, L"m_frameLuring1", nullptr},
                             {RatatoskrFalling, 1, 0, 0.0f, L"m_frameFalling", nullptr},
                             {RatatoskrAttacking, 5, 0, 0.50000006f, L"m_frameAttacking1",
                              L"m_frameAttacking5"},
                             {14, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
                             {-1, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
                         });
}

TEST_F(EnemyPools, TheGoblinPoolBuildsEveryCellAndAnAnimationPerState) {
  GoblinAnimationPool pool(textures);
  ExpectFramesFollowTheCells(pool, GoblinAnimationPool::Cells(), textures);
  // m_frameIdleWalkingWithShield1 draws from the plain sheet, (384, 0)-(512, 128).
  EXPECT_EQ(pool.frames[6]->name, L"m_frameIdleWalkingWithShield1");
  EXPECT_EQ(pool.frames[6]->corners, (std::array<float, 8>{512, 128, 384, 128, 512, 0, 384, 0}));
  EXPECT_EQ(pool.frames[6]->texture, textures[0].get());
  EXPECT_EQ(pool.frames[1]->texture, textures[1].get());

  ExpectAnimations(
      pool,
      {
          {GoblinIdling, 1, 0, 0.0f, L"m_frameIdling1", L"m_frameIdling1"},
          {22, 1, 0, 0.0f, L"m_frameIdling1", L"m_frameIdling1"},
          {-1, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
          {GoblinIdlingWithShield, 1, 0, 0.0f, L"m_frameIdlingWithShield1", nullptr},
          {GoblinIdleWalking, 4, 1, 0.8000001f, L"m_frameIdleWalking1", nullptr},
          {GoblinIdleWalkingWithShield, 4, 1, 0.8000001f, L"m_frameIdleWalkingWithShield1",
           nullptr},
          {GoblinDead, 1, 0, 0.0f, L"m_frameDead", nullptr},
          {GoblinForwardGuardWalking, 4, 1, 1.3333334f, L"m_frameForwardGuardWalking1", nullptr},
          {GoblinBackwardGuardWalking, 4, 1, 1.3333334f, L"m_frameBackwardGuardWalking1",
           nullptr},
          {GoblinShieldPushing, 4, 0, 1.2666668f, L"m_frameShieldPushing1",
           L"m_frameShieldPushing4"},
          {GoblinAttacking, 9, 0, 1.4f, L"m_frameAttacking1", L"m_frameAttacking9"},
          {GoblinAttackingWithShield, 9, 0, 2.0666668f, L"m_frameAttackingWithShield1",
           L"m_frameAttackingWithShield9"},
          {GoblinBlocking, 1, 0, 0.0f, L"m_frameBlocking", nullptr},
          {GoblinGuardBreakUp, 1, 0, 0.0f, L"m_frameGuardBreakUp", L"m_frameGuardBreakUp"},
          {GoblinGuardBreakDownWithShield, 1, 0, 0.0f, L"m_frameGuardBreakDownWithShield",
           nullptr},
      });
  // The guarded walks play the same cells in opposite orders.
  auto forward = pool.GetAnimation(GoblinForwardGuardWalking);
  auto backward = pool.GetAnimation(GoblinBackwardGuardWalking);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(forward->frames[i]->corners, backward->frames[3 - i]->corners);
  }
}

TEST_F(EnemyPools, TheDemoGoblinPoolSharesFramesBetweenItsWalksAndShowsGuardingInItsBreaks) {
  DemoGoblinAnimationPool pool(textures);
  ExpectFramesFollowTheCells(pool, DemoGoblinAnimationPool::Cells(), textures);
  ExpectAnimations(pool,
                   {
                       {DemoGoblinIdling, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                       {DemoGoblinAlertIdling, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                       {11, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                       {DemoGoblinIdleWalking, 4, 1, 0.80000007f, L"m_frameIdleWalking1", nullptr},
                       {DemoGoblinAlertWalking, 4, 1, 0.80000007f, L"m_frameIdleWalking1",
                        nullptr},
                       {DemoGoblinAttacking, 9, 0, 1.4f, L"m_frameAttacking1",
                        L"m_frameAttacking9"},
                       {DemoGoblinGuardBreakUp, 1, 0, 0.0f, L"m_frameGuarding", nullptr},
                       {DemoGoblinGuardBreakDown, 1, 0, 0.0f, L"m_frameGuarding", nullptr},
                   });
  auto walking = pool.GetAnimation(DemoGoblinIdleWalking);
  auto alertWalking = pool.GetAnimation(DemoGoblinAlertWalking);
  EXPECT_NE(walking.get(), alertWalking.get());
  EXPECT_EQ(walking->frames, alertWalking->frames);
}

}  // namespace
