#pragma once

#include <array>
#include <vector>

#include "engine/draw/Shape.h"

// Shapes moved, coloured and drawn as one, with bounds that cover them all. The list holds
// its members by pointer and never destroys them.
class ShapeList : public virtual Shape {
 public:
  ShapeList();
  // Keeps the previous position and the rotation; the closing Clear puts the positions at 0.
  ShapeList(const platform::Vector3& point, float degrees);

  // The member stays owned by the caller; a pointer already in the list may be added again.
  void AddShape(Shape* member);
  // Removes every occurrence; the bounding radius stays as it was.
  void RemoveShape(Shape* member);
  // Forgets the members and the bounds; the bounding radius stays as it was.
  void Clear();
  void RecomputeBounds();

  // A list of fresh copies of the members, which the caller must destroy along with the list.
  std::unique_ptr<Shape> Clone() const override;
  void ResetColorFactors() override {}
  void RebuildVertices() override {}
  void SetPosition(const platform::Vector3& point) override;
  void SetAltPosition(const platform::Vector3& point) override;
  void SetFillColor(const Color4& color) override;
  void SetOutlineColor(const Color4& color) override;
  // The list tests as one disc of the bounding radius.
  bool ContainsPointWithMargin(const platform::Vector3& point, float margin) const override;
  bool AltContainsPointWithMargin(const platform::Vector3& point, float margin) const override;
  platform::Vector3 GetTopmostPoint() const override { return extremePoints[Top]; }
  platform::Vector3 GetLeftmostPoint() const override { return extremePoints[Left]; }
  platform::Vector3 GetBottommostPoint() const override { return extremePoints[Bottom]; }
  platform::Vector3 GetRightmostPoint() const override { return extremePoints[Right]; }
  platform::Vector3 GetAltTopmostPoint() const override { return altExtremePoints[Top]; }
  platform::Vector3 GetAltLeftmostPoint() const override { return altExtremePoints[Left]; }
  platform::Vector3 GetAltBottommostPoint() const override { return altExtremePoints[Bottom]; }
  platform::Vector3 GetAltRightmostPoint() const override { return altExtremePoints[Right]; }
  void RefreshExtent() override { extent = boundingRadius; }
  // Moves the members; the previous position is not written.
  void Move(float dt) override;
  void Draw() override;
  void DrawScreen() override;
  void DrawDebugInfo() override;
  void DrawVertexCoordinates() override;

  // Indices of the bound points: topmost, leftmost, bottommost, rightmost.
  enum BoundIndex { Top = 0, Left = 1, Bottom = 2, Right = 3 };

  float boundingRadius = 0.0f;
  std::vector<Shape*> members;  // not owned
  platform::Vector2 size;
  platform::Vector2 altSize;
  std::array<platform::Vector3, 4> extremePoints{};
  std::array<platform::Vector3, 4> altExtremePoints{};
  std::array<platform::Vector3, 4> edgeMidpoints{};
  std::array<platform::Vector3, 4> altEdgeMidpoints{};

 private:
  void Construct();
};
