#include "editor/OutlineGeometry.h"

#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"

using platform::Vector3;

namespace {

void CopyTurnAndFlips(Shape& destination, const Shape& source) {
  destination.SetRotation(NormalizeAngle(source.rotation));
  if (destination.flipHorizontal != source.flipHorizontal) {
    destination.flipHorizontal = source.flipHorizontal;
    destination.dirty = 1;
  }
  if (destination.flipVertical != source.flipVertical) {
    destination.flipVertical = source.flipVertical;
    destination.dirty = 1;
  }
}

void CopyPlace(Shape& destination, const Shape& source) {
  destination.SetPosition(source.position);
  destination.SetAltPosition(source.altPosition);
}

// The world point in the plane z = depth that shows where the point does.
Vector3 SamePlaceAtDepth(const Vector3& point, float depth) {
  const Vector3 screen = WorldToScreen(point.x, point.y, point.z);
  return ScreenToWorld(depth, screen.x, screen.y);
}

float FactorFor(float extent, float unscaled, float current) {
  return unscaled == 0.0f ? current : extent / unscaled;
}

}  // namespace

void CopyQuadGeometry(Quad& destination, const Quad& source) {
  CopyPlace(destination, source);
  destination.SetDimensions(source.width, source.height, source.depth);
  CopyTurnAndFlips(destination, source);
}

void CopyCircleGeometry(Circle& destination, const Circle& source) {
  CopyPlace(destination, source);
  destination.SetRadius(source.radius);
  CopyTurnAndFlips(destination, source);
}

void FitOutlineToSprite(Quad& outline, const Sprite& sprite) {
  outline.SetPosition(SamePlaceAtDepth(sprite.position, 0.0f));
  outline.SetAltPosition(sprite.altPosition);
  const Vector3 size = sprite.GetScaledSize();
  outline.SetDimensions(size.x, size.y, 0.0f);
  CopyTurnAndFlips(outline, sprite);
}

void ApplyOutlineToSprite(Sprite& sprite, const Quad& outline) {
  sprite.SetPosition(SamePlaceAtDepth(outline.position, sprite.position.z));
  sprite.SetAltPosition(outline.altPosition);
  const Vector3 size = sprite.GetSize();
  sprite.SetScale(FactorFor(outline.width, size.x, sprite.scale.x),
                  FactorFor(outline.height, size.y, sprite.scale.y));
  CopyTurnAndFlips(sprite, outline);
}
