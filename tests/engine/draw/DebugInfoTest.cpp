#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "support/DrawnTexts.h"
#include "support/RenderFixture.h"

using platform::Vector3;

namespace {

class DebugInfoTest : public RenderFixture {};

// Each line stands 0.3 world units below the one before it, the first at the shape's position.
void ExpectLines(Shape& shape, const std::vector<std::string>& starts) {
  DrawnTexts texts;
  shape.DrawDebugInfo();
  ASSERT_EQ(texts.drawn.size(), starts.size());
  for (size_t i = 0; i < starts.size(); ++i) {
    const DrawnText& line = texts.drawn[i];
    EXPECT_EQ(line.text.rfind(starts[i], 0), 0u) << line.text;
    const Vector3 below = shape.position - Vector3{0, 0.3f * static_cast<float>(i), 0};
    const Vector3 anchor = WorldToScreen(below.x, below.y, below.z);
    EXPECT_EQ(line.anchor.x, anchor.x) << starts[i];
    EXPECT_NEAR(line.anchor.y, anchor.y, 1e-3f) << starts[i];
  }
}

}  // namespace

TEST_F(DebugInfoTest, EachShapeWritesItsLinesDownFromItsPosition) {
  Quad quad;
  quad.name = "crate";
  quad.layer = 3;
  quad.SetPosition({1.0f, 2.0f, 0.0f});
  ExpectLines(quad, {"crate", "Center: ", "Dimensions: ", "Rotation: ", "Draw layer: 3"});

  Sprite sprite(nullptr);
  sprite.name = "lamp";
  sprite.layer = -2;
  sprite.SetPosition({-1.0f, 0.5f, 0.0f});
  ExpectLines(sprite, {"lamp", "Center: ", "Rotation: ", "Draw layer: -2", "Sprite Position: "});

  Circle circle;
  circle.name = "wheel";
  circle.layer = 1;
  circle.SetPosition({2.5f, -0.5f, 0.0f});
  ExpectLines(circle, {"wheel", "Center: ", "Radius: ", "Rotation: ", "Draw layer: 1"});

  Line line;
  line.SetPosition({0.5f, -1.0f, 0.0f});
  ExpectLines(line, {"Center: ", "Length: ", "Rotation: "});
}
