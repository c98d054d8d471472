#include "platform/Renderer.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/DecodedPicture.h"
#include "platform/Image.h"
#include "platform/PictureDecoder.h"
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
// Kept stretches of pictures take at most this many pixels (24 MB) between them: more than the
// busiest map shows at once.
constexpr size_t MaxStretchedPixels = 6u << 20;
// SDL scales nothing larger than this on a side.
constexpr int MaxStretchSide = 65535;
constexpr uint32_t AlphaMask = 0xFF000000u;

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

// SDL's software renderer reads two triangles sharing two vertices as a rectangle when they
// form an axis-aligned one of one colour, and copies the source rectangle instead. This follows
// that reading step by step for a pair (v[0..2], v[3..5]) that starts a batch, so that copying
// it ourselves gives the same pixels on that renderer (and spares it the reading). False when
// SDL would not copy (it would draw triangles, or fill an empty source with the colour).
bool ReadAsCopy(const SDL_Vertex* v, int textureWidth, int textureHeight, SDL_Rect& source,
                SDL_FRect& target) {
  auto same = [](const SDL_Vertex& a, const SDL_Vertex& b) {
    return a.position.x == b.position.x && a.position.y == b.position.y &&
           a.tex_coord.x == b.tex_coord.x && a.tex_coord.y == b.tex_coord.y &&
           std::memcmp(&a.color, &b.color, sizeof a.color) == 0;
  };
  int k[3];
  for (int i = 0; i < 3; ++i) {
    k[i] = 3 + i;
    for (int p = 0; p < 3; ++p) {
      if (same(v[p], v[3 + i])) {
        k[i] = p;
        break;
      }
    }
  }
  int shared = 0;
  for (int p = 0; p < 3; ++p) shared += (p == k[0] || p == k[1] || p == k[2]) ? 1 : 0;
  if (shared != 2) return false;
  auto x = [&](int i) { return v[i].position.x; };
  auto y = [&](int i) { return v[i].position.y; };
  const int a = (x(k[0]) <= x(k[1]) && y(k[0]) <= y(k[1]))
                    ? ((x(k[0]) <= x(k[2]) && y(k[0]) <= y(k[2])) ? k[0] : k[2])
                    : ((x(k[1]) <= x(k[2]) && y(k[1]) <= y(k[2])) ? k[1] : k[2]);
  const int b = (x(k[0]) >= x(k[1]) && y(k[0]) >= y(k[1]))
                    ? ((x(k[0]) >= x(k[2]) && y(k[0]) >= y(k[2])) ? k[0] : k[2])
                    : ((x(k[1]) >= x(k[2]) && y(k[1]) >= y(k[2])) ? k[1] : k[2]);
  const int c = (k[0] != a && k[0] != b) ? k[0] : (k[1] != a && k[1] != b) ? k[1] : k[2];
  const int c2 = (0 != a && 0 != b) ? 0 : (1 != a && 1 != b) ? 1 : 2;
  auto corner = [&](int third) {
    return (x(a) == x(third) && y(b) == y(third)) || (y(a) == y(third) && x(b) == x(third));
  };
  if (!corner(c) || !corner(c2)) return false;
  for (int i : {b, c, c2}) {
    if (std::memcmp(&v[i].color, &v[a].color, sizeof v[a].color) != 0) return false;
  }
  source.x = static_cast<int>(v[a].tex_coord.x * textureWidth);
  source.y = static_cast<int>(v[a].tex_coord.y * textureHeight);
  source.w = static_cast<int>(v[b].tex_coord.x * textureWidth - source.x);
  source.h = static_cast<int>(v[b].tex_coord.y * textureHeight - source.y);
  target = {x(a), y(a), x(b) - x(a), y(b) - y(a)};
  return source.w != 0 && source.h != 0;
}

// x / 255 for x up to 255 * 255, without a division, so that rows of pixels vectorise.
constexpr uint32_t DivideBy255(uint32_t x) { return (x + 1 + (x >> 8)) >> 8; }

// A row of ARGB pixels copied over another in the colour, as SDL's general blitter copies:
// each channel scaled by the colour (a full channel leaves it as it is), then, when blending,
// weighted by the source's alpha and laid over the destination. SDL passes over the weighting
// of an opaque source and the whole of a transparent one; the arithmetic gives the same pixels
// for both, so no pixel takes a branch.
template <bool Blend>
[[gnu::always_inline]] inline void TintRow(const uint32_t* from, uint32_t* to, int count,
                                           SDL_Color color) {
  constexpr uint32_t Full = 255;
  for (int i = 0; i < count; ++i) {
    const uint32_t s = from[i];
    uint32_t a = DivideBy255((s >> 24) * color.a);
    uint32_t r = DivideBy255((s >> 16 & Full) * color.r);
    uint32_t g = DivideBy255((s >> 8 & Full) * color.g);
    uint32_t b = DivideBy255((s & Full) * color.b);
    if constexpr (Blend) {
      const uint32_t d = to[i];
      const uint32_t rest = Full - a;
      r = DivideBy255(r * a) + DivideBy255(rest * (d >> 16 & Full));
      g = DivideBy255(g * a) + DivideBy255(rest * (d >> 8 & Full));
      b = DivideBy255(b * a) + DivideBy255(rest * (d & Full));
      a += DivideBy255(rest * (d >> 24));
    }
    to[i] = a << 24 | r << 16 | g << 8 | b;
  }
}

// Each made twice: twice as many pixels a step where the processor has the wider vectors.
[[gnu::target_clones("avx2", "default")]] void BlendTintedRow(const uint32_t* from,
                                                              uint32_t* to, int count,
                                                              SDL_Color color) {
  TintRow<true>(from, to, count, color);
}

[[gnu::target_clones("avx2", "default")]] void CopyTintedRow(const uint32_t* from, uint32_t* to,
                                                             int count, SDL_Color color) {
  TintRow<false>(from, to, count, color);
}

// The target texture's pixels moved to a texture whose pixels can be read, while it is the
// renderer's target, with the ink of each row; the target texture itself when that fails.
SDL_Texture* Readable(SDL_Renderer* renderer, SDL_Texture* drawn, int width, int height,
                      std::vector<RenderCore::RowInk>& ink) {
  SDL_Texture* readable = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                            SDL_TEXTUREACCESS_STREAMING, width, height);
  void* pixels = nullptr;
  int pitch = 0;
  if (!readable || SDL_LockTexture(readable, nullptr, &pixels, &pitch) != 0) {
    if (readable) SDL_DestroyTexture(readable);
    return drawn;
  }
  const bool read =
      SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels, pitch) == 0;
  if (read) {
    ink.resize(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(pixels) +
                                                          static_cast<ptrdiff_t>(y) * pitch);
      int first = 0;
      int end = width;
      while (first < end && (row[first] & AlphaMask) == 0) ++first;
      while (end > first && (row[end - 1] & AlphaMask) == 0) --end;
      ink[static_cast<size_t>(y)] = {first, end};
    }
  }
  SDL_UnlockTexture(readable);
  if (!read) {
    SDL_DestroyTexture(readable);
    return drawn;
  }
  SDL_DestroyTexture(drawn);
  return readable;
}

}  // namespace

SDL_Color ToSdlColor(uint32_t argb) {
  return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
          static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
}

RenderCore::~RenderCore() {
  for (auto& [key, stretch] : stretches) SDL_DestroyTexture(stretch.texture);
  if (renderer) SDL_DestroyRenderer(renderer);
  if (target) SDL_FreeSurface(target);
}

void RenderCore::AddTriangles(SDL_Texture* texture, bool opaque, const SDL_Vertex* vertices,
                              size_t count) {
  if (texture != pendingTexture || opaque != pendingOpaque) {
    Flush();
    pendingTexture = texture;
    pendingOpaque = opaque;
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

void RenderCore::AddRectangle(const TextureHandle& texture, bool opaque,
                              const SDL_Vertex (&corners)[4]) {
  const SDL_Vertex* c = corners;
  const SDL_Vertex triangles[6] = {c[0], c[1], c[2], c[0], c[2], c[3]};
  SDL_Rect source;
  SDL_FRect target;
  if (IsQuarterTurnedRectangle(triangles) ||
      !ReadAsCopy(triangles, texture.width, texture.height, source, target)) {
    AddTriangles(texture.texture, opaque, triangles, 6);
    return;
  }
  Flush();
  SDL_Texture* t = texture.texture;
  // The size SDL's software renderer copies at.
  const int width = static_cast<int>(target.w);
  const int height = static_cast<int>(target.h);
  const Stretch* stretched = nullptr;
  if (keepsStretches && texture.fixedPixels && source.w > 0 && source.h > 0 &&
      (width != source.w || height != source.h) && width > 0 && height > 0 &&
      width <= MaxStretchSide && height <= MaxStretchSide && source.x >= 0 && source.y >= 0 &&
      source.x + source.w <= texture.width && source.y + source.h <= texture.height) {
    stretched = Stretched(t, source, width, height);
  }
  if (stretched) t = stretched->texture;
  SDL_SetTextureBlendMode(t, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  SDL_SetTextureColorMod(t, c[0].color.r, c[0].color.g, c[0].color.b);
  SDL_SetTextureAlphaMod(t, c[0].color.a);
  if (stretched) {
    const SDL_FRect plain{target.x, target.y, static_cast<float>(width),
                          static_cast<float>(height)};
    if (!CopyTinted(t, {0, 0, width, height}, plain, c[0].color, opaque, &stretched->ink)) {
      SDL_RenderCopyF(renderer, t, nullptr, &plain);
    }
  } else if (source.w > 0 && source.h > 0) {
    const bool unscaled = source.w == width && source.h == height;
    if (!unscaled || !CopyTinted(t, source, target, c[0].color, opaque)) {
      SDL_RenderCopyF(renderer, t, &source, &target);
    }
  } else {
    int flip = SDL_FLIP_NONE;
    if (source.w < 0) {
      flip |= SDL_FLIP_HORIZONTAL;
      source.w = -source.w;
      source.x -= source.w;
    }
    if (source.h < 0) {
      flip |= SDL_FLIP_VERTICAL;
      source.h = -source.h;
      source.y -= source.h;
    }
    SDL_RenderCopyExF(renderer, t, &source, &target, 0.0, nullptr,
                      static_cast<SDL_RendererFlip>(flip));
  }
  // Triangles take their colour from their vertices alone.
  SDL_SetTextureColorMod(t, 0xFF, 0xFF, 0xFF);
  SDL_SetTextureAlphaMod(t, 0xFF);
}

void RenderCore::Flush() {
  if (!pending.empty()) {
    const SDL_BlendMode mode = pendingOpaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
    if (pendingTexture) {
      SDL_SetTextureBlendMode(pendingTexture, mode);
    } else {
      SDL_SetRenderDrawBlendMode(renderer, mode);
    }
    SDL_RenderGeometry(renderer, pendingTexture, pending.data(), static_cast<int>(pending.size()),
                       nullptr, 0);
    if (!pendingTexture) SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    pending.clear();
  }
  pendingTexture = nullptr;
  pendingOpaque = false;
}

void RenderCore::TakeDecodedPictures() {
  std::erase_if(undecided, [](const std::weak_ptr<TextureSlot>& weak) {
    std::shared_ptr<TextureSlot> slot = weak.lock();
    if (!slot || !slot->picture) return true;
    if (!slot->picture->Ready()) return false;
    slot->Decide();
    return true;
  });
}

TextureHandle::~TextureHandle() {
  std::shared_ptr<RenderCore> alive = core.lock();
  if (!alive || !texture) return;
  if (alive->pendingTexture == texture) alive->Flush();
  alive->ForgetStretches(texture);
  SDL_DestroyTexture(texture);
}

const RenderCore::Stretch* RenderCore::Stretched(SDL_Texture* source, const SDL_Rect& rect,
                                                 int width, int height) {
  const StretchKey key{source, rect.x, rect.y, rect.w, rect.h, width, height};
  auto found = stretches.find(key);
  if (found != stretches.end()) {
    found->second.lastUse = ++copies;
    return &found->second;
  }
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (pixels > MaxStretchedPixels) return nullptr;
  while (stretchedPixels + pixels > MaxStretchedPixels) {
    auto oldest = std::min_element(stretches.begin(), stretches.end(), [](const auto& a, const auto& b) {
      return a.second.lastUse < b.second.lastUse;
    });
    stretchedPixels -= static_cast<size_t>(oldest->first.width) * oldest->first.height;
    SDL_DestroyTexture(oldest->second.texture);
    stretches.erase(oldest);
  }
  SDL_Texture* stretched = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_TARGET, width, height);
  if (!stretched) return nullptr;
  // Stretched as SDL stretches into its scratch surface: no blending, no colour.
  SDL_Texture* previousTarget = SDL_GetRenderTarget(renderer);
  SDL_SetRenderTarget(renderer, stretched);
  SDL_SetTextureBlendMode(source, SDL_BLENDMODE_NONE);
  SDL_SetTextureColorMod(source, 0xFF, 0xFF, 0xFF);
  SDL_SetTextureAlphaMod(source, 0xFF);
  SDL_RenderCopy(renderer, source, &rect, nullptr);
  SDL_RenderFlush(renderer);
  std::vector<RowInk> ink;
  if (target) stretched = Readable(renderer, stretched, width, height, ink);
  SDL_SetRenderTarget(renderer, previousTarget);
  stretchedPixels += pixels;
  return &stretches.emplace(key, Stretch{stretched, ++copies, std::move(ink)}).first->second;
}

bool RenderCore::CopyTinted(SDL_Texture* texture, const SDL_Rect& source, const SDL_FRect& place,
                            SDL_Color color, bool opaque, const std::vector<RowInk>* ink) {
  if ((color.r & color.g & color.b & color.a) == 0xFF || !target ||
      SDL_GetRenderTarget(renderer)) {
    return false;
  }
  int access = 0;
  if (SDL_QueryTexture(texture, nullptr, &access, nullptr, nullptr) != 0 ||
      access != SDL_TEXTUREACCESS_STREAMING) {
    return false;
  }
  // SDL places a copy at the whole pixel its corner truncates to, then clips it to the frame.
  const int x = static_cast<int>(place.x);
  const int y = static_cast<int>(place.y);
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + source.w, target->w);
  const int bottom = std::min(y + source.h, target->h);
  if (left >= right || top >= bottom) return true;
  const SDL_Rect area{source.x + left - x, source.y + top - y, right - left, bottom - top};
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture, &area, &pixels, &pitch) != 0) return false;
  SDL_RenderFlush(renderer);
  const bool blend = !opaque;
  for (int row = 0; row < area.h; ++row) {
    const auto* from = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(pixels) +
                                                         static_cast<ptrdiff_t>(row) * pitch);
    auto* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target->pixels) +
                                           static_cast<ptrdiff_t>(top + row) * target->pitch) +
               left;
    // Blending leaves the frame as it is under a transparent pixel.
    int first = 0;
    int end = area.w;
    if (blend && ink && !ink->empty()) {
      const RowInk& inked = (*ink)[static_cast<size_t>(area.y + row)];
      first = std::max(inked.first - area.x, 0);
      end = std::min(inked.end - area.x, area.w);
    }
    if (first >= end) continue;
    if (blend) {
      BlendTintedRow(from + first, to + first, end - first, color);
    } else {
      CopyTintedRow(from, to, area.w, color);
    }
  }
  SDL_UnlockTexture(texture);
  return true;
}

void RenderCore::ForgetStretches(SDL_Texture* source) {
  std::erase_if(stretches, [this, source](const auto& entry) {
    if (entry.first.source != source) return false;
    stretchedPixels -= static_cast<size_t>(entry.first.width) * entry.first.height;
    SDL_DestroyTexture(entry.second.texture);
    return true;
  });
}

std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const void* pixels,
                                                   int pitch, bool opaque) {
  if (!core || !core->renderer || width <= 0 || height <= 0) return nullptr;
  // On the off-screen frame a texture's pixels stay readable for tinted copies.
  const int access = core->target ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC;
  SDL_Texture* texture =
      SDL_CreateTexture(core->renderer, SDL_PIXELFORMAT_ARGB8888, access, width, height);
  if (!texture) return nullptr;
  auto handle = std::make_shared<TextureHandle>();
  handle->texture = texture;
  handle->core = core;
  handle->width = width;
  handle->height = height;
  handle->opaque = opaque;
  if (pixels) SDL_UpdateTexture(texture, nullptr, pixels, pitch);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return handle;
}

std::shared_ptr<TextureHandle> CreateTextureHandle(const std::shared_ptr<RenderCore>& core,
                                                   int width, int height, const uint32_t* pixels) {
  return CreateTextureHandle(core, width, height, pixels,
                             width * static_cast<int>(sizeof(uint32_t)), false);
}

void TextureSlot::Decide() {
  if (!picture) return;
  std::unique_ptr<DecodedPicture> decoded = picture->Take();
  picture.reset();
  if (!decoded) return;
  const SDL_Surface& pixels = *decoded->pixels;
  handle = CreateTextureHandle(core.lock(), pixels.w, pixels.h, pixels.pixels, pixels.pitch,
                               decoded->opaque);
  if (handle) handle->fixedPixels = true;
}

std::shared_ptr<RenderCore> CoreOf(Renderer& renderer) { return renderer.Internals().core; }

DeviceTexture::DeviceTexture(std::shared_ptr<TextureSlot> slot) : slot_(std::move(slot)) {}

DeviceTexture::~DeviceTexture() = default;

const std::shared_ptr<TextureHandle>& DeviceTexture::Handle() const {
  slot_->Decide();
  return slot_->handle;
}

int DeviceTexture::Width() const { return Handle() ? Handle()->width : 0; }

int DeviceTexture::Height() const { return Handle() ? Handle()->height : 0; }

void DeviceTexture::AddSizedPicture(float scale, std::unique_ptr<DeviceTexture> picture) {
  if (picture) sizedPictures_.emplace_back(scale, std::move(picture));
}

const DeviceTexture* DeviceTexture::SizedPicture(float scale) const {
  for (const auto& [made, picture] : sizedPictures_) {
    if (made == scale) return picture.get();
  }
  return nullptr;
}

int SizedPixel(float coordinate) { return static_cast<int>(std::floor(coordinate + 0.5f)); }

PixelRect SizedRect(const PixelRect& rect, float scale) {
  auto at = [scale](int coordinate) { return SizedPixel(static_cast<float>(coordinate) * scale); };
  return {at(rect.left), at(rect.top), at(rect.right), at(rect.bottom)};
}

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

// Wholly beyond one edge of the frame: it covers no pixel.
bool OutsideFrame(const Impl& impl, const SDL_Vertex& a, const SDL_Vertex& b, const SDL_Vertex& c) {
  const float width = static_cast<float>(impl.width);
  const float height = static_cast<float>(impl.height);
  return (a.position.x < 0.0f && b.position.x < 0.0f && c.position.x < 0.0f) ||
         (a.position.y < 0.0f && b.position.y < 0.0f && c.position.y < 0.0f) ||
         (a.position.x > width && b.position.x > width && c.position.x > width) ||
         (a.position.y > height && b.position.y > height && c.position.y > height);
}

bool Opaque(const SDL_Vertex& v) { return v.color.a == 0xFF; }

void EmitTriangle(Impl& impl, const SDL_Vertex& a, const SDL_Vertex& b, const SDL_Vertex& c) {
  if (OutsideFrame(impl, a, b, c)) return;
  const bool opaque = (!impl.texture || impl.textureHandle->opaque) && Opaque(a) && Opaque(b) &&
                      Opaque(c);
  if (InsideGuardBand(impl, a) && InsideGuardBand(impl, b) && InsideGuardBand(impl, c)) {
    const SDL_Vertex triangle[3] = {a, b, c};
    impl.core->AddTriangles(impl.texture, opaque, triangle, 3);
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
    impl.core->AddTriangles(impl.texture, opaque, triangle, 3);
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
  bool visible = false;
  for (size_t i = 0; i < count; ++i) {
    impl.converted[i] = Convert(impl, vertices[i], impl.behindNearPlane[i]);
    visible |= impl.converted[i].color.a != 0;
  }
  // Blended at alpha 0 (the colour multiplies any texture's), nothing changes a pixel.
  if (!visible) return;
  const std::vector<SDL_Vertex>& v = impl.converted;
  const std::vector<uint8_t>& behind = impl.behindNearPlane;
  const size_t n = static_cast<size_t>(primitiveCount);
  switch (kind) {
    case PrimitiveKind::TriangleFan:
      // A textured quad may be drawn as a copy of its source rectangle.
      if (n == 2 && impl.texture && !(behind[0] | behind[1] | behind[2] | behind[3]) &&
          std::all_of(v.begin(), v.begin() + 4,
                      [&impl](const SDL_Vertex& corner) { return InsideGuardBand(impl, corner); })) {
        if (OutsideFrame(impl, v[0], v[1], v[2]) && OutsideFrame(impl, v[0], v[2], v[3])) break;
        const SDL_Vertex corners[4] = {v[0], v[1], v[2], v[3]};
        const bool opaque = impl.textureHandle->opaque && Opaque(v[0]) && Opaque(v[1]) &&
                            Opaque(v[2]) && Opaque(v[3]);
        impl.core->AddRectangle(*impl.textureHandle, opaque, corners);
        break;
      }
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
  core.width = width;
  core.height = height;
  core.target = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!core.target) return nullptr;
  core.renderer = SDL_CreateSoftwareRenderer(core.target);
  if (!core.renderer) return nullptr;
  core.keepsStretches = true;
  SDL_SetRenderDrawBlendMode(core.renderer, SDL_BLENDMODE_BLEND);
  return std::make_unique<Renderer>(std::move(impl));
}

std::unique_ptr<Renderer> CreateWindowRenderer(SDL_Window* window, int width, int height) {
  auto impl = std::make_unique<Renderer::Impl>();
  impl->width = width;
  impl->height = height;
  RenderCore& core = *impl->core;
  core.width = width;
  core.height = height;
  core.renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!core.renderer) core.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!core.renderer) return nullptr;
  // Asking is not getting: the driver reports whether vsync was granted.
  SDL_RendererInfo info;
  const bool known = SDL_GetRendererInfo(core.renderer, &info) == 0;
  impl->presentWaits = known && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  // Only a software renderer stretches in software; keeping stretches would cost others memory.
  core.keepsStretches = known && (info.flags & SDL_RENDERER_SOFTWARE) != 0 &&
                        (info.flags & SDL_RENDERER_TARGETTEXTURE) != 0;
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
  core.pendingOpaque = false;
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
  impl_->core->TakeDecodedPictures();
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
  const bool opaque = std::all_of(image.pixels.begin(), image.pixels.end(),
                                  [](uint32_t pixel) { return pixel >> 24 == 0xFF; });
  auto slot = std::make_shared<TextureSlot>();
  slot->handle = CreateTextureHandle(impl_->core, image.width, image.height, image.pixels.data(),
                                     image.width * static_cast<int>(sizeof(uint32_t)), opaque);
  if (!slot->handle) return nullptr;
  slot->handle->fixedPixels = true;
  return std::make_unique<DeviceTexture>(std::move(slot));
}

std::unique_ptr<DeviceTexture> Renderer::CreateTexture(std::shared_ptr<PendingPicture> picture) {
  auto slot = std::make_shared<TextureSlot>();
  slot->picture = std::move(picture);
  slot->core = impl_->core;
  impl_->core->undecided.push_back(slot);
  return std::make_unique<DeviceTexture>(std::move(slot));
}

bool Renderer::DiscMissesView(const Vector3& center, float radius) const {
  float left = INFINITY, right = -INFINITY, top = INFINITY, bottom = -INFINITY;
  for (float dx : {-radius, radius}) {
    for (float dy : {-radius, radius}) {
      uint8_t behind = 0;
      const SDL_Vertex corner = Convert(
          *impl_, WorldVertex{center.x + dx, center.y + dy, center.z, 0, 0.0f, 0.0f}, behind);
      if (behind || !std::isfinite(corner.position.x) || !std::isfinite(corner.position.y)) {
        return false;
      }
      left = std::min(left, corner.position.x);
      right = std::max(right, corner.position.x);
      top = std::min(top, corner.position.y);
      bottom = std::max(bottom, corner.position.y);
    }
  }
  // A pixel of room for rounding: what is culled lies clearly outside.
  constexpr float Margin = 1.0f;
  return right < -Margin || bottom < -Margin || left > static_cast<float>(impl_->width) + Margin ||
         top > static_cast<float>(impl_->height) + Margin;
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

Image Renderer::ReadFrame() const {
  impl_->core->Flush();
  SDL_RenderFlush(impl_->core->renderer);
  Image frame{impl_->width, impl_->height,
              std::vector<uint32_t>(static_cast<size_t>(impl_->width) * impl_->height)};
  if (SDL_RenderReadPixels(impl_->core->renderer, nullptr, SDL_PIXELFORMAT_ARGB8888,
                           frame.pixels.data(), impl_->width * 4) != 0) {
    return {};
  }
  // Whatever alpha the clear left behind, the frame is seen opaque.
  for (uint32_t& pixel : frame.pixels) pixel |= 0xFF000000u;
  return frame;
}

bool Renderer::SaveFramePng(const std::string& path) const {
  return SaveImagePng(ReadFrame(), path);
}

}  // namespace platform
