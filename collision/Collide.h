#pragma once

#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "platform/MathTypes.h"

// Overlap tests in the xy-plane between quads, circles and shape lists (z is never tested).
// A quad of no width, height and depth and a circle of radius 0 overlap nothing.

bool Collide(const Shape* first, const Shape* second);

bool IsZeroSize(const Quad& quad);
bool IsZeroSize(const Circle& circle);

// Exact test for two turned rectangles; the second is the reference. Rectangles that only
// share an edge overlap. A rectangle without width or without height is tested as a segment;
// one placed, sized or turned by a value that is not finite overlaps nothing.
bool QuadsOverlap(const Quad& first, const Quad& second);

// Touching circles do not overlap.
bool CirclesOverlap(const Circle& first, const Circle& second);

// The displacement that moves the circle out of the quad, found from the region of the quad's
// frame that holds the circle's centre; zero when they do not overlap.
platform::Vector3 CircleOutOfQuad(const Circle& circle, const Quad& quad);

// The same displacement found from the feet of the centre on the quad's two axes.
platform::Vector3 CircleOutOfQuadByFootPoints(const Circle& circle, const Quad& quad);
