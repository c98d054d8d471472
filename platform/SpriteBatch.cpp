#include "platform/SpriteBatch.h"

#include <algorithm>
#include <iterator>

#include "platform/RendererImpl.h"

namespace platform {

struct SpriteBatch::Record {
  std::shared_ptr<TextureHandle> texture;
  SDL_Vertex corners[4];
};

SpriteBatch::SpriteBatch(Renderer& renderer) : core_(CoreOf(renderer)) {}

SpriteBatch::SpriteBatch(std::weak_ptr<RenderCore> core) : core_(std::move(core)) {}

SpriteBatch::~SpriteBatch() = default;

void SpriteBatch::Begin() { begun_ = true; }

void SpriteBatch::End() {
  begun_ = false;
  for (const Record& record : records_) Submit(record);
  records_.clear();
}

void SpriteBatch::Draw(const DeviceTexture* texture, const PixelRect* source,
                       const Vector3* center, const Vector3* position, uint32_t color) {
  if (!texture || !texture->Handle()) return;
  const std::shared_ptr<TextureHandle>& handle = texture->Handle();
  PixelRect rect = source ? *source : PixelRect{0, 0, handle->width, handle->height};
  float x = position ? position->x : 0.0f;
  float y = position ? position->y : 0.0f;
  if (center) {
    x -= center->x;
    y -= center->y;
  }
  if (const DeviceTexture* sized = SizedPictureFor(*texture)) {
    const auto& m = transform_.m;
    const float scale = m[0][0];
    DrawRegion(sized->Handle(), SizedRect(rect, scale),
               static_cast<float>(SizedPixel(x * scale + m[3][0])),
               static_cast<float>(SizedPixel(y * scale + m[3][1])), color, Matrix4::Identity());
    return;
  }
  DrawRegion(handle, rect, x, y, color);
}

const DeviceTexture* SpriteBatch::SizedPictureFor(const DeviceTexture& texture) const {
  const auto& m = transform_.m;
  if (m[0][1] != 0.0f || m[1][0] != 0.0f || m[0][0] != m[1][1]) return nullptr;
  const DeviceTexture* sized = texture.SizedPicture(m[0][0]);
  return sized && sized->Handle() ? sized : nullptr;
}

void SpriteBatch::DrawRegion(const std::shared_ptr<TextureHandle>& texture,
                             const PixelRect& source, float x, float y, uint32_t color) {
  DrawRegion(texture, source, x, y, color, transform_);
}

void SpriteBatch::DrawRegion(const std::shared_ptr<TextureHandle>& texture,
                             const PixelRect& source, float x, float y, uint32_t color,
                             const Matrix4& through) {
  if (!texture || !texture->texture || texture->width <= 0 || texture->height <= 0) return;
  const float width = static_cast<float>(source.right - source.left);
  const float height = static_cast<float>(source.bottom - source.top);
  const float textureWidth = static_cast<float>(texture->width);
  const float textureHeight = static_cast<float>(texture->height);
  const float u0 = static_cast<float>(source.left) / textureWidth;
  const float v0 = static_cast<float>(source.top) / textureHeight;
  const float u1 = static_cast<float>(source.right) / textureWidth;
  const float v1 = static_cast<float>(source.bottom) / textureHeight;
  const SDL_Color tint = ToSdlColor(color);
  const auto& m = through.m;
  auto corner = [&](float cx, float cy, float u, float v) {
    return SDL_Vertex{{cx * m[0][0] + cy * m[1][0] + m[3][0], cx * m[0][1] + cy * m[1][1] + m[3][1]},
                      tint,
                      {u, v}};
  };
  Record record{texture,
                {corner(x, y, u0, v0), corner(x + width, y, u1, v0),
                 corner(x + width, y + height, u1, v1), corner(x, y + height, u0, v1)}};
  if (tint.a == 0 || MissesFrame(record)) return;
  if (begun_) {
    records_.push_back(std::move(record));
  } else {
    Submit(record);
  }
}

bool SpriteBatch::MissesFrame(const Record& record) const {
  std::shared_ptr<RenderCore> core = core_.lock();
  if (!core) return false;
  auto all = [&record](auto beyond) {
    return std::all_of(std::begin(record.corners), std::end(record.corners), beyond);
  };
  const float width = static_cast<float>(core->width);
  const float height = static_cast<float>(core->height);
  return all([](const SDL_Vertex& v) { return v.position.x < 0.0f; }) ||
         all([](const SDL_Vertex& v) { return v.position.y < 0.0f; }) ||
         all([width](const SDL_Vertex& v) { return v.position.x > width; }) ||
         all([height](const SDL_Vertex& v) { return v.position.y > height; });
}

void SpriteBatch::Submit(const Record& record) const {
  std::shared_ptr<RenderCore> core = core_.lock();
  if (!core || !core->renderer) return;
  const bool opaque = record.texture->opaque && record.corners[0].color.a == 0xFF;
  core->AddRectangle(*record.texture, opaque, record.corners);
}

}  // namespace platform
