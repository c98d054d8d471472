#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/Renderer.h"

namespace platform {

class PendingPicture;
struct TextureSlot;

// The SDL renderer and the triangles waiting to be handed to it. Triangles of one texture are
// gathered and drawn in one call; anything else that draws flushes them first, so the order of
// drawing is kept. Textures, fonts and sprite batches hold it weakly: once the renderer is gone
// they release nothing.
struct RenderCore {
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* target = nullptr;  // the off-screen frame, null for a window
  // The frame's size in the game's pixels.
  int width = 0;
  int height = 0;
  std::vector<SDL_Vertex> pending;
  SDL_Texture* pendingTexture = nullptr;
  // Whether the pending triangles are drawn without blending (they cover what is below).
  bool pendingOpaque = false;
  // Textures whose pictures were still being decoded when they were made.
  std::vector<std::weak_ptr<TextureSlot>> undecided;
  // A software renderer copies a picture at another size by stretching its source rectangle
  // into a scratch surface and copying that; these keep such stretches (least recently used
  // dropped first), so that a copy at the same size again is a plain copy of the same pixels.
  struct StretchKey {
    SDL_Texture* source;
    int x, y, w, h, width, height;
    auto Tied() const { return std::tie(source, x, y, w, h, width, height); }
    bool operator<(const StretchKey& other) const { return Tied() < other.Tied(); }
  };
  struct Stretch {
    SDL_Texture* texture;
    uint64_t lastUse;
  };
  bool keepsStretches = false;
  std::map<StretchKey, Stretch> stretches;
  size_t stretchedPixels = 0;
  uint64_t copies = 0;

  RenderCore() = default;
  ~RenderCore();
  RenderCore(const RenderCore&) = delete;
  RenderCore& operator=(const RenderCore&) = delete;

  // count vertices, three per triangle. Opaque triangles (an opaque texture or none, and every
  // vertex fully opaque) are drawn without blending, which gives the same pixels faster.
  void AddTriangles(SDL_Texture* texture, bool opaque, const SDL_Vertex* vertices, size_t count);
  // A textured quad, corners in order round it: unturned and of one colour, it is drawn as a
  // copy of its source rectangle where that gives the same pixels; else as two triangles.
  void AddRectangle(const TextureHandle& texture, bool opaque, const SDL_Vertex (&corners)[4]);
  void Flush();
  // Makes the device textures of the pictures decoded by now.
  void TakeDecodedPictures();
  // The source rectangle of the picture stretched to width by height, or null.
  SDL_Texture* Stretched(SDL_Texture* source, const SDL_Rect& rect, int width, int height);
  // A copy in a colour or alpha other than full, done here on the off-screen frame with the
  // arithmetic of SDL's general blitter, which it would otherwise take pixel by pixel with a
  // test of every option; the source must be as large as its target. False when the copy is
  // SDL's to make: untinted (SDL's own path is fast), or no frame or pixels at hand.
  bool CopyTinted(SDL_Texture* texture, const SDL_Rect& source, const SDL_FRect& target,
                  SDL_Color color, bool opaque);
  void ForgetStretches(SDL_Texture* source);
};

struct TextureHandle {
  SDL_Texture* texture = nullptr;
  std::weak_ptr<RenderCore> core;
  int width = 0;
  int height = 0;
  // Every texel fully opaque.
  bool opaque = false;
  // Made from a whole picture whose pixels never change, so that stretches of it may be kept.
  bool fixedPixels = false;

  TextureHandle() = default;
  ~TextureHandle();
  TextureHandle(const TextureHandle&) = delete;
  TextureHandle& operator=(const TextureHandle&) = delete;
};

// What a DeviceTexture holds: the device texture, or the picture it is to be made from.
struct TextureSlot {
  std::shared_ptr<TextureHandle> handle;
  std::shared_ptr<PendingPicture> picture;
  std::weak_ptr<RenderCore> core;

  // Waits for the picture, if any is left to wait for, and makes the texture from it.
  void Decide();
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

// A new texture of the given size with the pixels (ARGB, rows pitch bytes apart), or null.
std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const void* pixels,
                                                   int pitch, bool opaque);
// The same for a texture whose pixels are written later (not opaque).
std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const uint32_t* pixels);

SDL_Color ToSdlColor(uint32_t argb);

}  // namespace platform
