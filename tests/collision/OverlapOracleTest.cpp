#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "collision/Collide.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"

namespace {

// An independent overlap computation in double precision: separating axes for the rectangles,
// signed distances for the circles. It answers a signed separation: negative when the shapes
// overlap, positive when a gap lies between them, its size the margin of the verdict.
struct Point {
  double x;
  double y;
};

struct Solid {
  bool circle = false;
  Point centre{};
  double radius = 0.0;
  std::array<Point, 4> corners{};  // counter-clockwise
};

Solid SolidOf(const Shape& shape) {
  Solid solid;
  solid.centre = {shape.position.x, shape.position.y};
  if (const auto* circle = dynamic_cast<const Circle*>(&shape)) {
    solid.circle = true;
    solid.radius = circle->radius;
    return solid;
  }
  const auto& quad = dynamic_cast<const Quad&>(shape);
  const double angle = quad.rotation * std::numbers::pi / 180.0;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double hw = quad.width / 2.0;
  const double hh = quad.height / 2.0;
  const Point local[4] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
  for (int i = 0; i < 4; ++i) {
    solid.corners[i] = {solid.centre.x + local[i].x * c - local[i].y * s,
                        solid.centre.y + local[i].x * s + local[i].y * c};
  }
  return solid;
}

double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

double PolygonSeparation(const Solid& a, const Solid& b) {
  double separation = -INFINITY;
  for (const Solid* owner : {&a, &b}) {
    for (int i = 0; i < 2; ++i) {
      Point edge{owner->corners[i + 1].x - owner->corners[i].x,
                 owner->corners[i + 1].y - owner->corners[i].y};
      double length = std::hypot(edge.x, edge.y);
      if (length == 0.0) {
        // A collapsed side: its normal is the other side's direction.
        Point other{owner->corners[i + 2].x - owner->corners[i + 1].x,
                    owner->corners[i + 2].y - owner->corners[i + 1].y};
        edge = {-other.y, other.x};
        length = std::hypot(edge.x, edge.y);
        if (length == 0.0) continue;
      }
      const Point axis{-edge.y / length, edge.x / length};
      double lowA = INFINITY, highA = -INFINITY, lowB = INFINITY, highB = -INFINITY;
      for (const Point& p : a.corners) {
        lowA = std::min(lowA, Dot(p, axis));
        highA = std::max(highA, Dot(p, axis));
      }
      for (const Point& p : b.corners) {
        lowB = std::min(lowB, Dot(p, axis));
        highB = std::max(highB, Dot(p, axis));
      }
      separation = std::max({separation, lowB - highA, lowA - highB});
    }
  }
  return separation;
}

double DistanceToSegment(Point p, Point a, Point b) {
  const Point ab{b.x - a.x, b.y - a.y};
  const double lengthSquared = Dot(ab, ab);
  double t = lengthSquared > 0.0 ? Dot({p.x - a.x, p.y - a.y}, ab) / lengthSquared : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * ab.x), p.y - (a.y + t * ab.y));
}

double CirclePolygonSeparation(const Solid& circle, const Solid& polygon) {
  double nearest = INFINITY;
  bool inside = true;
  for (int i = 0; i < 4; ++i) {
    const Point a = polygon.corners[i];
    const Point b = polygon.corners[(i + 1) % 4];
    nearest = std::min(nearest, DistanceToSegment(circle.centre, a, b));
    const double cross =
        (b.x - a.x) * (circle.centre.y - a.y) - (b.y - a.y) * (circle.centre.x - a.x);
    if (cross <= 0.0) inside = false;
  }
  return (inside ? -nearest : nearest) - circle.radius;
}

double Separation(const Solid& a, const Solid& b) {
  if (a.circle && b.circle) {
    return std::hypot(a.centre.x - b.centre.x, a.centre.y - b.centre.y) - a.radius - b.radius;
  }
  if (a.circle) return CirclePolygonSeparation(a, b);
  if (b.circle) return CirclePolygonSeparation(b, a);
  return PolygonSeparation(a, b);
}

std::vector<const Shape*> Parts(const Shape& shape) {
  if (const auto* list = dynamic_cast<const ShapeList*>(&shape)) {
    return {list->members.begin(), list->members.end()};
  }
  return {&shape};
}

// Verdicts closer than this to touching are left to the edge-case tests.
constexpr double Margin = 1e-3;

enum class Verdict { Apart, Overlap, TooClose };

Verdict OracleVerdict(const Shape& first, const Shape& second) {
  bool overlap = false;
  for (const Shape* a : Parts(first)) {
    for (const Shape* b : Parts(second)) {
      const double separation = Separation(SolidOf(*a), SolidOf(*b));
      if (std::fabs(separation) < Margin) return Verdict::TooClose;
      if (separation < 0.0) overlap = true;
    }
  }
  return overlap ? Verdict::Overlap : Verdict::Apart;
}

class RandomShapes {
 public:
  explicit RandomShapes(unsigned seed) : engine_(seed) {}

  Shape* Next() {
    const double pick = Uniform(0.0, 1.0);
    if (pick < 0.4) return NewQuad();
    if (pick < 0.8) return NewCircle();
    auto list = std::make_unique<ShapeList>();
    const int count = 1 + static_cast<int>(Uniform(0.0, 3.0));
    for (int i = 0; i < count; ++i) {
      list->AddShape(Uniform(0.0, 1.0) < 0.5 ? NewQuad() : NewCircle());
    }
    return Keep(std::move(list));
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }

  Shape* NewQuad() {
    auto quad = std::make_unique<Quad>();
    quad->SetPositionXYZ(Coordinate(), Coordinate(), 0.0f);
    float width = static_cast<float>(Uniform(0.05, 4.0));
    float height = static_cast<float>(Uniform(0.05, 4.0));
    // Now and then a quad collapsed into a segment.
    const double collapse = Uniform(0.0, 1.0);
    if (collapse < 0.03) width = 0.0f;
    if (collapse > 0.97) height = 0.0f;
    quad->SetDimensions(width, height, 0.0f);
    const double turn = Uniform(0.0, 1.0);
    float rotation = static_cast<float>(Uniform(0.0, 360.0));
    if (turn < 0.15) rotation = 90.0f * static_cast<int>(Uniform(0.0, 4.0));
    quad->SetRotation(rotation);
    return Keep(std::move(quad));
  }

  Shape* NewCircle() {
    auto circle = std::make_unique<Circle>();
    circle->SetPositionXYZ(Coordinate(), Coordinate(), 0.0f);
    circle->SetRadius(static_cast<float>(Uniform(0.05, 2.5)));
    return Keep(std::move(circle));
  }

  float Coordinate() { return static_cast<float>(Uniform(-5.0, 5.0)); }

  Shape* Keep(std::unique_ptr<Shape> shape) {
    owned_.push_back(std::move(shape));
    return owned_.back().get();
  }

  std::mt19937 engine_;
  std::vector<std::unique_ptr<Shape>> owned_;
};

TEST(OverlapOracle, RandomShapesAgreeWithAnIndependentComputationInBothOrders) {
  constexpr int Pairs = 20000;
  RandomShapes shapes(20261207);
  int decided = 0;
  int overlaps = 0;
  int disagreements = 0;
  for (int i = 0; i < Pairs; ++i) {
    Shape* first = shapes.Next();
    Shape* second = shapes.Next();
    const Verdict verdict = OracleVerdict(*first, *second);
    if (verdict == Verdict::TooClose) continue;
    ++decided;
    const bool expected = verdict == Verdict::Overlap;
    if (expected) ++overlaps;
    for (auto [a, b] : {std::pair{first, second}, std::pair{second, first}}) {
      if (Collide(a, b) != expected) {
        ++disagreements;
        if (disagreements <= 10) {
          ADD_FAILURE() << "pair " << i << ": expected " << expected << " for types " << a->type
                        << " at (" << a->position.x << ", " << a->position.y << ") rot "
                        << a->rotation << " and " << b->type << " at (" << b->position.x << ", "
                        << b->position.y << ") rot " << b->rotation;
        }
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
  EXPECT_GT(decided, Pairs * 9 / 10);
  // Both verdicts are well represented.
  EXPECT_GT(overlaps, decided / 5);
  EXPECT_LT(overlaps, decided * 4 / 5);
}

}  // namespace
