#pragma once

#include <memory>
#include <string>
#include <vector>

// A TrueType face at one pixel size, rasterising single characters as coverage masks.
class GlyphRaster {
 public:
  // The largest size whose line fits in lineHeight pixels; null when no file opens.
  static std::unique_ptr<GlyphRaster> Open(const std::vector<std::string>& candidates,
                                           int lineHeight);
  ~GlyphRaster();
  GlyphRaster(const GlyphRaster&) = delete;
  GlyphRaster& operator=(const GlyphRaster&) = delete;

  // Coverage 0-255, row by row, lineHeight() rows with the baseline at ascent().
  struct Mask {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> coverage;

    unsigned char At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
  };

  Mask Render(char character) const;
  int lineHeight() const { return lineHeight_; }
  const std::string& file() const { return file_; }

 private:
  struct Face;
  GlyphRaster(std::unique_ptr<Face> face, std::string file, int lineHeight);

  std::unique_ptr<Face> face_;
  std::string file_;
  int lineHeight_ = 0;
};
