#pragma once

#include <memory>
#include <vector>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Texture;

// A list panel of the menus: a header, up to its capacity of rows 22 pixels apart and a filler
// below the last row. The overlay, drawn over the panel of the list that has the focus, repeats
// the rows (and, where asked, the filler) without the header.
class ListPanel {
 public:
  static constexpr float RowPitch = 22.0f;

  // The filler is as wide as the panel; it either keeps the panel at a fixed height whatever
  // the row count, or has a fixed height of its own.
  struct Filler {
    float width;
    float height;
    bool keepsPanelHeight;
  };
  enum class Overlay { None, Rows, RowsAndFiller };

  ListPanel(Texture* atlas, const platform::PixelRect& headerCell,
            const platform::PixelRect& rowCell, const platform::PixelRect& fillCell, int capacity,
            Filler filler, Overlay overlay);
  ListPanel(const ListPanel&) = delete;
  ListPanel& operator=(const ListPanel&) = delete;

  int Capacity() const { return static_cast<int>(rows.size()); }
  // Re-lays the panel for the row count (clamped to 0..capacity) keeping its centre; the
  // overlay is centred at the panel's centre plus the offset.
  void Layout(int rowCount, const platform::Vector3& overlayOffset);
  // Moves the panel, and the overlay with it at the offset.
  void MoveTo(const platform::Vector3& center, const platform::Vector3& overlayOffset);
  // The panel's top edge to the point, centred on x; the overlay's top edge that far below it.
  void PlaceTop(float x, float top, float overlayDrop);

  ShapeList group;
  ShapeList overlay;
  std::unique_ptr<Sprite> header;
  std::vector<std::unique_ptr<Sprite>> rows;
  std::unique_ptr<Sprite> fill;
  // Empty for a panel without an overlay.
  std::vector<std::unique_ptr<Sprite>> overlayRows;
  // Only for an overlay that repeats the filler.
  std::unique_ptr<Sprite> overlayFill;

 private:
  Filler filler_;
};
