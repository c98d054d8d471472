#pragma once

#include <memory>

#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Sprite;
class Texture;

// The vertical scroll bar of the menus, drawn from five pieces of the interface atlas: two end
// caps and a thumb of two caps round a stretched middle. The thumb is as long as the track
// minus the range, so while the range fits it moves one pixel per unit of value. It takes no
// input: its owner sets the range and the value and draws it.
class ScrollBar {
 public:
  static constexpr platform::PixelRect TopEndCapCell{845, 429, 861, 445};
  static constexpr platform::PixelRect TopThumbCapCell{845, 446, 861, 454};
  static constexpr platform::PixelRect ThumbMiddleCell{845, 456, 861, 457};
  static constexpr platform::PixelRect BottomThumbCapCell{845, 459, 861, 467};
  static constexpr platform::PixelRect BottomEndCapCell{845, 468, 861, 484};

  explicit ScrollBar(Texture* atlas);
  // The bounds in either order; the value is clamped into them; the length is at least the
  // pieces' own height.
  ScrollBar(Texture* atlas, float a, float b, float newValue, const platform::Vector3& point,
            float newLength);
  ~ScrollBar();
  ScrollBar(const ScrollBar&) = delete;
  ScrollBar& operator=(const ScrollBar&) = delete;

  // The end caps flush with the bar's ends, then the thumb.
  void SetLength(float newLength);
  // Each keeps minimum <= maximum by swapping; the value is not clamped again.
  void SetMinimum(float bound);
  void SetMaximum(float bound);
  void SetValue(float newValue);
  // The end caps one pixel inside the bar's ends, then the thumb; owners call it after
  // writing a new position.
  void PlaceEndCaps();
  void UpdateThumbSize();
  void PlaceThumb();
  // How far the thumb's centre can move.
  float GetThumbTravel() const;
  void Draw();
  // The drawn width of the thumb's middle piece.
  float ThumbWidth() const;

  Texture* atlas = nullptr;  // not owned
  float length = 0.0f;
  float minimum = 0.0f;
  float maximum = 0.0f;
  // The bar's centre on the screen.
  platform::Vector3 position;
  float value = 0.0f;
  std::unique_ptr<Sprite> topEndCap;
  std::unique_ptr<Sprite> topThumbCap;
  std::unique_ptr<Sprite> thumbMiddle;
  std::unique_ptr<Sprite> bottomThumbCap;
  std::unique_ptr<Sprite> bottomEndCap;

 private:
  void CreateSprites();
  float PiecesHeight() const;
  // The end caps at this distance inside the bar's ends.
  void PlaceEndCapsInset(float inset);
};
