#pragma once

#include <memory>
#include <vector>

#include "engine/Color4.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"

class Texture;

// One upright mark across a bar at a value between 0 and the bar's maximum.
struct BarMeterTick {
  std::unique_ptr<Line> line;
  float value = 0.0f;
  Color4 color;
};

// A horizontal bar: a grey background, a fill whose width follows value / maximum from the
// left edge, tick marks, and optionally an icon that is drawn in the bar's place. Owners set
// `maximum` and `value` directly and then call UpdateFill.
class BarMeter {
 public:
  BarMeter(float newMaximum, float x, float y, float z, float width, float height, float depth,
           const Color4& newColor);

  // The tick list stays sorted by value; equal values keep the order they were added in.
  void AddTick(float tickValue, const Color4& tickColor);
  // Places the background; the fill keeps its left edge on the background's.
  void SetPosition(float x, float y, float z);
  // The texture is borrowed.
  void SetIcon(Texture* newIconTexture);
  // Sizes the fill to value / maximum of the width (not clamped) and places fill and ticks.
  void UpdateFill();
  void Draw();
  void DrawScreen();

  // value / maximum; 0 for a maximum of 0 or below, or when the quotient is not a number.
  float Ratio(float shown) const;

  std::unique_ptr<Quad> background;
  std::unique_ptr<Quad> fill;
  Color4 color;
  float maximum = 0.0f;
  float value = 0.0f;
  std::vector<BarMeterTick> ticks;
  Texture* iconTexture = nullptr;
  std::unique_ptr<Sprite> icon;

 private:
  void DrawIcon(bool screen);
};
