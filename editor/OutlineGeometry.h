#pragma once

class Circle;
class Quad;
class Sprite;

// The editor drags a working copy of the selection, its outline, and hands the result back.
// These copy the geometry between the two: position, screen position, size, rotation (through
// NormalizeAngle) and the two flips.

// A flip that changes marks the destination for rebuilding.
void CopyQuadGeometry(Quad& destination, const Quad& source);
// The radius in place of the size; the extent is refreshed only when the radius changes.
void CopyCircleGeometry(Circle& destination, const Circle& source);
// The outline lies in the plane z = 0 where the sprite shows on the screen, whatever the
// sprite's depth, and is as large as the sprite's scaled size.
void FitOutlineToSprite(Quad& outline, const Sprite& sprite);
// The reverse after a drag: the sprite moves in its own plane to where the outline shows, and
// its scale becomes the outline's size over its unscaled size; an axis on which the sprite has
// no size keeps its factor.
void ApplyOutlineToSprite(Sprite& sprite, const Quad& outline);
