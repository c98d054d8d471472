#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Matrix.h"
#include "platform/Vertex.h"

namespace platform {

class DeviceTexture;
class Renderer;
struct RenderCore;
struct TextureHandle;

// Draws pictures in screen pixels through a 2D transform. What is drawn between Begin and
// End is recorded and drawn at End, in order; outside a Begin it is drawn at once. A record
// keeps its texture alive until it is drawn. Pictures wholly outside the frame or fully
// transparent are left out at once.
class SpriteBatch {
 public:
  explicit SpriteBatch(Renderer& renderer);
  explicit SpriteBatch(std::weak_ptr<RenderCore> core);
  ~SpriteBatch();
  SpriteBatch(const SpriteBatch&) = delete;
  SpriteBatch& operator=(const SpriteBatch&) = delete;

  void Begin();
  void End();
  bool Begun() const { return begun_; }

  void SetTransform(const Matrix4& transform) { transform_ = transform; }
  const Matrix4& GetTransform() const { return transform_; }

  // The source rectangle (the whole texture when null) with its centre point (the top-left
  // corner when null) at position (the origin when null), then through the transform. The
  // texture's colours are multiplied by color. A missing texture draws nothing. Through a
  // transform that scales both axes alike, by a scale the texture has a picture made for, the
  // rectangle is copied from that picture pixel for pixel, its corner on the whole pixel
  // nearest to where the transform takes it.
  void Draw(const DeviceTexture* texture, const PixelRect* source, const Vector3* center,
            const Vector3* position, uint32_t color);
  // The same for a texture of the layer's own (the text fonts' glyphs), with the rectangle's
  // top-left corner at (x, y) before the transform.
  void DrawRegion(const std::shared_ptr<TextureHandle>& texture, const PixelRect& source, float x,
                  float y, uint32_t color);

 private:
  struct Record;

  // The source rectangle's top-left corner at (x, y) before the given transform.
  void DrawRegion(const std::shared_ptr<TextureHandle>& texture, const PixelRect& source, float x,
                  float y, uint32_t color, const Matrix4& through);
  // The picture the texture has for the transform's scale, or null.
  const DeviceTexture* SizedPictureFor(const DeviceTexture& texture) const;
  // Wholly outside the frame: it would cover no pixel.
  bool MissesFrame(const Record& record) const;
  void Submit(const Record& record) const;

  std::weak_ptr<RenderCore> core_;
  Matrix4 transform_ = Matrix4::Identity();
  bool begun_ = false;
  std::vector<Record> records_;
};

}  // namespace platform
