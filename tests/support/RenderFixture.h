#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"

// The drawing globals as start-up sets them, over an off-screen 800 x 600 frame, with the
// start camera; everything is reset afterwards.
class RenderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    renderer = platform::Renderer::CreateOffscreen(DefaultScreenWidth, DefaultScreenHeight);
    ASSERT_TRUE(renderer);
    Device = renderer.get();
    sprites = std::make_unique<platform::SpriteBatch>(*renderer);
    SpriteRenderer = sprites.get();
    smallFont = platform::TextFont::Create(*renderer, 12);
    largeFont = platform::TextFont::Create(*renderer, 20);
    SmallFont = smallFont.get();
    LargeFont = largeFont.get();
    MainViewport = renderer->GetViewport();
    camera = std::make_unique<Camera>(platform::Vector3{0, 0, 0}, platform::Vector3{0, 0, -17},
                                      platform::Vector3{0, 1, 0});
    MainCamera = camera.get();
    ViewMatrix = &camera->view;
    PerspectiveMatrix = &camera->perspective;
  }

  void TearDown() override {
    ResetGlobals();
    camera.reset();
    largeFont.reset();
    smallFont.reset();
    sprites.reset();
    renderer.reset();
  }

  std::unique_ptr<platform::Renderer> renderer;
  std::unique_ptr<platform::SpriteBatch> sprites;
  std::unique_ptr<platform::TextFont> smallFont;
  std::unique_ptr<platform::TextFont> largeFont;
  std::unique_ptr<Camera> camera;
};
