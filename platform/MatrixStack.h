#pragma once

#include <vector>

#include "platform/Matrix.h"

namespace platform {

// A stack of transforms; the "local" operations multiply onto the top from the left, so the
// last one given acts first on a vertex.
class MatrixStack {
 public:
  MatrixStack();

  void LoadIdentity();
  void LoadMatrix(const Matrix4& matrix);
  void Push();
  // The bottom entry always stays.
  void Pop();
  void TranslateLocal(float x, float y, float z);
  void RotateAboutZLocal(float radians);
  void MultiplyLocal(const Matrix4& matrix);
  const Matrix4& Top() const { return stack_.back(); }

 private:
  std::vector<Matrix4> stack_;
};

}  // namespace platform
