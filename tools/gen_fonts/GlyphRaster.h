#pragma once

#include <memory>
#include <string>
#include <vector>

// A TrueType face at one pixel size, rasterising single characters as coverage masks.
class GlyphRaster {
 public:
  // The largest size at which the ink of every printable character fits in inkHeight rows;
  // null when no file opens.
  static std::unique_ptr<GlyphRaster> Open(const std::vector<std::string>& candidates,
                                           int inkHeight);
  ~GlyphRaster();
  GlyphRaster(const GlyphRaster&) = delete;
  GlyphRaster& operator=(const GlyphRaster&) = delete;

  // Coverage 0-255, row by row; every character is rendered in the same line box, so rows
  // share one baseline.
  struct Mask {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> coverage;

    unsigned char At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
  };

  Mask Render(char character) const;
  // The first and one past the last row with ink over all printable characters.
  int inkTop() const { return inkTop_; }
  int inkBottom() const { return inkBottom_; }

 private:
  struct Face;
  explicit GlyphRaster(std::unique_ptr<Face> face);
  // Finds the ink rows; false when nothing renders.
  bool MeasureInk();

  std::unique_ptr<Face> face_;
  int inkTop_ = 0;
  int inkBottom_ = 0;
};
