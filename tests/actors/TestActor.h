#pragma once

#include <array>
#include <cstring>
#include <string>

#include "actors/Actor.h"
#include "support/TestWorld.h"

// The smallest concrete actor: the statistics and equipment without a body.
class TestActor : public Actor {
 public:
  TestActor() : Actor("Test Actor") { Initialize(nullptr); }
  void Update(float) override {}
  void Draw() override {}
  void DrawDebugInfo() override {}
};

// Bitwise equality, so that NaN equals NaN and -0 differs from 0.
template <size_t N>
bool SameBits(const std::array<float, N>& a, const std::array<float, N>& b) {
  return std::memcmp(a.data(), b.data(), sizeof(float) * N) == 0;
}

// The first index where the two differ, or -1.
template <size_t N>
int FirstDifference(const std::array<float, N>& a, const std::array<float, N>& b) {
  for (size_t i = 0; i < N; ++i) {
    if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0) return static_cast<int>(i);
  }
  return -1;
}
