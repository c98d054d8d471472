#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/Renderer.h"

namespace platform {

// The SDL renderer and the triangles waiting to be handed to it. Triangles of one texture are
// gathered and drawn in one call; anything else that draws flushes them first, so the order of
// drawing is kept. Textures, fonts and sprite batches hold it weakly: once the renderer is gone
// they release nothing.
struct RenderCore {
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* target = nullptr;  // the off-screen frame, null for a window
  std::vector<SDL_Vertex> pending;
  SDL_Texture* pendingTexture = nullptr;

  RenderCore() = default;
  ~RenderCore();
  RenderCore(const RenderCore&) = delete;
  RenderCore& operator=(const RenderCore&) = delete;

  // count vertices, three per triangle.
  void AddTriangles(SDL_Texture* texture, const SDL_Vertex* vertices, size_t count);
  void Flush();
};

struct TextureHandle {
  SDL_Texture* texture = nullptr;
  std::weak_ptr<RenderCore> core;
  int width = 0;
  int height = 0;

  TextureHandle() = default;
  ~TextureHandle();
  TextureHandle(const TextureHandle&) = delete;
  TextureHandle& operator=(const TextureHandle&) = delete;
};

struct Renderer::Impl {
  std::shared_ptr<RenderCore> core = std::make_shared<RenderCore>();
  int width = 0;
  int height = 0;
  bool presentWaits = false;
  Matrix4 world = Matrix4::Identity();
  Matrix4 view = Matrix4::Identity();
  Matrix4 projection = Matrix4::Identity();
  Matrix4 combined = Matrix4::Identity();
  SDL_Texture* texture = nullptr;
  std::shared_ptr<TextureHandle> textureHandle;  // keeps the current texture alive
  // Scratch space of the vertex conversion, kept to avoid allocating per draw.
  std::vector<SDL_Vertex> converted;
  std::vector<uint8_t> behindNearPlane;
};

std::unique_ptr<Renderer> CreateWindowRenderer(SDL_Window* window, int width, int height);

// The renderer's shared core, for the other drawing objects of the layer.
std::shared_ptr<RenderCore> CoreOf(Renderer& renderer);

// A new texture of the given size with the pixels (ARGB, row by row), or null.
std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const uint32_t* pixels);

SDL_Color ToSdlColor(uint32_t argb);

}  // namespace platform
