#include "platform/MatrixStack.h"

namespace platform {

MatrixStack::MatrixStack() : stack_{Matrix4::Identity()} {}

void MatrixStack::LoadIdentity() { stack_.back() = Matrix4::Identity(); }

void MatrixStack::LoadMatrix(const Matrix4& matrix) { stack_.back() = matrix; }

void MatrixStack::Push() { stack_.push_back(stack_.back()); }

void MatrixStack::Pop() {
  if (stack_.size() > 1) stack_.pop_back();
}

void MatrixStack::TranslateLocal(float x, float y, float z) {
  MultiplyLocal(MatrixTranslation(x, y, z));
}

void MatrixStack::RotateAboutZLocal(float radians) { MultiplyLocal(MatrixRotationZ(radians)); }

void MatrixStack::MultiplyLocal(const Matrix4& matrix) { stack_.back() = matrix * stack_.back(); }

}  // namespace platform
