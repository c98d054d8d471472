#include "platform/Renderer.h"

#include <SDL_image.h>

#include <vector>

#include "platform/RendererImpl.h"

namespace platform {

Renderer::Impl::~Impl() {
  if (renderer) SDL_DestroyRenderer(renderer);
  if (target) SDL_FreeSurface(target);
}

Renderer::Renderer(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Renderer::~Renderer() = default;

std::unique_ptr<Renderer> Renderer::CreateOffscreen(int width, int height) {
  auto impl = std::make_unique<Impl>();
  impl->width = width;
  impl->height = height;
  impl->target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!impl->target) return nullptr;
  impl->renderer = SDL_CreateSoftwareRenderer(impl->target);
  if (!impl->renderer) return nullptr;
  SDL_SetRenderDrawBlendMode(impl->renderer, SDL_BLENDMODE_BLEND);
  return std::make_unique<Renderer>(std::move(impl));
}

std::unique_ptr<Renderer> CreateWindowRenderer(SDL_Window* window, int width, int height) {
  auto impl = std::make_unique<Renderer::Impl>();
  impl->width = width;
  impl->height = height;
  impl->renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!impl->renderer) impl->renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!impl->renderer) return nullptr;
  SDL_RenderSetLogicalSize(impl->renderer, width, height);
  SDL_SetRenderDrawBlendMode(impl->renderer, SDL_BLENDMODE_BLEND);
  return std::make_unique<Renderer>(std::move(impl));
}

int Renderer::Width() const { return impl_->width; }
int Renderer::Height() const { return impl_->height; }
bool Renderer::Offscreen() const { return impl_->target != nullptr; }

void Renderer::Clear(uint32_t argb) {
  SDL_SetRenderDrawColor(impl_->renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF,
                         (argb >> 24) & 0xFF);
  SDL_RenderClear(impl_->renderer);
}

void Renderer::BeginScene() {}

void Renderer::EndScene() { SDL_RenderFlush(impl_->renderer); }

void Renderer::Present() {
  if (!impl_->target) SDL_RenderPresent(impl_->renderer);
}

uint32_t Renderer::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) return 0;
  SDL_RenderFlush(impl_->renderer);
  SDL_Rect rect{x, y, 1, 1};
  uint32_t pixel = 0;
  SDL_RenderReadPixels(impl_->renderer, &rect, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  return pixel;
}

bool Renderer::SaveFramePng(const std::string& path) const {
  SDL_RenderFlush(impl_->renderer);
  std::vector<uint32_t> pixels(static_cast<size_t>(impl_->width) * impl_->height);
  if (SDL_RenderReadPixels(impl_->renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                           impl_->width * 4) != 0) {
    return false;
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), impl_->width, impl_->height, 32, impl_->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return false;
  // The frame is saved as seen: opaque, whatever alpha the clear left behind.
  SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
  for (uint32_t& pixel : pixels) pixel |= 0xFF000000u;
  bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

}  // namespace platform
