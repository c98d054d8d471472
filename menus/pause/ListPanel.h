#pragma once

#include <array>
#include <memory>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Texture;

// A list panel of the pause menu: a header, up to sixteen rows 22 pixels apart and a filler
// that keeps the panel 185 by 374.5 whatever the row count. The overlay, drawn over the panel
// of the list that has the focus, repeats the rows and the filler without the header.
class ListPanel {
 public:
  static constexpr int MaxRows = 16;
  static constexpr float RowPitch = 22.0f;

  ListPanel(Texture* atlas, const platform::PixelRect& headerCell,
            const platform::PixelRect& rowCell, const platform::PixelRect& fillCell,
            bool withOverlay);
  ListPanel(const ListPanel&) = delete;
  ListPanel& operator=(const ListPanel&) = delete;

  // Re-lays the panel for the row count (clamped to 0..16) keeping its centre; the overlay is
  // centred at the panel's centre plus the offset.
  void Layout(int rowCount, const platform::Vector3& overlayOffset);
  // Moves the panel, and the overlay with it at the offset.
  void MoveTo(const platform::Vector3& center, const platform::Vector3& overlayOffset);

  ShapeList group;
  ShapeList overlay;
  std::unique_ptr<Sprite> header;
  std::array<std::unique_ptr<Sprite>, MaxRows> rows;
  std::unique_ptr<Sprite> fill;
  // Empty for a panel without an overlay.
  std::array<std::unique_ptr<Sprite>, MaxRows> overlayRows;
  std::unique_ptr<Sprite> overlayFill;
};
