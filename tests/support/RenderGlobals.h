#pragma once

#include <memory>

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"

// The drawing globals as start-up sets them, over an off-screen 800 x 600 frame, with the
// start camera; every global is put back to its start value when this goes.
struct RenderGlobals {
  RenderGlobals();
  ~RenderGlobals();
  RenderGlobals(const RenderGlobals&) = delete;
  RenderGlobals& operator=(const RenderGlobals&) = delete;

  std::unique_ptr<platform::Renderer> renderer;
  std::unique_ptr<platform::SpriteBatch> sprites;
  std::unique_ptr<platform::TextFont> smallFont;
  std::unique_ptr<platform::TextFont> largeFont;
  std::unique_ptr<Camera> camera;
};
