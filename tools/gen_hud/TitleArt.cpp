#include "TitleArt.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "MenuPainting.h"
#include "menus/MenuTitle.h"
#include "tools/Raster.h"

using raster::Point;

namespace {

constexpr const char* GameName = "QUELLMARK";
const std::vector<std::string> NameFaces = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};

// The sky from its top down to the horizon.
constexpr uint32_t SkyTop = 0xFF141B36;
constexpr uint32_t SkyMiddle = 0xFF3F3264;
constexpr uint32_t SkyHorizon = 0xFFE0925A;
constexpr float SkyMiddleAt = 0.55f;

// Two ranges of hills, the far one paler, the near one dark with a line of firs on it; heights
// in cell rows from the top.
constexpr uint32_t FarHills = 0xFF4A3E66;
constexpr uint32_t NearHills = 0xFF171827;
constexpr float FirSpacing = 6.0f;
constexpr float FirHalfBase = 2.2f;

// The name: gilt letters from light to deep gold, a dark outline and a soft shadow below.
constexpr uint32_t NameLight = 0xFFFFEDB0;
constexpr uint32_t NameDeep = 0xFFC27E26;
constexpr uint32_t NameOutline = 0xFF26150A;
constexpr uint32_t NameShadow = 0xFF000000;
constexpr float OutlineRadius = 2.5f;
constexpr float ShadowOpacity = 0.55f;
constexpr int ShadowDx = 3;
constexpr int ShadowDy = 4;
// Room kept round the letters for the outline and the shadow.
constexpr int CellMargin = 7;
// The flourish under the name: a line tapering to its ends with a diamond at its middle.
constexpr float FlourishThickness = 1.6f;
constexpr float DiamondRadius = 6.0f;

int Width(const platform::PixelRect& cell) { return cell.right - cell.left; }
int Height(const platform::PixelRect& cell) { return cell.bottom - cell.top; }

// A coverage mask, 0 to 1, with the rows its ink covers.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> values;
  int inkTop = 0;
  int inkBottom = 0;

  Mask(int w, int h) : width(w), height(h), values(static_cast<size_t>(w) * h, 0.0f) {}
  float At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return values[static_cast<size_t>(y) * width + x];
  }
  float& Ref(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
};

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A rendered text's coverage and the box of its ink.
struct Rendered {
  SurfacePtr argb;
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;

  float At(int x, int y) const {
    const auto* row =
        reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) + y * argb->pitch);
    return static_cast<float>(row[x] >> 24) / 255.0f;
  }
};

Rendered Render(TTF_Font* font, const char* text) {
  Rendered rendered;
  SurfacePtr blended(TTF_RenderUTF8_Blended(font, text, SDL_Color{255, 255, 255, 255}));
  if (blended)
    rendered.argb.reset(SDL_ConvertSurfaceFormat(blended.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!rendered.argb) return rendered;
  rendered.left = rendered.argb->w;
  rendered.top = rendered.argb->h;
  for (int y = 0; y < rendered.argb->h; ++y) {
    for (int x = 0; x < rendered.argb->w; ++x) {
      if (rendered.At(x, y) == 0.0f) continue;
      rendered.left = std::min(rendered.left, x);
      rendered.right = std::max(rendered.right, x + 1);
      rendered.top = std::min(rendered.top, y);
      rendered.bottom = std::max(rendered.bottom, y + 1);
    }
  }
  return rendered;
}

// The name as large as fits the canvas, its ink centred on it. An empty mask when no face opens.
Mask RenderName(int width, int height) {
  Mask mask(width, height);
  if (TTF_Init() != 0) return mask;
  for (const std::string& file : NameFaces) {
    for (int size = height * 2; size > 8; --size) {
      TTF_Font* font = TTF_OpenFont(file.c_str(), size);
      if (!font) break;
      const Rendered name = Render(font, GameName);
      TTF_CloseFont(font);
      if (!name.argb) continue;
      if (name.bottom - name.top > height - 2 * CellMargin ||
          name.right - name.left > width - 2 * CellMargin) {
        continue;
      }
      const int dx = (width - (name.right - name.left)) / 2 - name.left;
      const int dy = (height - (name.bottom - name.top)) / 2 - name.top;
      for (int y = name.top; y < name.bottom; ++y) {
        for (int x = name.left; x < name.right; ++x) mask.Ref(x + dx, y + dy) = name.At(x, y);
      }
      mask.inkTop = name.top + dy;
      mask.inkBottom = name.bottom + dy;
      TTF_Quit();
      return mask;
    }
  }
  TTF_Quit();
  return mask;
}

Mask Flourish(int width, int height) {
  Mask mask(width, height);
  const float middleX = width / 2.0f;
  const float middleY = height / 2.0f;
  const float halfLength = middleX - CellMargin;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      float covered = 0.0f;
      for (int sy = 0; sy < menu_paint::Samples; ++sy) {
        for (int sx = 0; sx < menu_paint::Samples; ++sx) {
          const Point p = raster::SamplePoint(x, y, sx, sy, menu_paint::Samples);
          const float ax = std::fabs(p.x - middleX);
          const float ay = std::fabs(p.y - middleY);
          const bool onLine = ax <= halfLength * (1.0f - ay / 4.0f) && ay <= FlourishThickness;
          if (onLine || ax + ay <= DiamondRadius) covered += 1.0f;
        }
      }
      mask.Ref(x, y) = covered / (menu_paint::Samples * menu_paint::Samples);
    }
  }
  mask.inkTop = static_cast<int>(middleY - DiamondRadius);
  mask.inkBottom = static_cast<int>(middleY + DiamondRadius);
  return mask;
}

// The largest coverage within the radius: the mask grown by it.
Mask Grown(const Mask& mask, float radius) {
  Mask grown(mask.width, mask.height);
  const int reach = static_cast<int>(std::ceil(radius));
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      float best = 0.0f;
      for (int oy = -reach; oy <= reach; ++oy) {
        for (int ox = -reach; ox <= reach; ++ox) {
          const float distance = std::hypot(static_cast<float>(ox), static_cast<float>(oy));
          const float edge = std::clamp(radius + 0.5f - distance, 0.0f, 1.0f);
          best = std::max(best, mask.At(x + ox, y + oy) * edge);
        }
      }
      grown.Ref(x, y) = best;
    }
  }
  return grown;
}

// The colour at the coverage (0 to 1) as its alpha.
uint32_t Layer(uint32_t color, float coverage) {
  return menu_paint::WithAlpha(color,
                          static_cast<uint32_t>(std::clamp(coverage, 0.0f, 1.0f) * 255.0f + 0.5f));
}

// The mask in gilt over its outline and its shadow, row by row. The outermost ring stays clear,
// so that filtering never reaches the neighbouring cells.
std::vector<uint32_t> Gilded(const Mask& shape) {
  const Mask outline = Grown(shape, OutlineRadius);
  const float span = std::max(1.0f, static_cast<float>(shape.inkBottom - shape.inkTop));
  std::vector<uint32_t> pixels(shape.values.size(), menu_paint::Transparent);
  for (int y = 1; y < shape.height - 1; ++y) {
    for (int x = 1; x < shape.width - 1; ++x) {
      const float t = std::clamp((static_cast<float>(y) - shape.inkTop) / span, 0.0f, 1.0f);
      uint32_t pixel = Layer(NameShadow, ShadowOpacity * outline.At(x - ShadowDx, y - ShadowDy));
      pixel = menu_paint::Over(Layer(NameOutline, outline.At(x, y)), pixel);
      pixel = menu_paint::Over(Layer(raster::Mix(NameLight, NameDeep, t), shape.At(x, y)), pixel);
      pixels[static_cast<size_t>(y) * shape.width + x] = pixel;
    }
  }
  return pixels;
}

// The picture's columns from the first on into the cell, and the columns the picture has on
// either side of them into the texels beside the cell, so that filtering at the cell's edges
// blends in the picture's own neighbours.
void Blit(GeneratedAtlas& atlas, const platform::PixelRect& cell, const std::vector<uint32_t>& pixels,
          int pictureWidth, int firstColumn) {
  const int from = firstColumn > 0 ? -1 : 0;
  const int to = firstColumn + Width(cell) < pictureWidth ? Width(cell) + 1 : Width(cell);
  for (int y = 0; y < Height(cell); ++y) {
    for (int x = from; x < to; ++x) {
      atlas.At(cell.left + x, cell.top + y) =
          pixels[static_cast<size_t>(y) * pictureWidth + firstColumn + x];
    }
  }
}

// The sky column, continued into the free texels around it so that stretching it blends in
// nothing else.
void DrawSky(GeneratedAtlas& atlas) {
  const platform::PixelRect& cell = MenuTitle::SkyCell;
  const int height = Height(cell);
  for (int y = -2; y < height + 2; ++y) {
    const float t = std::clamp(static_cast<float>(y) / static_cast<float>(height - 1), 0.0f, 1.0f);
    const uint32_t color = t < SkyMiddleAt ? raster::Mix(SkyTop, SkyMiddle, t / SkyMiddleAt)
                                           : raster::Mix(SkyMiddle, SkyHorizon,
                                                         (t - SkyMiddleAt) / (1.0f - SkyMiddleAt));
    for (int x = cell.left - 2; x < cell.right + 2; ++x) atlas.At(x, cell.top + y) = color;
  }
}

// The ridges as gentle sums of waves, in cell rows from the top.
float FarRidge(float x) {
  return 16.0f + 6.0f * std::sin(x * 0.021f + 0.6f) + 4.0f * std::sin(x * 0.066f + 2.0f);
}
float NearRidge(float x) {
  return 34.0f + 4.0f * std::sin(x * 0.027f + 1.4f) + 2.5f * std::sin(x * 0.085f);
}

// Firs along the near ridge: a narrow triangle every few texels, taller here and there.
float FirTop(float x) {
  const float slot = std::floor(x / FirSpacing);
  const float middle = (slot + 0.5f) * FirSpacing;
  const float tall = 5.0f + 4.0f * std::fabs(std::sin(slot * 1.7f));
  const float offset = std::fabs(x - middle);
  if (offset > FirHalfBase) return 1e9f;
  return NearRidge(middle) - tall * (1.0f - offset / FirHalfBase);
}

void DrawHills(GeneratedAtlas& atlas) {
  const platform::PixelRect& cell = MenuTitle::HillsCell;
  const auto bottom = static_cast<float>(Height(cell)) - 0.5f;
  // The bottom row goes on below the cell, where the screen's bottom edge samples.
  menu_paint::PaintCell(atlas, {cell.left, cell.top, cell.right, cell.bottom + 1},
                   [bottom](Point p) -> uint32_t {
                     p.y = std::min(p.y, bottom);
                     if (p.y >= NearRidge(p.x) || p.y >= FirTop(p.x)) return NearHills;
                     if (p.y >= FarRidge(p.x)) return FarHills;
                     return menu_paint::Transparent;
                   });
}

}  // namespace

void DrawTitleArt(GeneratedAtlas& atlas) {
  DrawSky(atlas);
  DrawHills(atlas);
  // The name is drawn whole and cut down its middle into its two cells; the texels beside the
  // cut repeat the columns across it, so the cut does not show.
  const int half = Width(MenuTitle::NameLeftCell);
  const int nameWidth = 2 * half;
  const std::vector<uint32_t> name = Gilded(RenderName(nameWidth, Height(MenuTitle::NameLeftCell)));
  Blit(atlas, MenuTitle::NameLeftCell, name, nameWidth, 0);
  Blit(atlas, MenuTitle::NameRightCell, name, nameWidth, half);
  const platform::PixelRect& flourish = MenuTitle::FlourishCell;
  Blit(atlas, flourish, Gilded(Flourish(Width(flourish), Height(flourish))), Width(flourish), 0);
}
