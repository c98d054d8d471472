#pragma once

#include <cstdint>

#include "platform/MathTypes.h"

namespace platform {

// A 4 x 4 float matrix for row vectors (v' = v x M), translation in the last row, as the
// game's transforms are written: world x view x projection.
struct Matrix4 {
  float m[4][4] = {};

  static Matrix4 Identity();
  friend Matrix4 operator*(const Matrix4& a, const Matrix4& b);
  friend bool operator==(const Matrix4& a, const Matrix4& b) = default;
};

// The part of the target that drawing maps the unit cube onto, in pixels.
struct Viewport {
  uint32_t x = 0;
  uint32_t y = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  float minZ = 0.0f;
  float maxZ = 1.0f;
};

// Left-handed view from the eye towards the target point.
Matrix4 MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);
// Left-handed perspective: vertical field of view in radians, aspect = width / height.
Matrix4 MatrixPerspectiveFovLH(float fieldOfViewY, float aspect, float nearPlane, float farPlane);
Matrix4 MatrixTranslation(float x, float y, float z);
Matrix4 MatrixScaling(float x, float y, float z);
// Counter-clockwise (with y up) about the z axis, in radians.
Matrix4 MatrixRotationZ(float radians);
// Scaling, then rotation about the origin, then translation, all in the xy-plane.
Matrix4 MatrixTransformation2D(const Vector2& scaling, float rotationRadians,
                               const Vector2& translation);
// False (and the identity in result) when the matrix has no inverse.
bool MatrixInverse(const Matrix4& matrix, Matrix4& result);

// The point times the matrix, divided by the resulting w.
Vector3 TransformCoord(const Vector3& point, const Matrix4& matrix);

// World point to viewport pixels (x, y) and depth (z in [minZ, maxZ]).
Vector3 ProjectPoint(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                     const Matrix4& view, const Matrix4& world);
// The inverse of ProjectPoint; a transform without inverse gives the origin.
Vector3 UnprojectPoint(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                       const Matrix4& view, const Matrix4& world);

}  // namespace platform
