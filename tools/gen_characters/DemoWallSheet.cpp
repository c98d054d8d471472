// The DemoWall's sheet: a wall of dressed stone blocks exactly as wide and as high as the block
// that bars the way in the game. Standing, it is cracked and sheds grit from its cracks;
// broken, it is a low heap of rubble between two stubs of its lowest courses, so the way shows
// open.

#include "DemoWallSheet.h"

#include <algorithm>
#include <vector>

#include "CharacterSheets.h"
#include "FigureSpace.h"
#include "enemies/DemoWall.h"
#include "enemies/DemoWallAnimationPool.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

constexpr int SheetSide = 1024;
constexpr int Courses = 7;
constexpr float BlockLength = 40.0f;  // a typical block; each is longer or shorter
constexpr float ShortestBlock = 12.0f;
constexpr float Joint = 1.6f;  // the mortar between blocks
constexpr float StoneRounding = 1.6f;
constexpr uint32_t MortarColor = 0xFF4E463D;
constexpr uint32_t StoneColor = 0xFF948B7D;
constexpr uint32_t CrackColor = 0xFF2B2621;
constexpr uint32_t MossColor = 0xFF5F7C3A;
constexpr uint32_t DustColor = 0xFFBDB29F;
constexpr int RubbleLayers = 4;

float Width() { return DemoWall::BodyWidth * SpritePixelsPerUnit(); }
float Height() { return DemoWall::BodyHeight * SpritePixelsPerUnit(); }
float CourseHeight() { return Height() / Courses; }

// A repeatable number in [0, 1) for the two integers, so that every run lays the same stones.
float Noise(int a, int b) {
  uint32_t h = static_cast<uint32_t>(a) * 73856093u ^ static_cast<uint32_t>(b + 7) * 19349663u;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return static_cast<float>(h & 0xFFFFu) / 65536.0f;
}

uint32_t StoneShade(int a, int b) { return Scaled(StoneColor, 0.84f + 0.26f * Noise(a, b)); }

// A dressed block filling its place in the course but for the joint around it.
void AddBlock(Drawing& d, Point anchor, float left, float right, float bottom, float top,
              uint32_t color) {
  const float inset = Joint / 2.0f + StoneRounding;
  d.Add(Shape(anchor,
              {{left + inset, bottom + inset},
               {right - inset, bottom + inset},
               {right - inset, top - inset},
               {left + inset, top - inset}},
              StoneRounding),
        Painted(color, 1.0f));
}

// The courses from the ground up to the given one, each block's joints offset from the course
// below, cut off straight at the wall's ends.
void LayCourses(Drawing& d, Point anchor, int courses, float left, float right) {
  const float h = CourseHeight();
  for (int c = 0; c < courses; ++c) {
    float x = left;
    for (int k = 0; x < right - 0.5f; ++k) {
      const float stagger = k == 0 && c % 2 == 1 ? 0.5f : 1.0f;
      float end = x + BlockLength * stagger * (0.75f + 0.5f * Noise(c, k));
      if (right - end < ShortestBlock) end = right;
      AddBlock(d, anchor, x, end, c * h, (c + 1) * h, StoneShade(c, k));
      x = end;
    }
  }
}

// A crack along the points (wall fractions), with a pale lip along its lower edge.
void AddCrack(Drawing& d, Point anchor, const std::vector<Point>& path) {
  const float w = Width(), h = Height();
  auto at = [&](Point p) { return Point{(p.x - 0.5f) * w, p.y * h}; };
  Part lip{{}, Flat(Scaled(StoneColor, 1.18f))};
  Part crack{{}, Flat(CrackColor)};
  for (size_t k = 0; k + 1 < path.size(); ++k) {
    const float from = 1.3f - 0.8f * static_cast<float>(k) / path.size();
    const float to = 1.3f - 0.8f * static_cast<float>(k + 1) / path.size();
    lip.pieces.push_back(Stroke(anchor, at(path[k]) + Point{0.8f, -0.9f},
                                at(path[k + 1]) + Point{0.8f, -0.9f}, from, to));
    crack.pieces.push_back(Stroke(anchor, at(path[k]), at(path[k + 1]), from, to));
  }
  d.Add(lip);
  d.Add(crack);
}

// Where grit runs out of the lower crack, in wall fractions.
constexpr Point CrackEnd{0.36f, 0.33f};

void AddCracks(Drawing& d, Point anchor) {
  AddCrack(d, anchor,
           {{0.62f, 1.0f},
            {0.6f, 0.9f},
            {0.66f, 0.82f},
            {0.63f, 0.71f},
            {0.56f, 0.64f},
            {0.58f, 0.55f},
            {0.5f, 0.47f},
            {0.44f, 0.41f},
            {0.45f, 0.36f},
            CrackEnd});
  AddCrack(d, anchor, {{0.63f, 0.71f}, {0.72f, 0.66f}, {0.8f, 0.67f}, {0.86f, 0.6f}});
  AddCrack(d, anchor, {{0.2f, 0.02f}, {0.22f, 0.1f}, {0.17f, 0.18f}, {0.2f, 0.25f}});
}

// Moss in the joints of the lowest course.
void AddMoss(Drawing& d, Point anchor) {
  Part moss{{}, Paint{MossColor, Scaled(MossColor, 0.6f), 0.6f, 1.0f, true}};
  for (int k = 0; k < 6; ++k) {
    const float x = (Noise(k, 91) - 0.5f) * (Width() - 12.0f);
    const float clump = 1.6f + 1.6f * Noise(k, 93);
    const float sprig = 1.3f + Noise(k, 94);
    moss.pieces.push_back(Dot(anchor, {x, clump + 1.5f * Noise(k, 92)}, clump));
    moss.pieces.push_back(Dot(anchor, {x + 3.0f, sprig}, sprig));
  }
  d.Add(moss);
}

// A broken stone: a block with its corners knocked off at random, turned a little.
Polygon Chunk(Point anchor, Point middle, Point size, float turn, int seed) {
  Polygon chunk{{}, 1.2f};
  const Point corners[] = {{-1.0f, -1.0f}, {0.0f, -1.1f}, {1.0f, -1.0f}, {1.1f, 0.0f},
                           {1.0f, 1.0f},   {0.0f, 1.1f},  {-1.0f, 1.0f}, {-1.1f, 0.0f}};
  int k = 0;
  for (Point c : corners) {
    const float knock = 0.6f + 0.4f * Noise(seed, k++);
    const Point p{c.x * size.x * 0.5f * knock, c.y * size.y * 0.5f * knock};
    chunk.corners.push_back(ToCell(anchor, middle + Rotated(p, turn)));
  }
  return chunk;
}

// The lowest point of a chunk above the anchor row, in figure space.
float ChunkBottom(Point anchor, const Polygon& chunk) {
  float lowest = 1e9f;
  for (Point c : chunk.corners) lowest = std::min(lowest, anchor.y - c.y);
  return lowest - chunk.rounding;
}

// Grit trickling from the crack: a pebble on its way down and a puff where the last one fell.
void AddGrit(Drawing& d, Point anchor, float place) {
  const Point from{(CrackEnd.x - 0.5f) * Width(), CrackEnd.y * Height()};
  const float drop = place < 0.5f ? 5.0f : 24.0f;
  d.Add(Chunk(anchor, from - Point{0.5f, drop}, {5.0f, 4.2f}, 20.0f, 1),
        Painted(Scaled(StoneColor, 0.8f), 0.7f));
  d.Add(Dot(anchor, from - Point{-1.5f, drop * 0.5f + 2.0f}, 0.8f), Flat(Scaled(StoneColor, 0.7f)));
  Part dust{{}, Paint{DustColor, DustColor, 0.0f, 0.45f, false}};
  const float puff = place < 0.5f ? 0.6f : 1.0f;
  for (int k = 0; k < 4; ++k) {
    const float radius = (2.0f + 1.5f * Noise(k, 8)) * puff;
    dust.pieces.push_back(
        Dot(anchor, {from.x - 9.0f + 6.0f * k, radius + 2.0f * Noise(k, 7)}, radius));
  }
  d.Add(dust);
}

void DrawStanding(Drawing& d, Point anchor, float place) {
  const float half = Width() / 2.0f;
  d.Add(Shape(anchor, {{-half, 0.0f}, {half, 0.0f}, {half, Height()}, {-half, Height()}}, 0.0f),
        Painted(MortarColor, 1.2f));
  LayCourses(d, anchor, Courses, -half, half);
  AddCracks(d, anchor);
  AddMoss(d, anchor);
  AddGrit(d, anchor, place);
}

// A stub of the wall at one end: its lowest courses, the upper one broken off unevenly.
void AddStub(Drawing& d, Point anchor, float left, float right, int seed) {
  const float h = CourseHeight();
  d.Add(Shape(anchor, {{left, 0.0f}, {right, 0.0f}, {right, h}, {left, h}}, 0.0f),
        Painted(MortarColor, 1.2f));
  LayCourses(d, anchor, 1, left, right);
  const float width = right - left;
  for (int k = 0; k < 2; ++k) {
    const float x = left + width * (0.3f + 0.45f * k);
    d.Add(Chunk(anchor, {x, h + 3.0f + 4.0f * Noise(seed, k)}, {width * 0.42f, 9.0f},
                -12.0f + 24.0f * Noise(seed, k + 5), seed * 10 + k),
          Painted(StoneShade(seed, k + 20), 1.0f));
  }
}

// The fallen blocks in a heap, the lowest layer resting on the ground.
void DrawBroken(Drawing& d, Point anchor, float) {
  const float half = Width() / 2.0f;
  AddStub(d, anchor, -half, -half + 26.0f, 3);
  AddStub(d, anchor, half - 22.0f, half, 4);
  for (int layer = 0; layer < RubbleLayers; ++layer) {
    const int count = 7 - 2 * layer;
    const float spread = (half - 18.0f) * (1.0f - 0.28f * layer);
    for (int k = 0; k < std::max(count, 1); ++k) {
      const int seed = layer * 17 + k;
      const float share = count > 1 ? static_cast<float>(k) / (count - 1) : 0.5f;
      const Point size{15.0f + 10.0f * Noise(seed, 1), 9.0f + 5.0f * Noise(seed, 2)};
      Point middle{Lerp(-spread, spread, share) + 6.0f * (Noise(seed, 3) - 0.5f),
                   size.y * 0.5f + layer * 8.5f};
      Polygon chunk = Chunk(anchor, middle, size, -30.0f + 60.0f * Noise(seed, 4), seed);
      if (layer == 0) {
        const float rest = ChunkBottom(anchor, chunk);
        for (Point& c : chunk.corners) c.y += rest;
      }
      d.Add(chunk, Painted(StoneShade(seed, 9), 1.0f));
    }
  }
}

Figure WallFigure(int animation) {
  if (animation == IdlePoseAnimationPool::PoseAnimation) return DrawBroken;
  return DrawStanding;
}

}  // namespace

bool DrawDemoWallSheet(const std::filesystem::path& contentFolder,
                       const std::filesystem::path& contactFolder) {
  return DrawCharacter("DemoWall", EnemySheetFiles(DemoWall::Kind), SheetSide,
                       EnemyAnimations(DemoWallAnimationPool::Cells(), WallFigure,
                                       [](int) { return Height() / 2.0f; }),
                       contentFolder, contactFolder);
}

}  // namespace figures
