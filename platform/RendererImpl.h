#pragma once

#include <SDL.h>

#include "platform/Renderer.h"

namespace platform {

// SDL objects behind the Renderer; only platform code sees them.
struct Renderer::Impl {
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* target = nullptr;  // the off-screen frame, null for a window
  int width = 0;
  int height = 0;

  ~Impl();
};

std::unique_ptr<Renderer> CreateWindowRenderer(SDL_Window* window, int width, int height);

}  // namespace platform
