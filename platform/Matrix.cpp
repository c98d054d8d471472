#include "platform/Matrix.h"

#include <cmath>
#include <utility>

namespace platform {

namespace {

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 Normalize(const Vector3& v) {
  float length = std::sqrt(Dot(v, v));
  if (length == 0.0f) return v;
  return v * (1.0f / length);
}

}  // namespace

Matrix4 Matrix4::Identity() {
  Matrix4 result;
  for (int i = 0; i < 4; ++i) result.m[i][i] = 1.0f;
  return result;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
  Matrix4 result;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      result.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                              a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
    }
  }
  return result;
}

Matrix4 MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up) {
  Vector3 zAxis = Normalize(at - eye);
  Vector3 xAxis = Normalize(Cross(up, zAxis));
  Vector3 yAxis = Cross(zAxis, xAxis);
  Matrix4 result = Matrix4::Identity();
  result.m[0][0] = xAxis.x;
  result.m[1][0] = xAxis.y;
  result.m[2][0] = xAxis.z;
  result.m[0][1] = yAxis.x;
  result.m[1][1] = yAxis.y;
  result.m[2][1] = yAxis.z;
  result.m[0][2] = zAxis.x;
  result.m[1][2] = zAxis.y;
  result.m[2][2] = zAxis.z;
  result.m[3][0] = -Dot(xAxis, eye);
  result.m[3][1] = -Dot(yAxis, eye);
  result.m[3][2] = -Dot(zAxis, eye);
  return result;
}

Matrix4 MatrixPerspectiveFovLH(float fieldOfViewY, float aspect, float nearPlane, float farPlane) {
  float yScale = 1.0f / std::tan(fieldOfViewY / 2.0f);
  float xScale = yScale / aspect;
  Matrix4 result;
  result.m[0][0] = xScale;
  result.m[1][1] = yScale;
  result.m[2][2] = farPlane / (farPlane - nearPlane);
  result.m[2][3] = 1.0f;
  result.m[3][2] = -nearPlane * farPlane / (farPlane - nearPlane);
  return result;
}

Matrix4 MatrixTranslation(float x, float y, float z) {
  Matrix4 result = Matrix4::Identity();
  result.m[3][0] = x;
  result.m[3][1] = y;
  result.m[3][2] = z;
  return result;
}

Matrix4 MatrixScaling(float x, float y, float z) {
  Matrix4 result = Matrix4::Identity();
  result.m[0][0] = x;
  result.m[1][1] = y;
  result.m[2][2] = z;
  return result;
}

Matrix4 MatrixRotationZ(float radians) {
  float c = std::cos(radians);
  float s = std::sin(radians);
  Matrix4 result = Matrix4::Identity();
  result.m[0][0] = c;
  result.m[0][1] = s;
  result.m[1][0] = -s;
  result.m[1][1] = c;
  return result;
}

Matrix4 MatrixTransformation2D(const Vector2& scaling, float rotationRadians,
                               const Vector2& translation) {
  return MatrixScaling(scaling.x, scaling.y, 1.0f) * MatrixRotationZ(rotationRadians) *
         MatrixTranslation(translation.x, translation.y, 0.0f);
}

bool MatrixInverse(const Matrix4& matrix, Matrix4& result) {
  // Gauss-Jordan elimination with partial pivoting, in double for the ill-conditioned
  // projection matrices.
  double a[4][8];
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      a[row][column] = matrix.m[row][column];
      a[row][column + 4] = row == column ? 1.0 : 0.0;
    }
  }
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row) {
      if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) pivot = row;
    }
    if (a[pivot][column] == 0.0) {
      result = Matrix4::Identity();
      return false;
    }
    if (pivot != column) {
      for (int k = 0; k < 8; ++k) std::swap(a[pivot][k], a[column][k]);
    }
    double scale = 1.0 / a[column][column];
    for (int k = 0; k < 8; ++k) a[column][k] *= scale;
    for (int row = 0; row < 4; ++row) {
      if (row == column || a[row][column] == 0.0) continue;
      double factor = a[row][column];
      for (int k = 0; k < 8; ++k) a[row][k] -= factor * a[column][k];
    }
  }
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      result.m[row][column] = static_cast<float>(a[row][column + 4]);
    }
  }
  return true;
}

Vector3 TransformCoord(const Vector3& p, const Matrix4& matrix) {
  const auto& m = matrix.m;
  float x = p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0];
  float y = p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1];
  float z = p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2];
  float w = p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + m[3][3];
  if (w == 0.0f) return {x, y, z};
  return {x / w, y / w, z / w};
}

Vector3 ProjectPoint(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                     const Matrix4& view, const Matrix4& world) {
  Vector3 clip = TransformCoord(point, world * view * projection);
  return {static_cast<float>(viewport.x) + static_cast<float>(viewport.width) * (1.0f + clip.x) / 2.0f,
          static_cast<float>(viewport.y) + static_cast<float>(viewport.height) * (1.0f - clip.y) / 2.0f,
          viewport.minZ + clip.z * (viewport.maxZ - viewport.minZ)};
}

Vector3 UnprojectPoint(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                       const Matrix4& view, const Matrix4& world) {
  Matrix4 inverse;
  if (!MatrixInverse(world * view * projection, inverse)) return {};
  float width = viewport.width > 0 ? static_cast<float>(viewport.width) : 1.0f;
  float height = viewport.height > 0 ? static_cast<float>(viewport.height) : 1.0f;
  float depthRange = viewport.maxZ - viewport.minZ;
  Vector3 clip{(point.x - static_cast<float>(viewport.x)) * 2.0f / width - 1.0f,
               1.0f - (point.y - static_cast<float>(viewport.y)) * 2.0f / height,
               depthRange != 0.0f ? (point.z - viewport.minZ) / depthRange : 0.0f};
  return TransformCoord(clip, inverse);
}

}  // namespace platform
