#include "platform/Renderer.h"

#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/Image.h"
#include "platform/RendererImpl.h"

namespace platform {

namespace {

// The game's pixel coordinates put pixel centres at whole numbers, SDL's at halves: geometry
// moves by half a pixel so that a pixel is covered when its centre lies inside.
constexpr float PixelCentreOffset = 0.5f;
// Triangles reaching further than this outside the frame are clipped before rasterising,
// which keeps the rasteriser's fixed-point arithmetic in range.
constexpr float GuardBand = 2048.0f;
constexpr size_t MaxClippedVertices = 9;

// One vertex in pixels with float colour, for clipping.
struct ClipVertex {
  float x, y, r, g, b, a, u, v;
};

ClipVertex ToClip(const SDL_Vertex& v) {
  return {v.position.x, v.position.y, static_cast<float>(v.color.r), static_cast<float>(v.color.g),
          static_cast<float>(v.color.b), static_cast<float>(v.color.a), v.tex_coord.x, v.tex_coord.y};
}

uint8_t ToByte(float value) {
  return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

SDL_Vertex FromClip(const ClipVertex& v) {
  return {{v.x, v.y}, {ToByte(v.r), ToByte(v.g), ToByte(v.b), ToByte(v.a)}, {v.u, v.v}};
}

ClipVertex Lerp(const ClipVertex& a, const ClipVertex& b, float t) {
  auto mix = [t](float p, float q) { return p + (q - p) * t; };
  return {mix(a.x, b.x), mix(a.y, b.y), mix(a.r, b.r), mix(a.g, b.g),
          mix(a.b, b.b), mix(a.a, b.a), mix(a.u, b.u), mix(a.v, b.v)};
}

// Keeps the part of the polygon where sign * (coordinate - limit) <= 0.
size_t ClipAgainst(const ClipVertex* in, size_t count, ClipVertex* out, bool useX, float limit,
                   float sign) {
  size_t written = 0;
  for (size_t i = 0; i < count; ++i) {
    const ClipVertex& a = in[i];
    const ClipVertex& b = in[(i + 1) % count];
    float da = sign * ((useX ? a.x : a.y) - limit);
    float db = sign * ((useX ? b.x : b.y) - limit);
    if (da <= 0.0f) out[written++] = a;
    if ((da <= 0.0f) != (db <= 0.0f) && written < MaxClippedVertices) {
      out[written++] = Lerp(a, b, da / (da - db));
    }
  }
  return written;
}

// Two textured triangles making an axis-aligned rectangle whose picture is turned a quarter
// turn (the texture's u runs along a vertical edge). SDL's software renderer draws such a
// rectangle as a blit, which cannot turn the picture, and gets it wrong.
bool IsQuarterTurnedRectangle(const SDL_Vertex* v) {
  const float x0 = v[0].position.x;
  const float y0 = v[0].position.y;
  float x1 = x0, y1 = y0;
  for (int i = 1; i < 6; ++i) {
    if (v[i].position.x != x0) x1 = v[i].position.x;
    if (v[i].position.y != y0) y1 = v[i].position.y;
  }
  if (x1 == x0 || y1 == y0) return false;
  for (int i = 0; i < 6; ++i) {
    if (v[i].position.x != x0 && v[i].position.x != x1) return false;
    if (v[i].position.y != y0 && v[i].position.y != y1) return false;
  }
  // Two triangles of different pictures over the same rectangle (a tick over its box, drawn
  // from one atlas) are no pair: a corner of one picture takes one texture point.
  for (int i = 0; i < 6; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      if (v[i].position.x == v[j].position.x && v[i].position.y == v[j].position.y &&
          (v[i].tex_coord.x != v[j].tex_coord.x || v[i].tex_coord.y != v[j].tex_coord.y)) {
        return false;
      }
    }
  }
  for (int i = 0; i < 6; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      if (v[i].position.x == v[j].position.x && v[i].position.y != v[j].position.y &&
          v[i].tex_coord.x != v[j].tex_coord.x) {
        return true;
      }
    }
  }
  return false;
}

// The rectangle of the six vertices as four triangles about its centre, which no renderer
// takes for a blit.
void SplitAboutCentre(const SDL_Vertex* v, std::vector<SDL_Vertex>& out) {
  float left = v[0].position.x, right = left, top = v[0].position.y, bottom = top;
  for (int i = 1; i < 6; ++i) {
    left = std::min(left, v[i].position.x);
    right = std::max(right, v[i].position.x);
    top = std::min(top, v[i].position.y);
    bottom = std::max(bottom, v[i].position.y);
  }
  const SDL_FPoint order[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  SDL_Vertex corners[4] = {};
  for (int k = 0; k < 4; ++k) {
    for (int i = 0; i < 6; ++i) {
      if (v[i].position.x == order[k].x && v[i].position.y == order[k].y) corners[k] = v[i];
    }
  }
  ClipVertex centre{};
  for (const SDL_Vertex& corner : corners) {
    ClipVertex c = ToClip(corner);
    centre = {centre.x + c.x / 4, centre.y + c.y / 4, centre.r + c.r / 4, centre.g + c.g / 4,
              centre.b + c.b / 4, centre.a + c.a / 4, centre.u + c.u / 4, centre.v + c.v / 4};
  }
  const SDL_Vertex middle = FromClip(centre);
  for (int k = 0; k < 4; ++k) {
    out.push_back(corners[k]);
    out.push_back(corners[(k + 1) % 4]);
    out.push_back(middle);
  }
}

}  // namespace

SDL_Color ToSdlColor(uint32_t argb) {
  return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
          static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
}

RenderCore::~RenderCore() {
  if (renderer) SDL_DestroyRenderer(renderer);
  if (target) SDL_FreeSurface(target);
}

void RenderCore::AddTriangles(SDL_Texture* texture, const SDL_Vertex* vertices, size_t count) {
  if (texture != pendingTexture) {
    Flush();
    pendingTexture = texture;
  }
  for (size_t first = 0; first < count; first += 3) {
    pending.insert(pending.end(), vertices + first, vertices + first + 3);
    if (texture && pending.size() >= 6 && IsQuarterTurnedRectangle(&pending[pending.size() - 6])) {
      SDL_Vertex pair[6];
      std::copy(pending.end() - 6, pending.end(), pair);
      pending.resize(pending.size() - 6);
      SplitAboutCentre(pair, pending);
    }
  }
}

void RenderCore::Flush() {
  if (!pending.empty()) {
    SDL_RenderGeometry(renderer, pendingTexture, pending.data(), static_cast<int>(pending.size()),
                       nullptr, 0);
    pending.clear();
  }
  pendingTexture = nullptr;
}

TextureHandle::~TextureHandle() {
  std::shared_ptr<RenderCore> alive = core.lock();
  if (!alive || !texture) return;
  if (alive->pendingTexture == texture) alive->Flush();
  SDL_DestroyTexture(texture);
}

std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const uint32_t* pixels) {
  if (!core || !core->renderer || width <= 0 || height <= 0) return nullptr;
  SDL_Texture* texture = SDL_CreateTexture(core->renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STATIC, width, height);
  if (!texture) return nullptr;
  auto handle = std::make_shared<TextureHandle>();
  handle->texture = texture;
  handle->core = core;
  handle->width = width;
  handle->height = height;
  if (pixels) SDL_UpdateTexture(texture, nullptr, pixels, width * static_cast<int>(sizeof(uint32_t)));
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return handle;
}

std::shared_ptr<RenderCore> CoreOf(Renderer& renderer) { return renderer.Internals().core; }

DeviceTexture::DeviceTexture(std::shared_ptr<TextureHandle> handle) : handle_(std::move(handle)) {}

DeviceTexture::~DeviceTexture() = default;

int DeviceTexture::Width() const { return handle_ ? handle_->width : 0; }

int DeviceTexture::Height() const { return handle_ ? handle_->height : 0; }

namespace {

using Impl = Renderer::Impl;

SDL_Vertex Convert(const Impl& impl, const WorldVertex& v, uint8_t& behind) {
  const auto& m = impl.combined.m;
  float x = v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0] + m[3][0];
  float y = v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1] + m[3][1];
  float z = v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2] + m[3][2];
  float w = v.x * m[0][3] + v.y * m[1][3] + v.z * m[2][3] + m[3][3];
  behind = (z < 0.0f || w <= 0.0f) ? 1 : 0;
  float inverseW = w != 0.0f ? 1.0f / w : 0.0f;
  float sx = static_cast<float>(impl.width) * (1.0f + x * inverseW) * 0.5f + PixelCentreOffset;
  float sy = static_cast<float>(impl.height) * (1.0f - y * inverseW) * 0.5f + PixelCentreOffset;
  return {{sx, sy}, ToSdlColor(v.color), {v.u, v.v}};
}

SDL_Vertex Convert(const Impl& impl, const WorldLineVertex& v, uint8_t& behind) {
  return Convert(impl, WorldVertex{v.x, v.y, v.z, v.color, 0.0f, 0.0f}, behind);
}

SDL_Vertex Convert(const Impl&, const ScreenVertex& v, uint8_t& behind) {
  behind = 0;
  return {{v.x + PixelCentreOffset, v.y + PixelCentreOffset}, ToSdlColor(v.color), {v.u, v.v}};
}

SDL_Vertex Convert(const Impl&, const ScreenLineVertex& v, uint8_t& behind) {
  behind = 0;
  return {{v.x + PixelCentreOffset, v.y + PixelCentreOffset}, ToSdlColor(v.color), {0.0f, 0.0f}};
}

size_t VertexCount(PrimitiveKind kind, int primitiveCount) {
  size_t n = static_cast<size_t>(primitiveCount);
  switch (kind) {
    case PrimitiveKind::TriangleFan: return n + 2;
    case PrimitiveKind::TriangleList: return 3 * n;
    case PrimitiveKind::LineList: return 2 * n;
    case PrimitiveKind::LineStrip: return n + 1;
  }
  return 0;
}

bool InsideGuardBand(const Impl& impl, const SDL_Vertex& v) {
  return v.position.x >= -GuardBand && v.position.y >= -GuardBand &&
         v.position.x <= static_cast<float>(impl.width) + GuardBand &&
         v.position.y <= static_cast<float>(impl.height) + GuardBand;
}

void EmitTriangle(Impl& impl, const SDL_Vertex& a, const SDL_Vertex& b, const SDL_Vertex& c) {
  if (InsideGuardBand(impl, a) && InsideGuardBand(impl, b) && InsideGuardBand(impl, c)) {
    const SDL_Vertex triangle[3] = {a, b, c};
    impl.core->AddTriangles(impl.texture, triangle, 3);
    return;
  }
  std::array<ClipVertex, MaxClippedVertices> first{ToClip(a), ToClip(b), ToClip(c)};
  std::array<ClipVertex, MaxClippedVertices> second{};
  const float right = static_cast<float>(impl.width) + GuardBand;
  const float bottom = static_cast<float>(impl.height) + GuardBand;
  size_t count = 3;
  count = ClipAgainst(first.data(), count, second.data(), true, -GuardBand, -1.0f);
  count = ClipAgainst(second.data(), count, first.data(), true, right, 1.0f);
  count = ClipAgainst(first.data(), count, second.data(), false, -GuardBand, -1.0f);
  count = ClipAgainst(second.data(), count, first.data(), false, bottom, 1.0f);
  for (size_t i = 1; i + 1 < count; ++i) {
    const SDL_Vertex triangle[3] = {FromClip(first[0]), FromClip(first[i]), FromClip(first[i + 1])};
    impl.core->AddTriangles(impl.texture, triangle, 3);
  }
}

void EmitLine(Impl& impl, const SDL_Vertex& a, const SDL_Vertex& b) {
  SDL_Renderer* renderer = impl.core->renderer;
  SDL_SetRenderDrawColor(renderer, a.color.r, a.color.g, a.color.b, a.color.a);
  SDL_RenderDrawLineF(renderer, a.position.x, a.position.y, b.position.x, b.position.y);
}

template <typename Vertex>
void DrawVertices(Impl& impl, PrimitiveKind kind, const Vertex* vertices, int primitiveCount) {
  if (!vertices || primitiveCount <= 0 || !impl.core->renderer) return;
  const size_t count = VertexCount(kind, primitiveCount);
  impl.converted.resize(count);
  impl.behindNearPlane.resize(count);
  for (size_t i = 0; i < count; ++i) {
    impl.converted[i] = Convert(impl, vertices[i], impl.behindNearPlane[i]);
  }
  const std::vector<SDL_Vertex>& v = impl.converted;
  const std::vector<uint8_t>& behind = impl.behindNearPlane;
  const size_t n = static_cast<size_t>(primitiveCount);
  switch (kind) {
    case PrimitiveKind::TriangleFan:
      for (size_t i = 0; i < n; ++i) {
        if (behind[0] | behind[i + 1] | behind[i + 2]) continue;
        EmitTriangle(impl, v[0], v[i + 1], v[i + 2]);
      }
      break;
    case PrimitiveKind::TriangleList:
      for (size_t i = 0; i < n; ++i) {
        if (behind[3 * i] | behind[3 * i + 1] | behind[3 * i + 2]) continue;
        EmitTriangle(impl, v[3 * i], v[3 * i + 1], v[3 * i + 2]);
      }
      break;
    case PrimitiveKind::LineList:
    case PrimitiveKind::LineStrip: {
      impl.core->Flush();
      const size_t step = kind == PrimitiveKind::LineList ? 2 : 1;
      for (size_t i = 0; i < n; ++i) {
        size_t first = i * step;
        if (behind[first] | behind[first + 1]) continue;
        EmitLine(impl, v[first], v[first + 1]);
      }
      break;
    }
  }
}

}  // namespace

Renderer::Renderer(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Renderer::~Renderer() = default;

std::unique_ptr<Renderer> Renderer::CreateOffscreen(int width, int height, bool presentWaits) {
  auto impl = std::make_unique<Impl>();
  impl->width = width;
  impl->height = height;
  impl->presentWaits = presentWaits;
  RenderCore& core = *impl->core;
  core.target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!core.target) return nullptr;
  core.renderer = SDL_CreateSoftwareRenderer(core.target);
  if (!core.renderer) return nullptr;
  SDL_SetRenderDrawBlendMode(core.renderer, SDL_BLENDMODE_BLEND);
  return std::make_unique<Renderer>(std::move(impl));
}

std::unique_ptr<Renderer> CreateWindowRenderer(SDL_Window* window, int width, int height) {
  auto impl = std::make_unique<Renderer::Impl>();
  impl->width = width;
  impl->height = height;
  RenderCore& core = *impl->core;
  core.renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!core.renderer) core.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!core.renderer) return nullptr;
  // Asking is not getting: the driver reports whether vsync was granted.
  SDL_RendererInfo info;
  impl->presentWaits = SDL_GetRendererInfo(core.renderer, &info) == 0 &&
                       (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  SDL_RenderSetLogicalSize(core.renderer, width, height);
  SDL_SetRenderDrawBlendMode(core.renderer, SDL_BLENDMODE_BLEND);
  return std::make_unique<Renderer>(std::move(impl));
}

int Renderer::Width() const { return impl_->width; }
int Renderer::Height() const { return impl_->height; }
bool Renderer::Offscreen() const { return impl_->core->target != nullptr; }
bool Renderer::PresentWaitsForDisplay() const { return impl_->presentWaits; }

Viewport Renderer::GetViewport() const {
  return {0, 0, static_cast<uint32_t>(impl_->width), static_cast<uint32_t>(impl_->height), 0.0f,
          1.0f};
}

void Renderer::Clear(uint32_t argb) {
  RenderCore& core = *impl_->core;
  // Whatever waits to be drawn would be covered anyway.
  core.pending.clear();
  core.pendingTexture = nullptr;
  SDL_SetRenderDrawColor(core.renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF,
                         (argb >> 24) & 0xFF);
  SDL_RenderClear(core.renderer);
}

void Renderer::BeginScene() {}

void Renderer::EndScene() {
  impl_->core->Flush();
  SDL_RenderFlush(impl_->core->renderer);
}

void Renderer::Present() {
  impl_->core->Flush();
  if (!impl_->core->target) SDL_RenderPresent(impl_->core->renderer);
}

void Renderer::SetTransform(TransformKind kind, const Matrix4& matrix) {
  switch (kind) {
    case TransformKind::World: impl_->world = matrix; break;
    case TransformKind::View: impl_->view = matrix; break;
    case TransformKind::Projection: impl_->projection = matrix; break;
  }
  impl_->combined = impl_->world * impl_->view * impl_->projection;
}

const Matrix4& Renderer::GetTransform(TransformKind kind) const {
  switch (kind) {
    case TransformKind::View: return impl_->view;
    case TransformKind::Projection: return impl_->projection;
    case TransformKind::World: break;
  }
  return impl_->world;
}

void Renderer::SetTexture(const DeviceTexture* texture) {
  impl_->textureHandle = texture ? texture->Handle() : nullptr;
  impl_->texture = impl_->textureHandle ? impl_->textureHandle->texture : nullptr;
}

void Renderer::Draw(PrimitiveKind kind, const WorldVertex* vertices, int primitiveCount) {
  DrawVertices(*impl_, kind, vertices, primitiveCount);
}

void Renderer::Draw(PrimitiveKind kind, const ScreenVertex* vertices, int primitiveCount) {
  DrawVertices(*impl_, kind, vertices, primitiveCount);
}

void Renderer::Draw(PrimitiveKind kind, const WorldLineVertex* vertices, int primitiveCount) {
  DrawVertices(*impl_, kind, vertices, primitiveCount);
}

void Renderer::Draw(PrimitiveKind kind, const ScreenLineVertex* vertices, int primitiveCount) {
  DrawVertices(*impl_, kind, vertices, primitiveCount);
}

std::unique_ptr<DeviceTexture> Renderer::CreateTexture(const Image& image) {
  if (image.pixels.size() != static_cast<size_t>(image.width) * image.height) return nullptr;
  auto handle = CreateTextureHandle(impl_->core, image.width, image.height, image.pixels.data());
  if (!handle) return nullptr;
  return std::make_unique<DeviceTexture>(std::move(handle));
}

uint32_t Renderer::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) return 0;
  impl_->core->Flush();
  SDL_RenderFlush(impl_->core->renderer);
  SDL_Rect rect{x, y, 1, 1};
  uint32_t pixel = 0;
  SDL_RenderReadPixels(impl_->core->renderer, &rect, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  return pixel;
}

bool Renderer::SaveFramePng(const std::string& path) const {
  impl_->core->Flush();
  SDL_RenderFlush(impl_->core->renderer);
  std::vector<uint32_t> pixels(static_cast<size_t>(impl_->width) * impl_->height);
  if (SDL_RenderReadPixels(impl_->core->renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                           impl_->width * 4) != 0) {
    return false;
  }
  // The frame is saved as seen: opaque, whatever alpha the clear left behind.
  for (uint32_t& pixel : pixels) pixel |= 0xFF000000u;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), impl_->width, impl_->height, 32, impl_->width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return false;
  SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
  bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

}  // namespace platform
