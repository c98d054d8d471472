#pragma once

namespace platform {

// Three floats; in the world y grows upward, on the screen downward.
struct Vector3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  friend Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
  }
  friend Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
  }
  friend Vector3 operator*(const Vector3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
  friend bool operator==(const Vector3& a, const Vector3& b) = default;
};

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  friend bool operator==(const Vector2& a, const Vector2& b) = default;
};

}  // namespace platform
