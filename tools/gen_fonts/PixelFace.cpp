#include "PixelFace.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>

#include "GlyphFit.h"
#include "GlyphRaster.h"
#include "engine/Globals.h"
#include "platform/Renderer.h"

namespace {

constexpr char Space = ' ';
constexpr char ThinnestLetter = 'l';
// A face may be made this much smaller than its cell holds, so that its l keeps its stroke.
constexpr float SmallestShare = 0.85f;

// A font over the layout alone, at the scale: it places glyphs exactly as the game's does.
class LayoutFont : public Font {
 public:
  LayoutFont(const FontLayout& layout, float scale) {
    Build(nullptr, layout);
    scaleX = scale;
    scaleY = scale;
  }
};

// The nearest the centres of the second glyph and the first come when drawn one after the other
// from a pen at any whole pixel across the frame: the room they share. Index = code - 32 of each.
std::vector<std::vector<int>> NearestCentres(const Font& font) {
  std::vector<std::vector<int>> nearest(
      GlyphCount, std::vector<int>(GlyphCount, std::numeric_limits<int>::max()));
  for (int first = 0; first < GlyphCount; ++first) {
    for (int second = 0; second < GlyphCount; ++second) {
      const std::string pair{static_cast<char>(FirstGlyphCode + first),
                             static_cast<char>(FirstGlyphCode + second)};
      for (int pen = 0; pen < DefaultScreenWidth; ++pen) {
        float centres[2] = {};
        int placed = 0;
        font.PlaceGlyphs(pair, {static_cast<float>(pen), 0.0f, 0.0f},
                         [&](const FChar&, const platform::Vector3& centre) {
                           centres[placed++] = centre.x;
                         });
        nearest[first][second] =
            std::min(nearest[first][second], static_cast<int>(centres[1] - centres[0]));
      }
    }
  }
  return nearest;
}

// The column of a glyph cell's left edge about its pen, as the sprite batch places the cell.
int CellOffset(const platform::PixelRect& rect, float scale) {
  return platform::SizedPixel(-GlyphCentre(rect).x * scale);
}

// A glyph fitted to its pen: its ink takes the columns [pen - left, pen - left + width).
struct Placed {
  FittedGlyph glyph;
  int left = 0;
};

// The glyphs of one face for a font at a scale: each fitted to its scaled advance, centred on its
// pen within its cell; then, wherever two neighbours' pens could come too close for a clear
// column between them, the wider is narrowed (of two as wide, the one filling more of its
// advance), until none is: thin letters keep their strokes.
class FaceFit {
 public:
  FaceFit(const GlyphRaster& raster, const FaceFiles& files, const Font& font,
          const std::vector<std::vector<int>>& nearest, float scale)
      : raster_(raster), files_(files), font_(font), scale_(scale), placed_(GlyphCount) {
    for (int i = 0; i < GlyphCount; ++i) {
      if (Inked(i)) Fit(i, std::max(1, platform::SizedPixel(Advance(i))));
    }
    for (bool narrowed = true; narrowed && ok_;) {
      narrowed = false;
      for (int i = 0; i < GlyphCount && ok_; ++i) {
        for (int j = 0; j < GlyphCount && ok_; ++j) {
          if (!Inked(i) || !Inked(j) || Right(i) + placed_[j].left < nearest[i][j]) continue;
          ok_ = Narrow(Width(j) > Width(i) || (Width(j) == Width(i) && Fill(j) > Fill(i)) ? j : i);
          narrowed = true;
        }
      }
    }
  }

  // False when two glyphs could not be narrowed apart.
  bool Fitted() const { return ok_; }
  const Placed& At(int i) const { return placed_[i]; }

 private:
  static bool Inked(int i) { return FirstGlyphCode + i != Space; }
  float Advance(int i) const { return font_.glyphs[i].advance * scale_; }
  int Width(int i) const { return placed_[i].glyph.Width(); }
  int Right(int i) const { return Width(i) - placed_[i].left; }
  float Fill(int i) const { return static_cast<float>(Width(i)) / Advance(i); }

  // Centred on the pen, within its cell.
  void Fit(int i, int wanted) {
    const char code = static_cast<char>(FirstGlyphCode + i);
    placed_[i].glyph = FitGlyph(raster_, files_.wideFaces, code, wanted);
    const platform::PixelRect cell = platform::SizedRect(font_.glyphs[i].rect, scale_);
    const int offset = CellOffset(font_.glyphs[i].rect, scale_);
    placed_[i].left = std::clamp(Width(i) / 2, Width(i) - (cell.right - cell.left) - offset,
                                 -offset);
  }

  bool Narrow(int i) {
    const int width = Width(i);
    if (width > 1) Fit(i, width - 1);
    return Width(i) < width;
  }

  const GlyphRaster& raster_;
  const FaceFiles& files_;
  const Font& font_;
  float scale_;
  std::vector<Placed> placed_;
  bool ok_ = true;
};

// A face for a font at a scale, with its glyphs fitted.
struct Face {
  std::unique_ptr<GlyphRaster> raster;
  std::unique_ptr<FaceFit> fit;

  // Its l, the letter with the least room, keeps its stroke whole.
  bool KeepsThinnest() const {
    return fit->Fitted() && fit->At(ThinnestLetter - FirstGlyphCode).glyph.Width() >=
                                raster->Render(ThinnestLetter).Ink().Width();
  }
};

Face FittedFace(std::unique_ptr<GlyphRaster> raster, const FaceFiles& weight, const Font& font,
                const std::vector<std::vector<int>>& nearest, float scale) {
  Face face{std::move(raster), nullptr};
  if (face.raster)
    face.fit = std::make_unique<FaceFit>(*face.raster, weight, font, nearest, scale);
  return face;
}

std::unique_ptr<GlyphRaster> CrispFace(const FaceFiles& weight, int inkLimit) {
  return GlyphRaster::Open(weight.faces, inkLimit, GlyphRaster::Printable(),
                           GlyphRaster::Edges::Crisp);
}

// The boldest weight, at the largest size down to a share of the rows, whose l keeps its stroke
// whole: every upright stroke then has the l's weight. Failing that, the last weight at its full
// size.
Face ChosenFace(const std::vector<FaceFiles>& weights, int inkLimit, const Font& font,
                const std::vector<std::vector<int>>& nearest, float scale) {
  const int fewest = static_cast<int>(std::ceil(static_cast<float>(inkLimit) * SmallestShare));
  const int thinnest = ThinnestLetter - FirstGlyphCode;
  for (const FaceFiles& weight : weights) {
    for (int limit = inkLimit; limit >= fewest; --limit) {
      std::unique_ptr<GlyphRaster> raster = CrispFace(weight, limit);
      if (!raster) break;
      // Two l's side by side keep a clear column only when narrower than their pens' distance.
      if (raster->Render(ThinnestLetter).Ink().Width() >= nearest[thinnest][thinnest]) continue;
      Face face = FittedFace(std::move(raster), weight, font, nearest, scale);
      if (face.KeepsThinnest()) return face;
    }
  }
  return FittedFace(CrispFace(weights.back(), inkLimit), weights.back(), font, nearest, scale);
}

}  // namespace

bool DrawPixelFace(platform::Image& picture, const FontLayout& layout, float scale,
                   const std::vector<FaceFiles>& weights, int inkRows) {
  const LayoutFont font(layout, scale);
  const int offset = CellOffset(layout.CellOf(0), scale);
  int rows = std::numeric_limits<int>::max();
  for (int i = 0; i < GlyphCount; ++i) {
    const platform::PixelRect cell = platform::SizedRect(layout.CellOf(i), scale);
    rows = std::min(rows, cell.bottom - cell.top);
  }
  int inkLimit = std::min(rows, static_cast<int>(static_cast<float>(layout.cell) * scale));
  if (inkRows > 0) inkLimit = std::min(inkLimit, inkRows);
  const Face face = ChosenFace(weights, inkLimit, font, NearestCentres(font), scale);
  if (!face.raster || !face.fit->Fitted()) {
    std::fprintf(stderr, "gen_fonts: no face fits %s at %g\n", layout.atlasPath,
                 static_cast<double>(scale));
    return false;
  }
  const GlyphRaster& raster = *face.raster;
  // The ink of all glyphs centred where the big glyphs' is, below the pen.
  const int inkHeight = raster.inkBottom() - raster.inkTop();
  const float middle =
      (static_cast<float>(layout.cell) / 2 - GlyphCentre(layout.CellOf(0)).y) * scale;
  const int inkTop = std::clamp(platform::SizedPixel(middle - static_cast<float>(inkHeight) / 2),
                                offset, offset + rows - inkHeight);
  for (int i = 0; i < GlyphCount; ++i) {
    const Placed& placed = face.fit->At(i);
    // Pixels about the pen, in the cell's columns and rows.
    const platform::PixelRect cell = platform::SizedRect(layout.CellOf(i), scale);
    const int column = cell.left - offset - placed.left;
    PaintGlyph(picture, placed.glyph, column,
               cell.top - offset + inkTop - raster.inkTop() + placed.glyph.rowShift, cell);
  }
  return true;
}

int SizedPictureSide(const std::vector<const FontLayout*>& layouts, float scale) {
  int side = 1;
  for (const FontLayout* layout : layouts) {
    for (int i = 0; i < GlyphCount; ++i) {
      const platform::PixelRect cell = platform::SizedRect(layout->CellOf(i), scale);
      side = std::max({side, cell.right, cell.bottom});
    }
  }
  return static_cast<int>(std::bit_ceil(static_cast<unsigned>(side)));
}
