#include <gtest/gtest.h>

#include "triggers/CameraSetters.h"
#include "triggers/PushShape.h"
#include "triggers/TutorialImage.h"
#include "TriggerWorld.h"
#include "engine/Camera.h"
#include "engine/draw/Quad.h"

namespace {

using platform::Vector3;

constexpr float Frame = GameHarness::FrameSeconds;

std::unique_ptr<Shape> Square(float x, float y, float side) {
  auto square = std::make_unique<Quad>();
  square->SetDimensions(side, side, 0.0f);
  square->SetPositionXYZ(x, y, 0.0f);
  return square;
}

using RegionTriggers = TriggerWorld;

TEST_F(RegionTriggers, APushAddsToTheVelocityOfEveryActorInsidePerSecond) {
  Walker enemy(world, 1.0f, 0.0f);
  enemy.kind = 1;
  Walker stranger(world, 30.0f, 0.0f);
  stranger.kind = 2;
  world->actors.push_back(&enemy);
  world->actors.push_back(&stranger);
  PushShape* push =
      Add(std::make_unique<PushShape>(world, Square(0.0f, 0.0f, 4.0f), Vector3{2.0f, 0.0f, 0.0f}));
  EXPECT_EQ(push->kind, ModifierShape::KindPushShape);
  for (int i = 0; i < 60; ++i) push->Update(Frame);
  EXPECT_NEAR(player->body->velocity.x, 2.0f, 1e-4f);
  EXPECT_NEAR(enemy.quad->velocity.x, 2.0f, 1e-4f) << "enemies are pushed too";
  EXPECT_EQ(player->body->velocity.y, 0.0f);
  EXPECT_EQ(stranger.quad->velocity, (Vector3{})) << "outside";

  RemovePlayers();
  push->Update(0.5f);
  EXPECT_NEAR(enemy.quad->velocity.x, 3.0f, 1e-4f) << "needs no player";
}

TEST_F(RegionTriggers, ATutorialPictureFadesInInsideAndOutOutside) {
  Quad picture;
  picture.SetFillColorRGBA(250, 10, 20, 30);
  TutorialImage* tutorial =
      Add(std::make_unique<TutorialImage>(world, Square(0.0f, 0.0f, 4.0f), &picture));
  EXPECT_EQ(tutorial->kind, ModifierShape::KindTutorialImage);
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor(), (Color4{255, 10, 20, 30}));
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor().a, 255);

  player->body->SetPositionXYZ(40.0f, 0.0f, 0.0f);
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor().a, 245);
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor().a, 235);
  picture.SetFillColorRGBA(4, 10, 20, 30);
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor().a, 0);
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor(), (Color4{0, 10, 20, 30}));

  // Without a player or without a picture nothing changes.
  player->body->SetPositionXYZ(0.0f, 0.0f, 0.0f);
  RemovePlayers();
  tutorial->Update(Frame);
  EXPECT_EQ(picture.GetColor().a, 0);
  TutorialImage missing(world, Square(0.0f, 0.0f, 4.0f), nullptr);
  missing.Update(Frame);
}

TEST_F(RegionTriggers, ADepthSetterMovesTheCameraTargetWhileThePlayerIsInside) {
  MainCamera->eye = {3.0f, 4.0f, -17.0f};
  MainCamera->targetEye = {3.0f, 4.0f, -17.0f};
  CameraDepthSetter* depth =
      Add(std::make_unique<CameraDepthSetter>(world, Square(0.0f, 0.0f, 4.0f), -30.0f));
  EXPECT_EQ(depth->kind, ModifierShape::KindCameraDepth);
  depth->Update(Frame);
  EXPECT_EQ(MainCamera->targetEye, (Vector3{3.0f, 4.0f, -30.0f}));

  MainCamera->targetEye = {3.0f, 4.0f, -17.0f};
  player->body->SetPositionXYZ(40.0f, 0.0f, 0.0f);
  depth->Update(Frame);
  EXPECT_EQ(MainCamera->targetEye.z, -17.0f);
}

TEST_F(RegionTriggers, AStationarySetterHoldsTheCameraAndAnotherReleasesIt) {
  const Vector3 view{12.0f, 6.0f, -25.0f};
  CameraStationarySetter* hold =
      Add(std::make_unique<CameraStationarySetter>(world, Square(0.0f, 0.0f, 4.0f), 1, view));
  CameraStationarySetter* release =
      Add(std::make_unique<CameraStationarySetter>(world, Square(20.0f, 0.0f, 4.0f), 0, Vector3{}));
  EXPECT_EQ(hold->kind, ModifierShape::KindCameraStationary);
  hold->Update(Frame);
  release->Update(Frame);
  EXPECT_EQ(MainCamera->stationary, 1);
  EXPECT_EQ(MainCamera->targetEye, view);
  EXPECT_EQ(MainCamera->lookAt.x, MainCamera->eye.x) << "looks straight ahead";

  player->body->SetPositionXYZ(20.0f, 0.0f, 0.0f);
  hold->Update(Frame);
  release->Update(Frame);
  EXPECT_EQ(MainCamera->stationary, 0);
  EXPECT_EQ(MainCamera->targetEye, view) << "released where it was";
}

TEST_F(RegionTriggers, TheCameraIsLeftAloneWithoutPlayers) {
  RemovePlayers();
  const Vector3 target = MainCamera->targetEye;
  CameraStationarySetter hold(world, Square(0.0f, 0.0f, 4.0f), 1, Vector3{9.0f, 9.0f, -9.0f});
  CameraDepthSetter depth(world, Square(0.0f, 0.0f, 4.0f), -40.0f);
  hold.Update(Frame);
  depth.Update(Frame);
  EXPECT_EQ(MainCamera->targetEye, target);
  EXPECT_EQ(MainCamera->stationary, 0);
}

}  // namespace
