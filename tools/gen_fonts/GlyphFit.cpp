#include "GlyphFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The outline is narrowed at most this far; further would thin strokes past reading.
constexpr float MaxNarrowing = 0.3f;
// Past this much widening a letter is mostly repeated stroke: the wide face's letter is
// tried instead.
constexpr float MaxWidening = 1.75f;
// Crisp letters widen at most this far.
constexpr float MaxCrispWidening = 1.3f;
// Columns holding at most this share of the ink of the glyph's heaviest column (a bar beside a
// stem, the gap in a quote mark) may be left out or repeated, each shown at most this often.
constexpr float LightColumnShare = 0.7f;
constexpr int MostCopies = 2;
// Scaled outlines are tried this much apart around the wanted scale, for the one whose ink
// lands nearest the wanted width with the crispest strokes.
constexpr float ScaleStep = 0.01f;
constexpr int ScaleTries = 10;
constexpr uint32_t WhiteRgb = 0x00FFFFFF;

using InkBox = GlyphRaster::InkBox;

float ScaleToFill(const InkBox& ink, int wanted) {
  return static_cast<float>(wanted) / static_cast<float>(std::max(1, ink.Width()));
}

// How crisply a mask's strokes fall on whole pixels: its mean coverage, each pixel weighted by
// its own coverage.
double Crispness(const GlyphRaster::Mask& mask) {
  double sum = 0.0, squares = 0.0;
  for (unsigned char value : mask.coverage) {
    sum += value;
    squares += static_cast<double>(value) * value;
  }
  return sum > 0.0 ? squares / sum : 0.0;
}

// Of the renderings of the outline scaled about as wanted whose ink lands nearest the wanted
// width, the crispest.
GlyphRaster::Mask Reshaped(const GlyphRaster& face, char code, float scale, int wanted) {
  GlyphRaster::Mask best;
  int bestMiss = -1;
  double bestCrispness = 0.0;
  for (int k = -ScaleTries; k <= ScaleTries; ++k) {
    const float tried = std::max(MaxNarrowing, scale * (1.0f + ScaleStep * k));
    GlyphRaster::Mask mask = face.Render(code, tried);
    const int miss = std::abs(mask.Ink().Width() - wanted);
    const double crispness = Crispness(mask);
    if (bestMiss < 0 || miss < bestMiss || (miss == bestMiss && crispness > bestCrispness)) {
      bestMiss = miss;
      bestCrispness = crispness;
      best = std::move(mask);
    }
  }
  return best;
}

// Columns inked over at least half the ink's rows: the upright strokes.
int StemColumns(const GlyphRaster::Mask& mask) {
  const InkBox ink = mask.Ink();
  int stems = 0;
  for (int x = ink.first; x < ink.end; ++x) {
    int inked = 0;
    for (int y = ink.top; y < ink.bottom; ++y) inked += mask.At(x, y) != 0 ? 1 : 0;
    stems += 2 * inked >= ink.bottom - ink.top ? 1 : 0;
  }
  return stems;
}

// Crisp strokes repeated read as two (a w as vv), and a crisp column left out may be a whole
// stroke: a crisp letter takes its width from its outline alone. Widened, it takes the widest
// rendering, stretched at most so far, that keeps within the wanted width and keeps its upright
// strokes' weight; narrowed, the widest within the wanted width (hinting keeps every stroke).
GlyphRaster::Mask CrispFitted(const GlyphRaster& face, char code, float scale, int wanted,
                              GlyphRaster::Mask natural) {
  const bool widening = natural.Ink().Width() <= wanted;
  // The largest stretch between these whose ink keeps within the wanted width (widths grow
  // with the stretch), found by halving.
  float within = widening ? 1.0f : MaxNarrowing;
  float beyond = widening ? std::min(scale, MaxCrispWidening) + ScaleStep : 1.0f;
  while (beyond - within > ScaleStep) {
    const float tried = (within + beyond) / 2;
    (face.Render(code, tried).Ink().Width() <= wanted ? within : beyond) = tried;
  }
  if (!widening) return face.Render(code, within);
  const int stems = StemColumns(natural);
  for (float tried = within; tried > 1.0f; tried -= ScaleStep) {
    GlyphRaster::Mask mask = face.Render(code, tried);
    if (StemColumns(mask) <= stems) return mask;
  }
  return natural;
}

// The columns of a mask's ink with how often each is shown and how much ink it holds. Only
// inner columns are repeated or left out: the outermost keep the ink's extent, and repeating
// the faint tip of a round letter would smear it.
class Columns {
 public:
  explicit Columns(const GlyphRaster::Mask& mask) : ink_(mask.Ink()) {
    copies_.assign(static_cast<size_t>(mask.width), 0);
    weight_.assign(static_cast<size_t>(mask.width), 0);
    for (int x = ink_.first; x < ink_.end; ++x) {
      copies_[Index(x)] = 1;
      for (int y = ink_.top; y < ink_.bottom; ++y) weight_[Index(x)] += mask.At(x, y) + 1;
      heaviest_ = std::max(heaviest_, weight_[Index(x)]);
    }
  }

  const InkBox& Ink() const { return ink_; }
  const std::vector<int>& Copies() const { return copies_; }
  int Shown() const {
    int shown = 0;
    for (int count : copies_) shown += count;
    return shown;
  }

  // Repeats the lightest columns (counters, bars, serifs), spread over the glyph (a column
  // repeated already weighs more), as long as each weighs at most the given share of the
  // heaviest and is shown at most the given number of times; false when that is not enough.
  bool Widen(int wanted, float lightestShare, int mostCopies) {
    const long limit = Limit(lightestShare);
    auto cost = [&](int x) {
      return weight_[Index(x)] <= limit && copies_[Index(x)] < mostCopies
                 ? weight_[Index(x)] * copies_[Index(x)]
                 : std::numeric_limits<long>::max();
    };
    for (int shown = Shown(); shown < wanted; ++shown) {
      const int x = Lightest(cost, false);
      if (x < 0 || cost(x) == std::numeric_limits<long>::max()) return false;
      ++copies_[Index(x)];
    }
    return true;
  }

  // Repeats, once each and lightest first, inner columns inked as both their neighbours are
  // (inside the flat stretch of a bar or of a bowl's top and bottom), as far as the wanted width:
  // a crisp letter widens so without a stroke doubled or a point flattened.
  void WidenBars(const GlyphRaster::Mask& mask, int wanted) {
    auto bar = [&](int x) {
      for (int y = ink_.top; y < ink_.bottom; ++y) {
        const bool inked = mask.At(x, y) != 0;
        if (inked != (mask.At(x - 1, y) != 0) || inked != (mask.At(x + 1, y) != 0)) return false;
      }
      return true;
    };
    auto cost = [&](int x) {
      return copies_[Index(x)] == 1 && bar(x) ? weight_[Index(x)]
                                              : std::numeric_limits<long>::max();
    };
    for (int shown = Shown(); shown < wanted; ++shown) {
      const int x = Lightest(cost, false);
      if (x < 0 || cost(x) == std::numeric_limits<long>::max()) return;
      ++copies_[Index(x)];
    }
  }

  // Leaves out the lightest columns, none beside another while others are left, as long as
  // each weighs at most the given share of the heaviest; false when that is not enough.
  bool Narrow(int wanted, float lightestShare) {
    const long limit = Limit(lightestShare);
    // Too heavy a column costs more than any light one.
    auto cost = [&](int x) {
      return weight_[Index(x)] <= limit ? weight_[Index(x)] : std::numeric_limits<long>::max();
    };
    for (int shown = Shown(); shown > wanted; --shown) {
      int x = Lightest(cost, true);
      if (x < 0 || weight_[Index(x)] > limit) x = Lightest(cost, false);
      if (x < 0 || weight_[Index(x)] > limit) return false;
      copies_[Index(x)] = 0;
    }
    return true;
  }

 private:
  static size_t Index(int x) { return static_cast<size_t>(x); }
  long Limit(float share) const { return static_cast<long>(static_cast<float>(heaviest_) * share); }

  // The shown inner column of least cost, the middle first among equals; with apart, none
  // beside a column left out. -1 when there is none.
  template <typename Cost>
  int Lightest(Cost cost, bool apart) const {
    const float middle = (ink_.first + ink_.end - 1) / 2.0f;
    int chosen = -1;
    for (int x = ink_.first + 1; x < ink_.end - 1; ++x) {
      if (copies_[Index(x)] == 0) continue;
      if (apart && (copies_[Index(x - 1)] == 0 || copies_[Index(x + 1)] == 0)) continue;
      if (chosen < 0 || cost(x) < cost(chosen) ||
          (cost(x) == cost(chosen) && std::fabs(x - middle) < std::fabs(chosen - middle)))
        chosen = x;
    }
    return chosen;
  }

  InkBox ink_;
  std::vector<int> copies_;
  std::vector<long> weight_;
  long heaviest_ = 0;
};

// Columns mostly empty are left out or repeated when that is enough (the glyph stays exactly
// as crisp as its face draws it); otherwise the outline is narrowed or widened, and columns
// make up the last pixel or so.
FittedGlyph Fit(const GlyphRaster& face, char code, float scale, int wanted) {
  GlyphRaster::Mask mask = face.Render(code);
  if (face.edges() == GlyphRaster::Edges::Crisp) {
    mask = CrispFitted(face, code, scale, wanted, std::move(mask));
    Columns columns(mask);
    columns.WidenBars(mask, wanted);
    return {std::move(mask), columns.Copies(), columns.Ink().top, columns.Ink().bottom, 0};
  }
  Columns columns(mask);
  const bool kept = scale < 1.0f ? columns.Narrow(wanted, LightColumnShare)
                                 : columns.Widen(wanted, LightColumnShare, MostCopies);
  if (!kept) {
    mask = Reshaped(face, code, scale, wanted);
    columns = Columns(mask);
    columns.Narrow(wanted, 1.0f);
    columns.Widen(wanted, 1.0f, std::numeric_limits<int>::max());
  }
  return {std::move(mask), columns.Copies(), columns.Ink().top, columns.Ink().bottom, 0};
}

}  // namespace

int FittedGlyph::Width() const {
  int width = 0;
  for (int count : copies) width += count;
  return width;
}

FittedGlyph FitGlyph(const GlyphRaster& face, const std::vector<std::string>& wideFaces, char code,
                     int wanted) {
  const InkBox ink = face.Render(code).Ink();
  if (ink.Width() == 0) return {};
  const float scale = ScaleToFill(ink, wanted);
  if (scale <= MaxWidening || wideFaces.empty()) return Fit(face, code, scale, wanted);
  const auto wide =
      GlyphRaster::Open(wideFaces, ink.bottom - ink.top, std::string(1, code), face.edges());
  if (!wide) return Fit(face, code, scale, wanted);
  const InkBox wideInk = wide->Render(code).Ink();
  const float wideScale = ScaleToFill(wideInk, wanted);
  // A crisp wide letter is never narrowed (its serifs would go, or its stroke).
  if (wideScale >= scale || (face.edges() == GlyphRaster::Edges::Crisp && wideScale < 1.0f))
    return Fit(face, code, scale, wanted);
  FittedGlyph glyph = Fit(*wide, code, wideScale, wanted);
  glyph.rowShift = ink.bottom - wideInk.bottom;
  return glyph;
}

void PaintGlyph(platform::Image& picture, const FittedGlyph& glyph, int x, int y,
                const platform::PixelRect& clip) {
  const platform::PixelRect inside{std::max(clip.left, 0), std::max(clip.top, 0),
                                   std::min(clip.right, picture.width),
                                   std::min(clip.bottom, picture.height)};
  for (size_t column = 0; column < glyph.copies.size(); ++column) {
    for (int copy = 0; copy < glyph.copies[column]; ++copy, ++x) {
      if (x < inside.left || x >= inside.right) continue;
      for (int row = glyph.top; row < glyph.bottom; ++row) {
        const unsigned char coverage = glyph.mask.At(static_cast<int>(column), row);
        if (coverage == 0 || y + row < inside.top || y + row >= inside.bottom) continue;
        picture.pixels[static_cast<size_t>(y + row) * picture.width + x] =
            static_cast<uint32_t>(coverage) << 24 | WhiteRgb;
      }
    }
  }
}
