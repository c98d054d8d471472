#pragma once

#include <memory>

#include "engine/draw/Quad.h"

// A track with a thumb that maps its place along the track to a value: the track's
// bottom-centre on the screen stands for the minimum, its top-centre for the maximum. The
// owner draws the track and the thumb at their screen positions and moves the thumb.
class Slider {
 public:
  static constexpr float MinimumThumbHeight = 5.0f;

  // The range runs from the smaller of a and b to the larger; the track is centred on the
  // screen point (x, y, z) and turned by the rotation in degrees.
  Slider(float a, float b, float newValue, float newX, float newY, float newZ, float newWidth,
         float newHeight, float newRotation);

  // Moves track and thumb together.
  void SetPosition(float newX, float newY, float newZ);
  void SetValue(float v);
  // Kept between 5 and the track's height.
  void SetThumbHeight(float h);
  // The thumb goes to the point of the track's axis nearest to the screen point.
  void DragTo(float px, float py, float pz);
  void PlaceThumb();
  void UpdateValueFromThumb();

  float minimum = 0.0f;
  float maximum = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  float rotation = 0.0f;
  float value = 0.0f;
  std::unique_ptr<Quad> track;
  std::unique_ptr<Quad> thumb;

 private:
  // A range of no length gives 0.
  float RatioOf(float v) const;
  float ClampToRange(float v) const;
};
