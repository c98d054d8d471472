#pragma once

#include <memory>
#include <string>
#include <vector>

// A TrueType face at one pixel size, rasterising single characters as coverage masks, at their
// own width or stretched horizontally: smooth, or crisp (hinted to the pixel grid, every pixel
// inked or clear) for letters drawn pixel for pixel.
class GlyphRaster {
 public:
  enum class Edges { Smooth, Crisp };

  // Every printable character, codes 32 to 126.
  static std::string Printable();

  // The largest size at which the ink of every given character fits in inkHeight rows; null
  // when no file opens.
  static std::unique_ptr<GlyphRaster> Open(const std::vector<std::string>& candidates,
                                           int inkHeight,
                                           const std::string& characters = Printable(),
                                           Edges edges = Edges::Smooth);
  ~GlyphRaster();
  GlyphRaster(const GlyphRaster&) = delete;
  GlyphRaster& operator=(const GlyphRaster&) = delete;

  // Where a mask has coverage: columns [first, end), rows [top, bottom); empty when end is not
  // past first.
  struct InkBox {
    int first = 0, end = 0, top = 0, bottom = 0;
    int Width() const { return end > first ? end - first : 0; }
  };

  // Coverage 0-255, row by row; every character is rendered in the same line box, so rows
  // share one baseline.
  struct Mask {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> coverage;

    unsigned char At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
    InkBox Ink() const;
  };

  // widthScale widens (above 1) or narrows the outline before it is rasterised, so that strokes
  // stay crisp; the rows are those of the unscaled character.
  Mask Render(char character, float widthScale = 1.0f) const;
  // The first and one past the last row with ink over the characters the size was chosen for.
  int inkTop() const { return inkTop_; }
  int inkBottom() const { return inkBottom_; }
  Edges edges() const { return edges_; }

 private:
  struct Face;
  GlyphRaster(std::unique_ptr<Face> face, int size, Edges edges);
  Mask RenderCrisp(const char* text) const;
  // Finds the ink rows of the characters; false when nothing renders or they take more rows
  // than inkHeight.
  bool MeasureInk(const std::string& characters, int inkHeight);

  std::unique_ptr<Face> face_;
  int size_ = 0;
  Edges edges_ = Edges::Smooth;
  int inkTop_ = 0;
  int inkBottom_ = 0;
};
