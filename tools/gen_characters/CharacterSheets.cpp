#include "CharacterSheets.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "enemies/EnemyKinds.h"


namespace figures {

namespace {

constexpr int Zoom = 2;
constexpr int Gap = 6;
constexpr int MaxContactWidth = 1800;
constexpr int CheckerSize = 8;
constexpr uint32_t CheckerLight = 0xFFE4E8EC;
constexpr uint32_t CheckerDark = 0xFFD2D8DE;
constexpr uint32_t FeetLine = 0xFFD02828;
constexpr uint32_t Separator = 0xFF8A96A4;
// Beyond this a frame's duration counts as "never ends".
constexpr float LongestFrame = 1e6f;

using CellKey = std::tuple<int, int, int, int, int>;

CellKey KeyOf(int sheet, const platform::PixelRect& r) {
  return {sheet, r.left, r.top, r.right, r.bottom};
}

uint32_t Over(uint32_t top, uint32_t bottom) {
  const float a = static_cast<float>(top >> 24) / 255.0f;
  uint32_t result = 0xFF000000;
  for (int shift = 0; shift < 24; shift += 8) {
    const float value = raster::Channel(top, shift) * a + raster::Channel(bottom, shift) * (1 - a);
    result |= static_cast<uint32_t>(value + 0.5f) << shift;
  }
  return result;
}

struct Placement {
  const SheetAnimation* animation;
  size_t frame;
  int x, y;
};

bool SameFrames(const SheetAnimation& a, const SheetAnimation& b) {
  if (a.sheet != b.sheet || a.frames.size() != b.frames.size()) return false;
  for (size_t i = 0; i < a.frames.size(); ++i) {
    if (KeyOf(a.sheet, a.frames[i].cell) != KeyOf(b.sheet, b.frames[i].cell)) return false;
  }
  return true;
}

}  // namespace

std::vector<float> FramePlaces(const std::vector<SheetFrame>& frames) {
  std::vector<float> places;
  float total = 0.0f;
  for (const SheetFrame& frame : frames) total += frame.duration;
  const bool timed = total > 0.0f && total < LongestFrame;
  float start = 0.0f;
  for (size_t i = 0; i < frames.size(); ++i) {
    if (timed) {
      places.push_back((start + frames[i].duration / 2.0f) / total);
      start += frames[i].duration;
    } else {
      places.push_back((static_cast<float>(i) + 0.5f) / static_cast<float>(frames.size()));
    }
  }
  return places;
}

Figure FrameByFrame(std::span<const AnimationCell> cells, int animation,
                    std::vector<Figure> figures) {
  std::vector<SheetFrame> frames;
  for (const AnimationCell& cell : cells) {
    if (cell.animation == animation) frames.push_back({cell.rect, cell.duration, 0.0f});
  }
  return [places = FramePlaces(frames), figures = std::move(figures)](Drawing& d, Point anchor,
                                                                      float place) {
    size_t nearest = 0;
    for (size_t i = 1; i < places.size() && i < figures.size(); ++i) {
      if (std::fabs(places[i] - place) < std::fabs(places[nearest] - place)) nearest = i;
    }
    figures[nearest](d, anchor, place);
  };
}

std::vector<SheetAnimation> EnemyAnimations(
    std::span<const AnimationCell> cells, const std::function<Figure(int animation)>& figureOf,
    const std::function<float(int animation)>& feetBelowMiddle) {
  std::vector<SheetAnimation> animations;
  std::map<int, size_t> byNumber;
  for (const AnimationCell& cell : cells) {
    auto [entry, added] = byNumber.emplace(cell.animation, animations.size());
    if (added) animations.push_back({cell.action, cell.texture, {}, figureOf(cell.animation)});
    const float footRow = static_cast<float>(cell.rect.bottom - cell.rect.top) / 2.0f +
                          feetBelowMiddle(cell.animation);
    animations[entry->second].frames.push_back({cell.rect, cell.duration, footRow});
  }
  return animations;
}

CharacterSheets::CharacterSheets(const std::filesystem::path& contentFolder,
                                 const std::vector<std::string>& files, int size) {
  for (const std::string& file : files) {
    sheets_.push_back(std::make_unique<GeneratedAtlas>(contentFolder / file, size));
  }
}

void CharacterSheets::Draw(const std::vector<SheetAnimation>& animations) {
  std::map<CellKey, bool> drawn;
  for (const SheetAnimation& animation : animations) {
    const std::vector<float> places = FramePlaces(animation.frames);
    for (size_t i = 0; i < animation.frames.size(); ++i) {
      const platform::PixelRect& cell = animation.frames[i].cell;
      if (!drawn.emplace(KeyOf(animation.sheet, cell), true).second) continue;
      const Point anchor{static_cast<float>(cell.right - cell.left) / 2.0f,
                         animation.frames[i].footRow};
      Drawing drawing;
      animation.figure(drawing, anchor, places[i]);
      Render(drawing, sheets_[animation.sheet]->image, cell);
    }
  }
}

bool CharacterSheets::Save(const char* tool) const {
  bool saved = true;
  for (const auto& sheet : sheets_) saved = sheet->Save(tool) && saved;
  return saved;
}

bool CharacterSheets::SaveContactSheet(const std::filesystem::path& path,
                                       const std::vector<SheetAnimation>& animations) const {
  // Lay the frames out in rows, an animation's frames wrapping onto further rows.
  std::vector<Placement> placements;
  std::vector<int> separators;
  int x = Gap, y = Gap, rowHeight = 0, width = 0;
  for (size_t a = 0; a < animations.size(); ++a) {
    const SheetAnimation& animation = animations[a];
    const bool repeated = std::any_of(animations.begin(), animations.begin() + a,
                                      [&](const SheetAnimation& earlier) {
                                        return SameFrames(earlier, animation);
                                      });
    if (repeated || animation.frames.empty()) continue;
    for (size_t i = 0; i < animation.frames.size(); ++i) {
      const platform::PixelRect& cell = animation.frames[i].cell;
      const int w = (cell.right - cell.left) * Zoom;
      const int h = (cell.bottom - cell.top) * Zoom;
      if (x > Gap && x + w > MaxContactWidth) {
        x = Gap;
        y += rowHeight + Gap;
        rowHeight = 0;
      }
      placements.push_back({&animation, i, x, y});
      x += w + Gap;
      width = std::max(width, x);
      rowHeight = std::max(rowHeight, h);
    }
    y += rowHeight + Gap;
    separators.push_back(y - Gap / 2);
    x = Gap;
    rowHeight = 0;
  }
  platform::Image contact{std::max(width, 1), std::max(y, 1), {}};
  contact.pixels.resize(static_cast<size_t>(contact.width) * contact.height);
  for (int py = 0; py < contact.height; ++py) {
    for (int px = 0; px < contact.width; ++px) {
      const bool dark = ((px / CheckerSize) + (py / CheckerSize)) % 2 == 1;
      contact.pixels[static_cast<size_t>(py) * contact.width + px] = dark ? CheckerDark : CheckerLight;
    }
  }
  for (int row : separators) {
    for (int px = 0; px < contact.width; ++px) {
      contact.pixels[static_cast<size_t>(row) * contact.width + px] = Separator;
    }
  }
  for (const Placement& p : placements) {
    const platform::Image& sheet = Sheet(p.animation->sheet);
    const platform::PixelRect& cell = p.animation->frames[p.frame].cell;
    const int w = cell.right - cell.left;
    const int h = cell.bottom - cell.top;
    const int feet = static_cast<int>(std::round(p.animation->frames[p.frame].footRow * Zoom));
    for (int cy = 0; cy < h * Zoom; ++cy) {
      for (int cx = 0; cx < w * Zoom; ++cx) {
        uint32_t& out = contact.pixels[static_cast<size_t>(p.y + cy) * contact.width + p.x + cx];
        if (cy == feet) out = FeetLine;
        const int sx = cell.left + cx / Zoom;
        const int sy = cell.top + cy / Zoom;
        if (sx < 0 || sy < 0 || sx >= sheet.width || sy >= sheet.height) continue;
        out = Over(sheet.Pixel(sx, sy), out);
      }
    }
  }
  if (std::filesystem::exists(path)) {
    const std::optional<platform::Image> old = platform::LoadImageFile(path.string(), 0, 0, 0);
    if (old && old->width == contact.width && old->pixels == contact.pixels) return true;
  }
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (!platform::SaveImagePng(contact, path.string())) {
    std::fprintf(stderr, "gen_characters: cannot write %s\n", path.string().c_str());
    return false;
  }
  return true;
}

std::string UnderContent(std::string path) {
  path.erase(0, path.find('\\') + 1);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::vector<std::string> EnemySheetFiles(int kind) {
  const EnemyKindTable& kinds = RegisteredEnemyKinds();
  const auto row = std::ranges::find(kinds, kind, &EnemyKind::number);
  std::vector<std::string> files;
  if (row == kinds.end()) return files;
  for (const std::string& path : row->textures) files.push_back(UnderContent(path));
  return files;
}

bool DrawCharacter(const std::string& name, const std::vector<std::string>& files, int side,
                   const std::vector<SheetAnimation>& animations,
                   const std::filesystem::path& contentFolder,
                   const std::filesystem::path& contactFolder) {
  CharacterSheets sheets(contentFolder, files, side);
  sheets.Draw(animations);
  bool saved = sheets.Save("gen_characters");
  if (!contactFolder.empty()) {
    saved = sheets.SaveContactSheet(contactFolder / (name + ".png"), animations) && saved;
  }
  return saved;
}

}  // namespace figures
