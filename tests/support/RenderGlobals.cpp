#include "support/RenderGlobals.h"

RenderGlobals::RenderGlobals() {
  ResetGlobals();
  renderer = platform::Renderer::CreateOffscreen(DefaultScreenWidth, DefaultScreenHeight);
  if (!renderer) return;
  Device = renderer.get();
  sprites = std::make_unique<platform::SpriteBatch>(*renderer);
  SpriteRenderer = sprites.get();
  smallFont = platform::TextFont::Create(*renderer, 12);
  largeFont = platform::TextFont::Create(*renderer, 20);
  SmallFont = smallFont.get();
  LargeFont = largeFont.get();
  MainViewport = renderer->GetViewport();
  camera = std::make_unique<Camera>(platform::Vector3{0, 0, 0},
                                    platform::Vector3{0, 0, -DefaultSpriteScaleNumerator},
                                    platform::Vector3{0, 1, 0});
  MainCamera = camera.get();
  ViewMatrix = &camera->view;
  PerspectiveMatrix = &camera->perspective;
}

RenderGlobals::~RenderGlobals() { ResetGlobals(); }
